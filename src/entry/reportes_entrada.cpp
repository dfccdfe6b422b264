#include "entry/reportes_entrada.h"

#include "entry/reporte_comprobante.h"
#include "reports/reporte.h"

void registrarReportesEntrada(CatalogoReportes& c)
{
    for (const VarianteComprobante variante :
         {VarianteComprobante::General, VarianteComprobante::Bienes, VarianteComprobante::Obleas,
          VarianteComprobante::Anticipos, VarianteComprobante::AnticiposConOblea,
          VarianteComprobante::AnticiposSinOblea, VarianteComprobante::Policial})
        c.agregar(nombreReporteComprobante(variante),
                  [variante] { return crearReporteComprobante(variante); });
}
