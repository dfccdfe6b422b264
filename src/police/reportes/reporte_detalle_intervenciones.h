#pragma once
// DetalleIntervenciones.rpt: every intervention of the declaration the selection names
// ("IdCabecera"), read from the database, by officer (an officer since deleted still shows, by
// his number) and date: waybill, grain, stamp, sender, origin, incoming goods.

#include "reports/reporte.h"

std::unique_ptr<Reporte> crearReporteDetalleIntervenciones();
