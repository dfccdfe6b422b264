#pragma once
// The listing of a declaration's withholdings and perceptions (Retenc.rpt), and the one of the
// regimes whose receipts carry another amount besides the withheld one (Retenc_b.rpt: the
// advances deducted, or the fine collected at a police checkpoint). The declaration is the one the
// selection names ("IdCabecera"); every receipt is listed, annulled ones marked and totalled apart.

#include "reports/reporte.h"

inline const QString kSeleccionCabecera = QStringLiteral("IdCabecera");

std::unique_ptr<Reporte> crearReporteListado(bool otrosImportes);
