// Receipts of regimes "11" and "12" whose other withholdings merely repeat the receipt's own
// withheld amount have none: the amount is cleared where nothing else accounts for it.

#include "database/base_datos.h"
#include "database/semillas.h"
#include "database/semillas_comun.h"

void Corregir_Otras_Retenciones(BaseDatos& base, Dialogs& dialogs)
{
    semillas::ejecutar(base, dialogs, [&](QStringList&) {
        for (const char* tabla : {"Cabeceras", "Retenciones", "Retenciones_B", "Guias"})
            if (!semillas::existeTabla(base, QString::fromLatin1(tabla))) return;

        const QString regimen11 = QStringLiteral("11");
        const QString regimen12 = QStringLiteral("12");
        const auto recibos = base.filas(
            QStringLiteral(
                "SELECT c.Nro_Agente, c.Cod_Regimen, c.IdCabecera, b.Nro_Comprobante "
                "FROM Cabeceras c "
                "JOIN Retenciones r ON r.IdCabecera = c.IdCabecera "
                "JOIN Retenciones_B b ON b.IdCabecera = c.IdCabecera "
                " AND b.Nro_Comprobante = r.Nro_Comprobante AND b.Otras_Reten = r.Importe_Ret "
                "WHERE (c.Cod_Regimen = ? AND b.Otras_Reten <> 0) OR c.Cod_Regimen = ?"),
            {regimen11, regimen12});

        for (const QSqlRecord& recibo : recibos) {
            const QVariant agente = recibo.value(0);
            const QString regimen = recibo.value(1).toString();
            const QVariant cabecera = recibo.value(2);
            const QVariant comprobante = recibo.value(3);

            // The first detail row is the one stored first.
            const auto primerDetalle = base.fila(
                QStringLiteral("SELECT Nro_Agente FROM Guias WHERE IdCabecera = ? "
                               "AND Nro_Comprobante = ? ORDER BY Nro_clave LIMIT 1"),
                {cabecera, comprobante});

            bool limpiar = false;
            if (!primerDetalle) {
                limpiar = true;
            } else if (regimen == regimen12) {
                // Detail rows of the declaration's own agent do not account for the amount either.
                const QVariant agenteDetalle = primerDetalle->value(0);
                limpiar = !agente.isNull() && !agenteDetalle.isNull()
                    && agente.toString() == agenteDetalle.toString();
            }
            if (limpiar)
                base.ejecutar(QStringLiteral("UPDATE Retenciones_B SET Otras_Reten = ? "
                                             "WHERE IdCabecera = ? AND Nro_Comprobante = ?"),
                              {Importe().aColumna(), cabecera, comprobante});
        }
    });
}
