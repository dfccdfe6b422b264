#include "entry/detalle_pendiente.h"

#include "database/base_datos.h"
#include "database/codigos.h"

void borrarDetallePendiente(BaseDatos& base)
{
    base.ejecutar(QStringLiteral("DELETE FROM Guias WHERE Nro_Comprobante = ?"),
                  {kComprobantePendiente});
}

void numerarDetallePendiente(BaseDatos& base, const ClaveRetencion& clave)
{
    base.ejecutar(QStringLiteral("UPDATE Guias SET Nro_Comprobante = ?, IdCabecera = ? "
                                 "WHERE Nro_Comprobante = ?"),
                  {clave.nroComprobante, clave.idCabecera, kComprobantePendiente});
}

namespace {

// A row of "Guias.NroGuia, Tipos.Descripcion, Tipos.Tipo": the description only when the type
// exists.
ObleaPendiente obleaPendienteDe(const QSqlRecord& fila)
{
    ObleaPendiente o{fila.value(0).toString(), std::nullopt};
    if (!fila.value(2).isNull()) o.descripcion = fila.value(1).toString();
    return o;
}

} // namespace

std::vector<ObleaPendiente> obleasPendientes(BaseDatos& base, int clase)
{
    std::vector<ObleaPendiente> obleas;
    for (const QSqlRecord& fila :
         base.filas(QStringLiteral("SELECT Guias.NroGuia, Tipos.Descripcion, Tipos.Tipo FROM Guias "
                                   "LEFT JOIN Tipos ON Tipos.Clase = ? AND Tipos.Tipo = Guias.Tipo "
                                   "WHERE Guias.Nro_Comprobante = ? ORDER BY Guias.Nro_clave"),
                    {clase, kComprobantePendiente}))
        obleas.push_back(obleaPendienteDe(fila));
    return obleas;
}
