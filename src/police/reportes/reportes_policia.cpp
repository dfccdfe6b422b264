#include "police/reportes/reportes_policia.h"

#include "declarations/reportes/reporte_boleta.h"
#include "police/reportes/reporte_detalle_intervenciones.h"
#include "police/reportes/reporte_intervenciones.h"
#include "police/reportes/reporte_multas.h"
#include "police/reportes/reporte_rendicion.h"
#include "reports/reporte.h"

void registrarReportesPolicia(CatalogoReportes& c)
{
    c.agregar(QStringLiteral("Inf_Turno.rpt"), &crearReporteRendicion);
    c.agregar(QStringLiteral("Bolpago_parcial.rpt"), &crearReporteBoletaTurno);
    c.agregar(QStringLiteral("DetalleIntervenciones.rpt"), &crearReporteDetalleIntervenciones);
    c.agregar(QStringLiteral("DDJJ_Multas.rpt"), &crearReporteMultas);
    c.agregar(QStringLiteral("Intervenciones.rpt"), &crearReporteIntervenciones);
}
