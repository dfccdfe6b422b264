#pragma once
// The receipt of a withholding or perception: comprob.rpt for the general regimes, and the reports
// of the detail-row regimes, which add the receipt's guides, stamps, food concepts or advances
// (detalle_impreso.h). One copy per row of Impresos (the form writes copies 1 and 2), two copies
// to an A4 sheet, to be cut apart, when they fit on half a sheet.

#include "entry/detalle_impreso.h"
#include "reports/reporte.h"

// The selection of a batch printed from the receipts-by-declaration window: its texts name the
// first detail row as that window writes them (detalleComprobanteLote), and each receipt comes in
// four copies.
inline const QString kSeleccionLote = QStringLiteral("Lote");

std::unique_ptr<Reporte> crearReporteComprobante(
    VarianteComprobante variante = VarianteComprobante::General);
