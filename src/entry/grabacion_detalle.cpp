#include "entry/grabacion_detalle.h"

#include "database/base_datos.h"
#include "entry/detalle_pendiente.h"

namespace {

void guardarOtrasRetenciones(BaseDatos& base, const ClaveRetencion& clave, Importe otras)
{
    base.ejecutar(QStringLiteral("INSERT INTO Retenciones_B (IdCabecera, Nro_Comprobante, "
                                 "Otras_Reten) VALUES (?, ?, ?) "
                                 "ON CONFLICT (IdCabecera, Nro_Comprobante) "
                                 "DO UPDATE SET Otras_Reten = excluded.Otras_Reten"),
                  {clave.idCabecera, clave.nroComprobante, otras.aColumna()});
}

} // namespace

ClaveRetencion grabarRetencionConDetalle(Entorno& entorno, const DatosRetencion& datos,
                                         std::optional<Importe> otrasRetenciones)
{
    return grabarRetencionNueva(entorno, datos, [&](BaseDatos& base, const ClaveRetencion& clave) {
        // The one receipt being entered owns every pending row.
        numerarDetallePendiente(base, clave);
        if (otrasRetenciones) guardarOtrasRetenciones(base, clave, *otrasRetenciones);
    });
}

void grabarCorreccionConDetalle(Entorno& entorno, const ClaveRetencion& clave,
                                const DatosRetencion& datos,
                                std::optional<Importe> otrasRetenciones)
{
    grabarCorreccion(entorno, clave, datos, [&](BaseDatos& base, const ClaveRetencion& c) {
        if (otrasRetenciones) guardarOtrasRetenciones(base, c, *otrasRetenciones);
    });
}
