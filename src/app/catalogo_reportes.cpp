#include "app/catalogo_reportes.h"

#include "declarations/reportes/reportes_declaraciones.h"
#include "details/reportes_detalle.h"
#include "entry/reportes_entrada.h"

const CatalogoReportes& reportesDelPrograma()
{
    static const CatalogoReportes catalogo = [] {
        CatalogoReportes c;
        registrarReportesEntrada(c);
        registrarReportesDeclaraciones(c);
        registrarReportesDetalle(c);
        return c;
    }();
    return catalogo;
}
