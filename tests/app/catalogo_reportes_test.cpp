// Every request the forms can make names a report the program's catalogue registers: a request
// the catalogue lacks is only found when a user prints.

#include "app/catalogo_reportes.h"
#include "common/regimenes.h"
#include "declarations/reportes/reporte_boleta.h"
#include "declarations/reportes/reporte_declaracion.h"
#include "details/reporte_listado.h"
#include "entry/reporte_comprobante.h"
#include "police/reportes/reporte_detalle_intervenciones.h"
#include "police/reportes/reporte_intervenciones.h"
#include "police/reportes/reporte_multas.h"
#include "police/reportes/reporte_rendicion.h"
#include "reports/reporte.h"

#include <gtest/gtest.h>
#include <vector>

TEST(CatalogoReportes, RegistraCadaPedido)
{
    std::vector<TrabajoImpresion> pedidos = {
        pedidoBoleta(),        pedidoBoletaTurno(),    pedidoRendicion(),
        pedidoMultas(),        pedidoIntervenciones(), pedidoDetalleIntervenciones(1),
    };
    for (const QString& codigo : codigosRegimenes()) {
        const ReglasRegimen reglas = reglasRegimen(codigo);
        pedidos.push_back(pedidoComprobante(reglas.comprobante));
        if (reglas.comprobanteSinOblea)
            pedidos.push_back(pedidoComprobante(*reglas.comprobanteSinOblea));
        pedidos.push_back(pedidoComprobantesLote(reglas.comprobanteLote));
        pedidos.push_back(pedidoListado(reglas.listadoOtrosImportes, 1));
        pedidos.push_back(pedidoDeclaracion(reglas.declaracion, 1, 0, 0));
    }
    for (const TrabajoImpresion& pedido : pedidos) {
        SCOPED_TRACE(pedido.reporte.toStdString());
        EXPECT_NE(reportesDelPrograma().crear(pedido.reporte), nullptr);
    }
}
