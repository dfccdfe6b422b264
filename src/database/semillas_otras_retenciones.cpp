// Receipts of regimes "11" and "12" whose other withholdings merely repeat the receipt's own
// withheld amount have none: the amount is cleared where nothing else accounts for it.

#include "database/base_datos.h"
#include "database/revision_otras_retenciones.h"
#include "database/semillas.h"
#include "database/semillas_comun.h"

void Corregir_Otras_Retenciones(BaseDatos& base, Dialogs& dialogs)
{
    semillas::ejecutar(base, dialogs, [&](QStringList&) {
        for (const char* tabla : {"Cabeceras", "Retenciones", "Retenciones_B", "Guias"})
            if (!semillas::existeTabla(base, QString::fromLatin1(tabla))) return;

        const QString regimen11 = QStringLiteral("11");
        const QString regimen12 = QStringLiteral("12");
        // This runs at every start, so it reads only the rows that hold other withholdings (a
        // small index) and looks each receipt up by its key and amount. A row of "12" holding
        // none would only be cleared again, so it is not read. Once the triggers that note
        // changes are in place, only the declarations changed since the last start are read.
        using revision_otras_retenciones::Alcance;
        const QString desde =
            revision_otras_retenciones::prepararRevision(base) == Alcance::Cambiadas
            ? QStringLiteral("FROM Revisar_Otras_Reten p CROSS JOIN Retenciones_B b "
                             "ON b.IdCabecera = p.IdCabecera ")
            : QStringLiteral("FROM Retenciones_B b ");
        const auto recibos = base.filas(
            QStringLiteral("SELECT c.Nro_Agente, c.Cod_Regimen, c.IdCabecera, b.Nro_Comprobante ")
                + desde
                + QStringLiteral(
                    "CROSS JOIN Retenciones r ON r.IdCabecera = b.IdCabecera "
                    " AND r.Nro_Comprobante = b.Nro_Comprobante AND r.Importe_Ret = b.Otras_Reten "
                    "CROSS JOIN Cabeceras c ON c.IdCabecera = b.IdCabecera "
                    "WHERE b.Otras_Reten <> 0 AND c.Cod_Regimen IN (?, ?)"),
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
        // What was cleared here was noted again by the triggers; it is settled all the same.
        revision_otras_retenciones::vaciar(base);
    });
}
