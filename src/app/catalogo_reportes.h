#pragma once
// Every report of the program by its file name: each subsystem registers its own here. The printer
// the forms print through (Contexto::impresora) is the report engine over this catalogue:
//     MotorReportes motor(base, dialogs, reportesDelPrograma());

#include "reports/reporte.h"

const CatalogoReportes& reportesDelPrograma();
