#include "declarations/reportes/reportes_declaraciones.h"

#include "declarations/reportes/reporte_boleta.h"
#include "declarations/reportes/reporte_declaracion.h"
#include "reports/reporte.h"

void registrarReportesDeclaraciones(CatalogoReportes& c)
{
    c.agregar(QStringLiteral("DJurada.rpt"), [] { return crearReporteDeclaracion({}); });
    c.agregar(QStringLiteral("DJurada_b.rpt"),
              [] { return crearReporteDeclaracion({.otrosPagos = true, .saldos = false}); });
    c.agregar(QStringLiteral("DJurada_b12.rpt"),
              [] { return crearReporteDeclaracion({.otrosPagos = true, .saldos = true}); });
    c.agregar(QStringLiteral("DJurada_b10.rpt"),
              [] { return crearReporteDeclaracion({.otrosPagos = false, .saldos = true}); });
    c.agregar(QStringLiteral("bolpago.rpt"), &crearReporteBoleta);
}
