#pragma once
// The reports of the program by their file names: the receipt, the printed declaration in its four
// variants and the payment slip. The engine the forms print through is built on this catalogue:
//     MotorReportes motor(base, dialogs, reportesDelPrograma());

#include "platform/reporte.h"

const CatalogoReportes& reportesDelPrograma();
