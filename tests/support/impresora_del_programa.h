#pragma once
// The printer the program gives its forms, for a fixture: the report engine over every report of
// the program, with no real printer behind it (a print to the printer finds none).
//
//     MotorReportes impresora{base, dialogs, reportesDelPrograma(), ningunaImpresora};

#include "app/catalogo_reportes.h"
#include "reports/motor_reportes.h"

inline QPrinterInfo ningunaImpresora()
{
    return {};
}
