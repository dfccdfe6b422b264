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

} // namespace

Entorno::Entorno(BaseDatos& base, QObject* parent) : QObject(parent), base_(base)
{
    cargarValoresFijos();
    for (int i = 0; i < 6; ++i) paneles_[i] = textoInicial(kClaves[i]);
}

QString Entorno::agente() const { return agente_ ? agente_->nroAgente : QString(); }
QString Entorno::sucursal() const { return sucursal_ ? sucursal_->sucursal : QString(); }
QString Entorno::regimen() const { return regimen_ ? regimen_->codRegimen : QString(); }
qint64 Entorno::idCabecera() const { return cabecera_ ? cabecera_->idCabecera : 0; }

bool Entorno::esCabeceraActual(qint64 idCabecera) const
{
    return cabecera_ && cabecera_->idCabecera == idCabecera;
}

void Entorno::cargarValoresFijos()
{
    const QString cero = QLocale().toString(0.0, 'f', 2);
    separadorDecimal_ = cero.size() >= 3 ? cero.at(cero.size() - 3) : QLatin1Char('.');
    nombresMeses_ = {QStringLiteral("Enero"),   QStringLiteral("Febrero"),
                     QStringLiteral("Marzo"),   QStringLiteral("Abril"),
                     QStringLiteral("Mayo"),    QStringLiteral("Junio"),
                     QStringLiteral("Julio"),   QStringLiteral("Agosto"),
                     QStringLiteral("Setiembre"), QStringLiteral("Octubre"),
                     QStringLiteral("Noviembre"), QStringLiteral("Diciembre")};
}

QString Entorno::nombreMes(const QString& mes) const
{
    const int m = mes.toInt();
    return m >= 1 && m <= nombresMeses_.size() ? nombresMeses_.at(m - 1) : QString();
}

// ---- Choosing.

void Entorno::activarAgente(const QString& nroAgente)
{
    agente_ = leerAgente(base_, nroAgente);
    if (!agente_) {
        // The row went away meanwhile: nothing is active rather than a stale agent.
        quitarAgente();
        Q_EMIT cambiado();
        return;
    }
    mostrarAgente();
    const auto primera = base_.fila(QStringLiteral("SELECT * FROM Sucursales WHERE Nro_Agente = ? "
                                                   "ORDER BY Nro_Agente, Sucursal LIMIT 1"),
                                    {nroAgente});
    if (!primera) {
        quitarSucursal();
    } else {
        sucursal_ = sucursalDe(*primera);
        mostrarSucursal();
        quitarCabecera();
    }
    Q_EMIT cambiado();
}

void Entorno::activarSucursal(const QString& sucursal)
{
    quitarCabecera();
    sucursal_ = leerSucursal(base_, agente(), sucursal);
    if (sucursal_)
        mostrarSucursal();
    else
        quitarSucursal();
    Q_EMIT cambiado();
}

void Entorno::activarRegimen(const QString& codRegimen)
{
    quitarCabecera();
    // The list showed it a moment ago; when it is gone, the regime there was stays.
    if (auto regimen = leerRegimen(base_, codRegimen)) {
        regimen_ = std::move(regimen);
        mostrarRegimen();
    }
    Q_EMIT cambiado();
}

bool Entorno::activarCabecera(qint64 idCabecera)
{
    cabecera_ = leerCabecera(base_, idCabecera);
    if (cabecera_)
        mostrarCabecera();
    else
        quitarCabecera();
    Q_EMIT cambiado();
    return cabecera_.has_value();
}

void Entorno::restaurar(std::optional<qint64> idCabecera, const QString& agente,
                        const QString& sucursal, const QString& regimen)
{
    // A value not found must not leave the text of an earlier one on the panels.
    panelesIniciales();
    QString nroAgente = agente;
    QString nroSucursal = sucursal;
    QString codRegimen = regimen;
    cabecera_.reset();
    if (idCabecera) cabecera_ = leerCabecera(base_, *idCabecera);
    if (cabecera_) {
        // The declaration's own agent, branch and regime win over the others.
        nroAgente = cabecera_->nroAgente;
        nroSucursal = cabecera_->sucursal;
        codRegimen = cabecera_->codRegimen;
        mostrarCabecera();
    }
    agente_ = leerAgente(base_, nroAgente);
    mostrarAgente();
    sucursal_ = leerSucursal(base_, nroAgente, nroSucursal);
    mostrarSucursal();
    regimen_ = leerRegimen(base_, codRegimen);
    mostrarRegimen();
    Q_EMIT cambiado();
}

void Entorno::releerAgente()
{
    if (!agente_) return;
    agente_ = leerAgente(base_, agente_->nroAgente);
    if (agente_)
        mostrarAgente();
    else
        quitarAgente();
    Q_EMIT cambiado();
}

void Entorno::releerSucursal()
{
    if (!sucursal_) return;
    sucursal_ = leerSucursal(base_, sucursal_->nroAgente, sucursal_->sucursal);
    if (sucursal_)
        mostrarSucursal();
    else
        quitarSucursal();
    Q_EMIT cambiado();
}

void Entorno::releerCabecera()
{
    if (cabecera_) activarCabecera(cabecera_->idCabecera);
}

// ---- The resets.

void Entorno::quitarAgente()
{
    setPanel(panel::Agente, QStringLiteral("Agente: (ninguno)"));
    agente_.reset();
    quitarSucursal();
}

void Entorno::quitarSucursal()
{
    setPanel(panel::Sucursal, QStringLiteral("Sucursal: (ninguna)"));
    sucursal_.reset();
    quitarCabecera();
}

void Entorno::quitarCabecera()
{
    setPanel(panel::Mes, QStringLiteral("Mes: (ninguno)"));
    // The reset writes "Anio" where the start-up writes "Año": the status bar shows the year's
    // panel with either caption, depending on which of the two last wrote it.
    setPanel(panel::Anio, QStringLiteral("Anio: (ninguno)"));
    setPanel(panel::Rectifica, QStringLiteral("R: 00"));
    cabecera_.reset();
}

void Entorno::limpiarAgenteActual()
{
    quitarAgente();
    Q_EMIT cambiado();
}

void Entorno::limpiarSucursalActual()
{
    quitarSucursal();
    Q_EMIT cambiado();
}

void Entorno::limpiarCabeceraActual()
{
    quitarCabecera();
    Q_EMIT cambiado();
}

// ---- The panels.

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
}

void Entorno::panelesIniciales()
{
    for (const QString& clave : kClaves) setPanel(clave, textoInicial(clave));
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
    if (!cabecera_) return;
    setPanel(panel::Anio, QStringLiteral("Año: ") + cabecera_->anio);
    setPanel(panel::Mes, QStringLiteral("Mes: ") + cabecera_->mes);
    setPanel(panel::Rectifica, QStringLiteral("R: ") + cabecera_->rectifica);
}

void Entorno::mostrarAgente()
{
    if (agente_) setPanel(panel::Agente, textoAgente(agente_->nroAgente, agente_->razonSocial));
}

void Entorno::mostrarSucursal()
{
    if (sucursal_)
        setPanel(panel::Sucursal, textoSucursal(sucursal_->sucursal, sucursal_->descripcion));
}

void Entorno::mostrarRegimen()
{
    if (regimen_)
        setPanel(panel::Regimen, textoRegimen(regimen_->codRegimen, regimen_->descripcion));
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
