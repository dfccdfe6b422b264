#pragma once
// DJurada.rpt and its variants: the paper declaration of a closed month, with the subtotals by rate,
// the totals and counts, the due date, the control code of the declaration file and the
// observation. The variants add the other payments column and the agent's stamp balances (the
// regime table says which regime prints which).

#include "declarations/reportes/texto_declaracion.h"
#include "reports/reporte.h"

struct VarianteDeclaracion {
    bool otrosPagos = false;
    bool saldos = false;
};

std::unique_ptr<Reporte> crearReporteDeclaracion(VarianteDeclaracion variante);

// The selection that tells the report the counts of valid and annulled receipts of declaration
// `idCabecera`, so that it need not count them (a declaration it is not told about is counted),
// and the stamp balances its coded text was written with, whose widths the text does not tell.
QVariantMap conteosDeclaracion(qint64 idCabecera, qint64 validos, qint64 anulados,
                               const SaldosObleas& saldos = {});
