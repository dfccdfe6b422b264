#include "declarations/retenido_declaracion.h"

#include "database/base_datos.h"
#include "database/codigos.h"
#include "database/filas.h"

RetenidoDeclaracion retenidoDeclaracion(BaseDatos& base, qint64 idCabecera)
{
    RetenidoDeclaracion r;
    r.hayMovimientos = base.existe(
        QStringLiteral("SELECT 1 FROM Retenciones WHERE IdCabecera = ? LIMIT 1"), {idCabecera});

    // The program stores amounts as whole ten-thousandths, and the engine's sum of integers is an
    // integer, exact. Only when some amount is something else (a blank text, a fraction written
    // from outside the program) does the sum come back as a floating-point number.
    const QSqlRecord suma = *base.fila(
        QStringLiteral("SELECT typeof(s), s FROM (SELECT SUM(Importe_Ret) AS s FROM Retenciones "
                       "WHERE IdCabecera = ? AND Estado = ?)"),
        {idCabecera, estado_retencion::Valida});
    if (suma.value(0).toString() != QLatin1String("real")) {
        r.retenido = Importe::desdeDiezmilesimos(suma.value(1).toLongLong());
        return r;
    }
    // Then the whole amounts are summed by the engine and the others read as a receipt's row
    // reads them, so the total is the same to the ten-thousandth whatever the column holds.
    r.retenido = Importe::desdeDiezmilesimos(
        base.valor(QStringLiteral("SELECT COALESCE(SUM(Importe_Ret), 0) FROM Retenciones "
                                  "WHERE IdCabecera = ? AND Estado = ? "
                                  "AND typeof(Importe_Ret) = 'integer'"),
                   {idCabecera, estado_retencion::Valida})
            .toLongLong());
    for (const QSqlRecord& otra : base.filas(
             QStringLiteral("SELECT * FROM Retenciones WHERE IdCabecera = ? AND Estado = ? "
                            "AND typeof(Importe_Ret) NOT IN ('integer', 'null')"),
             {idCabecera, estado_retencion::Valida}))
        r.retenido += retencionDe(otra).importeRet.value_or(Importe());
    return r;
}
