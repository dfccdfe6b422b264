#pragma once
// DJurada.rpt and its variants: the paper declaration of a closed month, with the subtotals by rate,
// the totals and counts, the due date, the control code of the declaration file and the
// observation. The variants add the other payments column (regimes "11" and "12") and the agent's
// stamp balances (regimes "10", "12", "13" and "14").

#include "platform/reporte.h"

struct VarianteDeclaracion {
    bool otrosPagos = false;
    bool saldos = false;
};

std::unique_ptr<Reporte> crearReporteDeclaracion(VarianteDeclaracion variante);
