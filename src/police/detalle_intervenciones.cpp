#include "police/detalle_intervenciones.h"

#include "common/contexto.h"
#include "database/entorno.h"
#include "platform/dialogos_impresion.h"
#include "police/reportes/reporte_detalle_intervenciones.h"

void imprimirDetalleIntervenciones(Contexto& contexto)
{
    imprimirDetalleIntervenciones(contexto, contexto.impresora);
}

void imprimirDetalleIntervenciones(Contexto& contexto, Impresora& impresora)
{
    // The menu item is enabled only while a declaration is active.
    if (!contexto.entorno.cabeceraActual()) return;
    if (!confirmarImpresion(contexto.dialogs)) return;
    imprimirReporte(contexto.dialogs, impresora,
                    pedidoDetalleIntervenciones(contexto.entorno.idCabecera()));
}
