#pragma once
// DDJJ_Multas.rpt: the fines of a police declaration, printed after its police file. The row of
// Tmp_Informe_Turno names the declaration and when the file was written; the report lists every
// fine of the declaration by the officer who collected it (an officer since deleted still shows,
// by his number), with each officer's total and the declaration's.

#include "reports/reporte.h"

std::unique_ptr<Reporte> crearReporteMultas();
