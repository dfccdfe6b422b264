#pragma once
// The interventions of a declaration of the police checkpoints, one line per
// officer from Tmp_Intervenciones (file number, name, bank account, interventions and their
// amount), with the declaration's totals.

#include "platform/impresion.h"
#include "reports/reporte.h"

inline const QString kReporteIntervenciones = QStringLiteral("Intervenciones.rpt");

TrabajoImpresion pedidoIntervenciones();
std::unique_ptr<Reporte> crearReporteIntervenciones();
