#include "entry/reportes_entrada.h"

#include "entry/reporte_comprobante.h"
#include "reports/reporte.h"

void registrarReportesEntrada(CatalogoReportes& c)
{
    const std::pair<const char*, VarianteComprobante> comprobantes[] = {
        {"comprob.rpt", VarianteComprobante::General},
        {"comprob_09.rpt", VarianteComprobante::Bienes},
        {"comprob_10.rpt", VarianteComprobante::Obleas},
        {"comprob_11.rpt", VarianteComprobante::Anticipos},
        {"comprob_12.rpt", VarianteComprobante::AnticiposConOblea},
        {"comprob_12b.rpt", VarianteComprobante::AnticiposSinOblea},
        {"comprob_13.rpt", VarianteComprobante::Policial},
    };
    for (const auto& [archivo, variante] : comprobantes)
        c.agregar(QString::fromLatin1(archivo),
                  [v = variante] { return crearReporteComprobante(v); });
}
