#pragma once
// bolpago.rpt: the payment slip of a declaration, its three copies "AGENTE", "BANCO" and "ORVALEN"
// (one per row of Impresos) on one A4 sheet, each with the amounts, the interest, the total, the
// amount in words and, on the copy whose row carries it, the barcode the bank reads.

#include "reports/reporte.h"

std::unique_ptr<Reporte> crearReporteBoleta();

// Bolpago_parcial.rpt: the deposit slip of a police shift, the same slip for the shift named by
// the row of Tmp_Informe_Turno, its amount split into the stamp fees and the fines it collected.
std::unique_ptr<Reporte> crearReporteBoletaTurno();
