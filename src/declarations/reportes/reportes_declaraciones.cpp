#include "declarations/reportes/reportes_declaraciones.h"

#include "declarations/reportes/reporte_boleta.h"
#include "declarations/reportes/reporte_declaracion.h"
#include "reports/reporte.h"

void registrarReportesDeclaraciones(CatalogoReportes& c)
{
    for (const bool otrosPagos : {false, true})
        for (const bool saldos : {false, true}) {
            const VarianteDeclaracion variante{.otrosPagos = otrosPagos, .saldos = saldos};
            c.agregar(nombreReporteDeclaracion(variante),
                      [variante] { return crearReporteDeclaracion(variante); });
        }
    c.agregar(kReporteBoleta, &crearReporteBoleta);
}
