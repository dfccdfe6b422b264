#pragma once
// The receipt of a withholding or perception: one report for the general regimes, and one for each
// detail-row variant, which adds the receipt's guides, stamps, food concepts or advances
// (detalle_impreso.h). One copy per row of Impresos (the form writes copies 1 and 2), two copies
// to an A4 sheet, to be cut apart, when they fit on half a sheet.

#include "entry/detalle_impreso.h"
#include "platform/impresion.h"
#include "reports/reporte.h"

// The file name the catalogue knows a variant's report by.
QString nombreReporteComprobante(VarianteComprobante variante);

// The receipt printed from an entry form.
TrabajoImpresion pedidoComprobante(VarianteComprobante variante);

// A batch printed from the receipts-by-declaration window: its texts name the first detail row as
// that window writes them (detalleComprobanteLote), and each receipt comes in four copies.
TrabajoImpresion pedidoComprobantesLote(VarianteComprobante variante);

std::unique_ptr<Reporte> crearReporteComprobante(
    VarianteComprobante variante = VarianteComprobante::General);
