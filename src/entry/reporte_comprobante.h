#pragma once
// comprob.rpt: the receipt of a withholding or perception of the general regimes. One copy per row
// of Impresos (the form writes copies 1 and 2), two copies to an A4 sheet, to be cut apart.

#include "reports/reporte.h"

std::unique_ptr<Reporte> crearReporteComprobante();
