#pragma once
// Every intervention of the declaration the selection names, read from the database, by officer
// (an officer since deleted still shows, by his number) and date: waybill, grain, stamp, sender,
// origin, incoming goods.

#include "platform/impresion.h"
#include "reports/reporte.h"

inline const QString kReporteDetalleIntervenciones = QStringLiteral("DetalleIntervenciones.rpt");

// The interventions of declaration `idCabecera`.
TrabajoImpresion pedidoDetalleIntervenciones(qint64 idCabecera);
std::unique_ptr<Reporte> crearReporteDetalleIntervenciones();
