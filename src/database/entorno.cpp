#include "database/entorno.h"

#include "database/base_datos.h"

#include <QLocale>

namespace {

const QString kClaves[6] = {panel::Agente, panel::Sucursal, panel::Regimen,
                            panel::Mes,    panel::Anio,     panel::Rectifica};

int posicion(const QString& clave)
{
    for (int i = 0; i < 6; ++i)
        if (kClaves[i] == clave) return i;
    return -1;
}

QString campo(const std::optional<QSqlRecord>& fila, const char* nombre)
{
    return fila ? fila->value(QString::fromLatin1(nombre)).toString() : QString();
}

} // namespace

Entorno::Entorno(BaseDatos& base, QObject* parent) : QObject(parent), base_(base)
{
    cargarValoresFijos();
    for (int i = 0; i < 6; ++i) paneles_[i] = textoInicial(kClaves[i]);
}

QString Entorno::agente() const { return campo(Agente_Actual, "Nro_Agente"); }
QString Entorno::sucursal() const { return campo(Sucursal_Actual, "Sucursal"); }
QString Entorno::regimen() const { return campo(Regimen_Actual, "Cod_Regimen"); }
qint64 Entorno::idCabecera() const
{
    return Cabecera_Actual ? Cabecera_Actual->value(QStringLiteral("IdCabecera")).toLongLong() : 0;
}

QString Entorno::textoInicial(const QString& clave)
{
    switch (posicion(clave)) {
    case 0: return QStringLiteral("Agente: (ninguno)");
    case 1: return QStringLiteral("Sucursal: (ninguna)");
    case 2: return QStringLiteral("Régimen: (ninguno)");
    case 3: return QStringLiteral("Mes: (ninguno)");
    case 4: return QStringLiteral("Año: (ninguno)");
    case 5: return QStringLiteral("R: 00");
    }
    return {};
}

QString Entorno::ayudaPanel(const QString& clave)
{
    switch (posicion(clave)) {
    case 0: return QStringLiteral("Agente de la Declaración Jurada Activa");
    case 1: return QStringLiteral("Sucursal de la Declaración Jurada Activa");
    case 2: return QStringLiteral("Régimen de la Declaración Jurada Activa");
    case 3: return QStringLiteral("Mes");
    case 4: return QStringLiteral("Año de la Declaración Jurada Activa");
    case 5: return QStringLiteral("Número de rectificativa (00: Original)");
    }
    return {};
}

QString Entorno::textoPanel(const QString& clave) const
{
    const int i = posicion(clave);
    return i < 0 ? QString() : paneles_[i];
}

void Entorno::setPanel(const QString& clave, const QString& texto)
{
    const int i = posicion(clave);
    if (i < 0) return;
    paneles_[i] = texto;
    Q_EMIT panelCambiado(clave, texto);
}

void Entorno::panelesIniciales()
{
    for (const QString& clave : kClaves) setPanel(clave, textoInicial(clave));
}

void Entorno::cargarValoresFijos()
{
    Editar_Ayuda = false;
    const QString cero = QLocale().toString(0.0, 'f', 2);
    Separador_Decimal = cero.size() >= 3 ? cero.at(cero.size() - 3) : QLatin1Char('.');
    Nombres_Meses = {QStringLiteral("Enero"),   QStringLiteral("Febrero"),
                     QStringLiteral("Marzo"),   QStringLiteral("Abril"),
                     QStringLiteral("Mayo"),    QStringLiteral("Junio"),
                     QStringLiteral("Julio"),   QStringLiteral("Agosto"),
                     QStringLiteral("Setiembre"), QStringLiteral("Octubre"),
                     QStringLiteral("Noviembre"), QStringLiteral("Diciembre")};
    Estados_Cabecera = {QStringLiteral("Vacía"), QStringLiteral("Abierta"),
                        QStringLiteral("Cerrada"), QStringLiteral("Anulada"), QString()};
}

std::optional<QSqlRecord> Entorno::leerCabecera(qint64 idCabecera)
{
    return base_.fila(QStringLiteral("SELECT * FROM Cabeceras WHERE IdCabecera = ?"),
                      {idCabecera});
}

std::optional<QSqlRecord> Entorno::leerAgente(const QString& nroAgente)
{
    return base_.fila(QStringLiteral("SELECT * FROM Agentes WHERE Nro_Agente = ?"), {nroAgente});
}

std::optional<QSqlRecord> Entorno::leerSucursal(const QString& nroAgente, const QString& sucursal)
{
    return base_.fila(
        QStringLiteral("SELECT * FROM Sucursales WHERE Nro_Agente = ? AND Sucursal = ?"),
        {nroAgente, sucursal});
}

std::optional<QSqlRecord> Entorno::leerRegimen(const QString& codRegimen)
{
    return base_.fila(QStringLiteral("SELECT * FROM Regimenes WHERE Cod_Regimen = ?"),
                      {codRegimen});
}

void Entorno::Limpiar_Agente_Actual()
{
    setPanel(panel::Agente, QStringLiteral("Agente: (ninguno)"));
    Agente_Actual.reset();
    Limpiar_Sucursal_Actual();
}

void Entorno::Limpiar_Sucursal_Actual()
{
    setPanel(panel::Sucursal, QStringLiteral("Sucursal: (ninguna)"));
    Sucursal_Actual.reset();
    Limpiar_Cabecera_Actual();
}

void Entorno::Limpiar_Cabecera_Actual()
{
    setPanel(panel::Mes, QStringLiteral("Mes: (ninguno)"));
    // The reset writes "Anio" where the start-up writes "Año"; users have always seen both.
    setPanel(panel::Anio, QStringLiteral("Anio: (ninguno)"));
    setPanel(panel::Rectifica, QStringLiteral("R: 00"));
    Cabecera_Actual.reset();
}

QString Entorno::textoAgente(const QString& nroAgente, const QString& razonSocial)
{
    return QStringLiteral("Agente: ") + formatoAgente(nroAgente) + QStringLiteral(" - ")
        + razonSocial;
}

QString Entorno::textoSucursal(const QString& sucursal, const QString& descripcion)
{
    return QStringLiteral("Sucursal: ") + sucursal + QStringLiteral(" - ") + descripcion;
}

QString Entorno::textoRegimen(const QString& codRegimen, const QString& descripcion)
{
    return QStringLiteral("Régimen: ") + codRegimen + QStringLiteral(" - ") + descripcion;
}

void Entorno::mostrarCabecera()
{
    if (!Cabecera_Actual) return;
    setPanel(panel::Anio, QStringLiteral("Año: ") + campo(Cabecera_Actual, "Anio"));
    setPanel(panel::Mes, QStringLiteral("Mes: ") + campo(Cabecera_Actual, "Mes"));
    setPanel(panel::Rectifica, QStringLiteral("R: ") + campo(Cabecera_Actual, "Rectifica"));
}

void Entorno::mostrarAgente()
{
    if (Agente_Actual)
        setPanel(panel::Agente, textoAgente(campo(Agente_Actual, "Nro_Agente"),
                                            campo(Agente_Actual, "Razon_Social")));
}

void Entorno::mostrarSucursal()
{
    if (Sucursal_Actual)
        setPanel(panel::Sucursal, textoSucursal(campo(Sucursal_Actual, "Sucursal"),
                                                campo(Sucursal_Actual, "Descripcion")));
}

void Entorno::mostrarRegimen()
{
    if (Regimen_Actual)
        setPanel(panel::Regimen, textoRegimen(campo(Regimen_Actual, "Cod_Regimen"),
                                              campo(Regimen_Actual, "Descripcion")));
}

QString formatoAgente(const QString& nroAgente)
{
    // Format "00000-0": a numeric text is zero-padded to six digits first.
    QString digitos = nroAgente;
    bool numero = false;
    const qlonglong n = nroAgente.trimmed().toLongLong(&numero);
    if (numero && n >= 0) digitos = QString::number(n).rightJustified(6, QLatin1Char('0'));
    if (digitos.size() < 2) return digitos;
    return digitos.left(digitos.size() - 1) + QLatin1Char('-') + digitos.right(1);
}
