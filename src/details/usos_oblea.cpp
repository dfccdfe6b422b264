#include "details/usos_oblea.h"

#include "database/base_datos.h"
#include "database/codigos.h"

namespace {

// A row of the query below: "g.Nro_clave, g.Nro_Comprobante, g.Nro_porte, <in a valid receipt>".
UsoOblea usoObleaDe(const QSqlRecord& f)
{
    UsoOblea u;
    u.nroClave = f.value(0).toLongLong();
    u.nroComprobante = f.value(1).toString();
    u.nroPorte = f.value(2).toString();
    bool numero = false;
    u.pendiente = u.nroComprobante.trimmed().toLongLong(&numero) == 0 && numero;
    u.enRetencionValida = f.value(3).toBool();
    return u;
}

// Both searches start from the stamp's index, and each row's receipt is found by its key.
std::vector<UsoOblea> usos(BaseDatos& base, const QString& condicion, QVariantList valores,
                           std::optional<qint64> excluida)
{
    QString sql = QStringLiteral(
        "SELECT g.Nro_clave, g.Nro_Comprobante, g.Nro_porte, "
        "CASE WHEN g.IdCabecera = 0 "
        "THEN EXISTS (SELECT 1 FROM Retenciones r WHERE r.Nro_Comprobante = g.Nro_Comprobante "
        "AND r.Estado <> ?) "
        "ELSE EXISTS (SELECT 1 FROM Retenciones r WHERE r.IdCabecera = g.IdCabecera "
        "AND r.Nro_Comprobante = g.Nro_Comprobante AND r.Estado <> ?) END "
        "FROM Guias g WHERE ") + condicion + QStringLiteral(" AND g.Nro_porte <> ''");
    valores.prepend(estado_retencion::Anulada);
    valores.prepend(estado_retencion::Anulada);
    if (excluida) {
        sql += QStringLiteral(" AND g.Nro_clave <> ?");
        valores << *excluida;
    }
    sql += QStringLiteral(" ORDER BY g.Nro_clave");

    std::vector<UsoOblea> encontrados;
    for (const QSqlRecord& f : base.filas(sql, valores)) encontrados.push_back(usoObleaDe(f));
    return encontrados;
}

} // namespace

std::vector<UsoOblea> usosDeOblea(BaseDatos& base, const QString& oblea,
                                  std::optional<qint64> excluida)
{
    return usos(base, QStringLiteral("g.NroGuia = ?"), {oblea}, excluida);
}

std::vector<UsoOblea> usosDeObleaEnDeclaracion(BaseDatos& base, qint64 idCabecera,
                                               const QString& oblea,
                                               std::optional<qint64> excluida)
{
    // The declaration only filters what the stamp's index finds ("+" keeps the planner off the
    // declaration's index, which would read all its rows).
    return usos(base, QStringLiteral("+g.IdCabecera = ? AND g.NroGuia = ?"), {idCabecera, oblea},
                excluida);
}
