#include "declarations/retenido_declaracion.h"

#include "common/estados.h"
#include "database/base_datos.h"
#include "database/filas.h"

RetenidoDeclaracion retenidoDeclaracion(BaseDatos& base, qint64 idCabecera)
{
    // The program stores amounts as whole ten-thousandths, so the engine's integer sum is exact.
    // Any other value (a blank text, a fraction written by another tool) is counted apart and
    // read as a receipt is read, so the total is the same cent for cent whatever the column holds.
    const QSqlRecord fila = *base.fila(
        QStringLiteral(
            "SELECT COUNT(*), "
            "COALESCE(SUM(CASE WHEN Estado = ? AND typeof(Importe_Ret) = 'integer' "
            "THEN Importe_Ret END), 0), "
            "COUNT(CASE WHEN Estado = ? AND typeof(Importe_Ret) NOT IN ('integer', 'null') "
            "THEN 1 END) "
            "FROM Retenciones WHERE IdCabecera = ?"),
        {estado_retencion::Valida, estado_retencion::Valida, idCabecera});
    RetenidoDeclaracion r;
    r.hayMovimientos = fila.value(0).toLongLong() > 0;
    r.retenido = Importe::desdeDiezmilesimos(fila.value(1).toLongLong());
    if (fila.value(2).toLongLong() == 0) return r;
    for (const QSqlRecord& otra : base.filas(
             QStringLiteral("SELECT * FROM Retenciones WHERE IdCabecera = ? AND Estado = ? "
                            "AND typeof(Importe_Ret) NOT IN ('integer', 'null')"),
             {idCabecera, estado_retencion::Valida}))
        r.retenido += retencionDe(otra).importeRet.value_or(Importe());
    return r;
}
