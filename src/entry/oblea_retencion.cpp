#include "entry/oblea_retencion.h"

#include "database/base_datos.h"
#include "database/codigos.h"

bool obleaBienFormada(const QString& oblea)
{
    if (oblea.size() != 8) return false;
    for (qsizetype i = 1; i < oblea.size(); ++i)
        if (oblea[i] < QLatin1Char('0') || oblea[i] > QLatin1Char('9')) return false;
    return true;
}

bool obleaEnUso(BaseDatos& base, const QString& oblea, const std::optional<ClaveRetencion>& excluida)
{
    // Receipt numbers repeat across branches, so a detail row belongs to the receipt of its own
    // declaration and number.
    QString sql = QStringLiteral(
        "SELECT 1 FROM Guias INNER JOIN Retenciones "
        "ON Retenciones.IdCabecera = Guias.IdCabecera "
        "AND Retenciones.Nro_Comprobante = Guias.Nro_Comprobante "
        "WHERE Guias.NroGuia = ? AND Retenciones.Estado <> ?");
    QVariantList valores{oblea, estado_retencion::Anulada};
    if (excluida) {
        sql += QStringLiteral(" AND NOT (Retenciones.IdCabecera = ? "
                              "AND Retenciones.Nro_Comprobante = ?)");
        valores << excluida->idCabecera << excluida->nroComprobante;
    }
    return base.existe(sql + QStringLiteral(" LIMIT 1"), valores);
}
