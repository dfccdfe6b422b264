#pragma once
// The detailed rendition of a police shift, from the rows of Tmp_Informe_Turno. The
// shift and its declaration on top; the stamp details (per type A to D: at the start, received by
// remittances, sold, left); then each receipt of the shift with its officer, its stamps and its
// fine, and the totals of the valid ones. A shift still open prints as a draft.

#include "platform/impresion.h"
#include "reports/reporte.h"

inline const QString kReporteRendicion = QStringLiteral("Inf_Turno.rpt");

TrabajoImpresion pedidoRendicion();
std::unique_ptr<Reporte> crearReporteRendicion();
