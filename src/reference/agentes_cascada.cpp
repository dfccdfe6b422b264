#include "reference/agentes_cascada.h"

#include "database/base_datos.h"
#include "database/codigos.h"
#include "database/filas.h"
#include "database/transaccion.h"

namespace {

const QString kCabecerasDelAgente =
    QStringLiteral("SELECT IdCabecera FROM Cabeceras WHERE Nro_Agente = ?");

} // namespace

void crearSucursalInicial(BaseDatos& base, const QString& nroAgente, const QString& domicilio,
                          const QString& localidad)
{
    base.ejecutar(QStringLiteral("INSERT INTO Sucursales "
                                 "(Nro_Agente, Sucursal, Nro_Comprobante, Descripcion, Localidad) "
                                 "VALUES (?, ?, ?, ?, ?)"),
                  {nroAgente, kSucursalInicial, kSinComprobantes, domicilio.trimmed(),
                   localidad.trimmed()});
}

bool tieneSucursalesEnUso(BaseDatos& base, const QString& nroAgente)
{
    const auto sucursales = base.filas(
        QStringLiteral("SELECT * FROM Sucursales WHERE Nro_Agente = ?"), {nroAgente});
    if (sucursales.empty()) return false;
    return sucursales.size() > 1
        || sucursalDe(sucursales.front()).nroComprobante != kSinComprobantes;
}

bool tieneMovimientos(BaseDatos& base, const QString& nroAgente)
{
    // Detail rows still numbered "0" belong to a receipt that was never saved; the entry forms
    // throw them away themselves, so they do not count as work.
    static const QStringList kConsultas = {
        QStringLiteral("SELECT 1 FROM Retenciones WHERE IdCabecera IN (%1)"),
        QStringLiteral("SELECT 1 FROM Retenciones_B WHERE IdCabecera IN (%1)"),
        QStringLiteral("SELECT 1 FROM Turnos WHERE IdCabecera IN (%1)"),
        QStringLiteral("SELECT 1 FROM Estampillas_Turnos WHERE IdCabecera IN (%1)"),
        QStringLiteral("SELECT 1 FROM Multas_cobradas WHERE IdCabecera IN (%1)"),
        QStringLiteral("SELECT 1 FROM Intervenciones WHERE IdCabecera IN (%1)"),
    };
    for (const QString& consulta : kConsultas)
        if (base.existe(consulta.arg(kCabecerasDelAgente), {nroAgente})) return true;
    return base.existe(
        QStringLiteral("SELECT 1 FROM Guias WHERE Nro_Comprobante <> ? AND IdCabecera IN (%1)")
            .arg(kCabecerasDelAgente),
        {kComprobantePendiente, nroAgente});
}

void borrarAgente(BaseDatos& base, const QString& nroAgente)
{
    Transaccion transaccion(base);
    base.ejecutar(QStringLiteral("DELETE FROM Guias WHERE Nro_Comprobante = ? AND IdCabecera IN (")
                      + kCabecerasDelAgente + QLatin1Char(')'),
                  {kComprobantePendiente, nroAgente});
    base.ejecutar(QStringLiteral("DELETE FROM Cabeceras WHERE Nro_Agente = ?"), {nroAgente});
    base.ejecutar(QStringLiteral("DELETE FROM Sucursales WHERE Nro_Agente = ?"), {nroAgente});
    base.ejecutar(QStringLiteral("DELETE FROM Agentes WHERE Nro_Agente = ?"), {nroAgente});
    transaccion.confirmar();
}
