#include "police/reportes/reportes_policia.h"

#include "declarations/reportes/reporte_boleta.h"
#include "police/reportes/reporte_detalle_intervenciones.h"
#include "police/reportes/reporte_intervenciones.h"
#include "police/reportes/reporte_multas.h"
#include "police/reportes/reporte_rendicion.h"
#include "reports/reporte.h"

void registrarReportesPolicia(CatalogoReportes& c)
{
    c.agregar(kReporteRendicion, &crearReporteRendicion);
    c.agregar(kReporteBoletaTurno, &crearReporteBoletaTurno);
    c.agregar(kReporteDetalleIntervenciones, &crearReporteDetalleIntervenciones);
    c.agregar(kReporteMultas, &crearReporteMultas);
    c.agregar(kReporteIntervenciones, &crearReporteIntervenciones);
}
