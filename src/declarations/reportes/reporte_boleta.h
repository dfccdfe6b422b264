#pragma once
// The payment slip of a declaration, its three copies "AGENTE", "BANCO" and "ORVALEN" (one per
// row of Impresos) on one A4 sheet, each with the amounts, the interest, the total, the amount in
// words and, on the copy whose row carries it, the barcode the bank reads.

#include "platform/impresion.h"
#include "reports/reporte.h"

inline const QString kReporteBoleta = QStringLiteral("bolpago.rpt");

TrabajoImpresion pedidoBoleta();
std::unique_ptr<Reporte> crearReporteBoleta();

// The deposit slip of a police shift, the same slip for the shift named by the row of
// Tmp_Informe_Turno, its amount split into the stamp fees and the fines it collected.
inline const QString kReporteBoletaTurno = QStringLiteral("Bolpago_parcial.rpt");

TrabajoImpresion pedidoBoletaTurno();
std::unique_ptr<Reporte> crearReporteBoletaTurno();
