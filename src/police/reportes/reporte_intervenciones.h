#pragma once
// Intervenciones.rpt: the interventions of a declaration of the police checkpoints, one line per
// officer from Tmp_Intervenciones (file number, name, bank account, interventions and their
// amount), with the declaration's totals.

#include "reports/reporte.h"

std::unique_ptr<Reporte> crearReporteIntervenciones();
