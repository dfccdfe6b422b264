// Receipts of regimes "11" and "12" whose other withholdings merely repeat the receipt's own
// withheld amount have none: the amount is cleared where nothing else accounts for it.

#include "database/base_datos.h"
#include "database/codigos.h"
#include "database/filas.h"
#include "database/revision_otras_retenciones.h"
#include "database/semillas.h"
#include "database/semillas_comun.h"

#include <optional>

namespace {

std::optional<QString> textoOpcional(const QVariant& valor)
{
    if (valor.isNull()) return std::nullopt;
    return valor.toString();
}

// A receipt whose other withholdings equal its withheld amount, with its declaration's agent and
// regime: the columns "c.Nro_Agente, c.Cod_Regimen, c.IdCabecera, b.Nro_Comprobante".
struct ReciboRepetido {
    std::optional<QString> agente;
    QString regimen;
    ClaveRetencion clave;
};

ReciboRepetido reciboRepetidoDe(const QSqlRecord& fila)
{
    return {textoOpcional(fila.value(0)), fila.value(1).toString(),
            {fila.value(2).toLongLong(), fila.value(3).toString()}};
}

// The first detail row of a receipt (the one stored first), by the agent it names.
struct PrimerDetalle {
    std::optional<QString> agente;
};

std::optional<PrimerDetalle> leerPrimerDetalle(BaseDatos& base, const ClaveRetencion& clave)
{
    const auto fila = base.fila(QStringLiteral("SELECT Nro_Agente FROM Guias WHERE IdCabecera = ? "
                                               "AND Nro_Comprobante = ? ORDER BY Nro_clave LIMIT 1"),
                                {clave.idCabecera, clave.nroComprobante});
    if (!fila) return std::nullopt;
    return PrimerDetalle{textoOpcional(fila->value(0))};
}

} // namespace

void corregirOtrasRetenciones(BaseDatos& base, Dialogs& dialogs)
{
    semillas::ejecutar(base, dialogs, [&](QStringList&) {
        for (const char* tabla : {"Cabeceras", "Retenciones", "Retenciones_B", "Guias"})
            if (!semillas::existeTabla(base, QString::fromLatin1(tabla))) return;

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
            {codigo_regimen::Anticipos, codigo_regimen::AnticiposConOblea});

        for (const QSqlRecord& fila : recibos) {
            const ReciboRepetido recibo = reciboRepetidoDe(fila);
            const auto primerDetalle = leerPrimerDetalle(base, recibo.clave);

            bool limpiar = false;
            if (!primerDetalle) {
                limpiar = true;
            } else if (recibo.regimen == codigo_regimen::AnticiposConOblea) {
                // Detail rows of the declaration's own agent do not account for the amount either.
                limpiar = recibo.agente && primerDetalle->agente
                    && *recibo.agente == *primerDetalle->agente;
            }
            if (limpiar)
                base.ejecutar(QStringLiteral("UPDATE Retenciones_B SET Otras_Reten = ? "
                                             "WHERE IdCabecera = ? AND Nro_Comprobante = ?"),
                              {Importe().aColumna(), recibo.clave.idCabecera,
                               recibo.clave.nroComprobante});
        }
        // What was cleared here was noted again by the triggers; it is settled all the same.
        revision_otras_retenciones::vaciar(base);
    });
}
