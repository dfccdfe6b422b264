#include "declarations/reportes/catalogo_reportes.h"

#include "declarations/reportes/reporte_boleta.h"
#include "declarations/reportes/reporte_comprobante.h"
#include "declarations/reportes/reporte_declaracion.h"

const CatalogoReportes& reportesDelPrograma()
{
    static const CatalogoReportes catalogo = [] {
        CatalogoReportes c;
        c.agregar(QStringLiteral("comprob.rpt"), &crearReporteComprobante);
        c.agregar(QStringLiteral("DJurada.rpt"), [] { return crearReporteDeclaracion({}); });
        c.agregar(QStringLiteral("DJurada_b.rpt"),
                  [] { return crearReporteDeclaracion({.otrosPagos = true, .saldos = false}); });
        c.agregar(QStringLiteral("DJurada_b12.rpt"),
                  [] { return crearReporteDeclaracion({.otrosPagos = true, .saldos = true}); });
        c.agregar(QStringLiteral("DJurada_b10.rpt"),
                  [] { return crearReporteDeclaracion({.otrosPagos = false, .saldos = true}); });
        c.agregar(QStringLiteral("bolpago.rpt"), &crearReporteBoleta);
        return c;
    }();
    return catalogo;
}
