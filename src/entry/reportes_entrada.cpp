#include "entry/reportes_entrada.h"

#include "entry/reporte_comprobante.h"
#include "reports/reporte.h"

void registrarReportesEntrada(CatalogoReportes& c)
{
    c.agregar(QStringLiteral("comprob.rpt"), &crearReporteComprobante);
}
