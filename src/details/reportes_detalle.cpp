#include "details/reportes_detalle.h"

#include "details/reporte_listado.h"

void registrarReportesDetalle(CatalogoReportes& c)
{
    c.agregar(QStringLiteral("Retenc.rpt"), [] { return crearReporteListado(false); });
    c.agregar(QStringLiteral("Retenc_b.rpt"), [] { return crearReporteListado(true); });
}
