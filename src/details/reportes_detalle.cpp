#include "details/reportes_detalle.h"

#include "details/reporte_listado.h"

void registrarReportesDetalle(CatalogoReportes& c)
{
    for (const bool otrosImportes : {false, true})
        c.agregar(nombreReporteListado(otrosImportes),
                  [otrosImportes] { return crearReporteListado(otrosImportes); });
}
