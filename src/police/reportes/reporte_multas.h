#pragma once
// The fines of a police declaration, printed after its police file. The row of
// Tmp_Informe_Turno names the declaration and when the file was written; the report lists every
// fine of the declaration by the officer who collected it (an officer since deleted still shows,
// by his number), with each officer's total and the declaration's.

#include "platform/impresion.h"
#include "reports/reporte.h"

inline const QString kReporteMultas = QStringLiteral("DDJJ_Multas.rpt");

TrabajoImpresion pedidoMultas();
std::unique_ptr<Reporte> crearReporteMultas();
