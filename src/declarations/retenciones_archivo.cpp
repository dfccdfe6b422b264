#include "declarations/retenciones_archivo.h"

#include "database/base_datos.h"
#include "database/filas.h"

#include <iterator>

namespace {

// The columns the query selects after the withholding's own fields, in this order.
constexpr int kCuit = int(std::size(kCamposRetencion));
constexpr int kCodTipo = kCuit + 1;
constexpr int kOtras = kCuit + 2;

// Other withholdings belong to one receipt of this declaration: receipt numbers repeat across
// branches.
QString sqlRetencionesDelArchivo()
{
    return QStringLiteral("SELECT ") + camposRetencion(QStringLiteral("Retenciones."))
        + QStringLiteral(", Contribuyentes.CUIT, Contribuyentes.Cod_Tipo, "
                         "Retenciones_B.Otras_Reten "
                         "FROM Retenciones LEFT JOIN Contribuyentes "
                         "ON Retenciones.Nro_Contrib = Contribuyentes.Nro_Contrib "
                         "LEFT JOIN Retenciones_B "
                         "ON Retenciones_B.IdCabecera = Retenciones.IdCabecera "
                         "AND Retenciones_B.Nro_Comprobante = Retenciones.Nro_Comprobante "
                         "WHERE Retenciones.IdCabecera = ? "
                         "ORDER BY Retenciones.Alicuota DESC, Retenciones.rowid");
}

RetencionDelArchivo retencionDelArchivoDe(const QSqlQuery& consulta)
{
    const QVariant otras = consulta.value(kOtras);
    return {retencionDe(consulta, 0), consulta.value(kCuit).toString(),
            consulta.value(kCodTipo).toString(),
            otras.isNull() ? std::nullopt : std::optional(Importe::desdeColumna(otras))};
}

} // namespace

void recorrerRetencionesDelArchivo(BaseDatos& base, qint64 idCabecera,
                                   const std::function<void(const RetencionDelArchivo&)>& hacer)
{
    base.recorrer(sqlRetencionesDelArchivo(), {idCabecera},
                  [&](const QSqlQuery& consulta) { hacer(retencionDelArchivoDe(consulta)); });
}
