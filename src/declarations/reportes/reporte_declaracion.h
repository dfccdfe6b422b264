#pragma once
// The paper declaration of a closed month, with the subtotals by rate, the totals and counts, the
// due date, the control code of the declaration file and the observation. The variants add the
// other payments column and the agent's stamp balances (the regime table says which regime prints
// which).

#include "common/regimenes.h"
#include "declarations/reportes/texto_declaracion.h"
#include "platform/impresion.h"
#include "reports/reporte.h"

// The file name the catalogue knows a variant's report by.
QString nombreReporteDeclaracion(VarianteDeclaracion variante);

// The declaration `idCabecera`, telling the report the counts of its valid and annulled receipts,
// so that it need not count them, and the stamp balances its coded text was written with, whose
// widths the text does not tell. A declaration the selection does not name is counted.
TrabajoImpresion pedidoDeclaracion(VarianteDeclaracion variante, qint64 idCabecera,
                                   qint64 validos, qint64 anulados,
                                   const SaldosObleas& saldos = {});

std::unique_ptr<Reporte> crearReporteDeclaracion(VarianteDeclaracion variante);
