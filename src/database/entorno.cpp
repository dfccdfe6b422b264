#include "database/entorno.h"

#include "database/base_datos.h"

#include <QLocale>

Entorno::Entorno(BaseDatos& base, QObject* parent) : QObject(parent), base_(base)
{
    cargarValoresFijos();
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
    const auto primera = base_.fila(QStringLiteral("SELECT * FROM Sucursales WHERE Nro_Agente = ? "
                                                   "ORDER BY Nro_Agente, Sucursal LIMIT 1"),
                                    {nroAgente});
    if (!primera) {
        quitarSucursal();
    } else {
        sucursal_ = sucursalDe(*primera);
        quitarCabecera();
    }
    Q_EMIT cambiado();
}

void Entorno::activarSucursal(const QString& sucursal)
{
    quitarCabecera();
    sucursal_ = leerSucursal(base_, agente(), sucursal);
    if (!sucursal_) quitarSucursal();
    Q_EMIT cambiado();
}

void Entorno::activarRegimen(const QString& codRegimen)
{
    quitarCabecera();
    // The list showed it a moment ago; when it is gone, the regime there was stays.
    if (auto regimen = leerRegimen(base_, codRegimen)) regimen_ = std::move(regimen);
    Q_EMIT cambiado();
}

bool Entorno::activarCabecera(qint64 idCabecera)
{
    cabecera_ = leerCabecera(base_, idCabecera);
    if (!cabecera_) quitarCabecera();
    Q_EMIT cambiado();
    return cabecera_.has_value();
}

void Entorno::restaurar(std::optional<qint64> idCabecera, const QString& agente,
                        const QString& sucursal, const QString& regimen)
{
    // Nothing of the environment there was stays, whatever is not found now.
    cabecera_.reset();
    agente_.reset();
    sucursal_.reset();
    regimen_.reset();
    Q_EMIT restaurado();
    QString nroAgente = agente;
    QString nroSucursal = sucursal;
    QString codRegimen = regimen;
    if (idCabecera) cabecera_ = leerCabecera(base_, *idCabecera);
    if (cabecera_) {
        // The declaration's own agent, branch and regime win over the others.
        nroAgente = cabecera_->nroAgente;
        nroSucursal = cabecera_->sucursal;
        codRegimen = cabecera_->codRegimen;
    }
    agente_ = leerAgente(base_, nroAgente);
    sucursal_ = leerSucursal(base_, nroAgente, nroSucursal);
    regimen_ = leerRegimen(base_, codRegimen);
    Q_EMIT cambiado();
}

void Entorno::releerAgente()
{
    if (!agente_) return;
    agente_ = leerAgente(base_, agente_->nroAgente);
    if (!agente_) quitarAgente();
    Q_EMIT cambiado();
}

void Entorno::releerSucursal()
{
    if (!sucursal_) return;
    sucursal_ = leerSucursal(base_, sucursal_->nroAgente, sucursal_->sucursal);
    if (!sucursal_) quitarSucursal();
    Q_EMIT cambiado();
}

void Entorno::releerCabecera()
{
    if (cabecera_) activarCabecera(cabecera_->idCabecera);
}

// ---- The resets.

void Entorno::quitarAgente()
{
    agente_.reset();
    quitarSucursal();
}

void Entorno::quitarSucursal()
{
    sucursal_.reset();
    quitarCabecera();
}

void Entorno::quitarCabecera()
{
    cabecera_.reset();
    Q_EMIT cabeceraQuitada();
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
