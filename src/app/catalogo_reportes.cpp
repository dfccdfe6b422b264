#include "app/catalogo_reportes.h"

#include "declarations/reportes/reportes_declaraciones.h"
#include "details/reportes_detalle.h"
#include "entry/reportes_entrada.h"
#include "police/reportes/reportes_policia.h"

const CatalogoReportes& reportesDelPrograma()
{
    static const CatalogoReportes catalogo = [] {
        CatalogoReportes c;
        registrarReportesEntrada(c);
        registrarReportesDeclaraciones(c);
        registrarReportesDetalle(c);
        registrarReportesPolicia(c);
        return c;
    }();
    return catalogo;
}
