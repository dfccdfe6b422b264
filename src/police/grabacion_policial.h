#pragma once
// Saving a receipt of the police checkpoints: the receipt under the branch's next number, its
// pending stamp rows given that number, and its fine filed under the declaration's open shift, in
// one transaction. A police receipt is final: it is never corrected nor annulled.

#include "database/filas.h"
#include "database/importe.h"

#include <QDate>
#include <QString>
#include <QTime>
#include <stdexcept>

class Entorno;

struct DatosRetencionPolicial {
    QString nroContrib;  // ten digits
    QString dia;         // two digits
    QString nroX;        // external receipt number, "0" for none
    Importe importe;     // the total of the receipt's stamps: its gross and withheld amount
    qint64 codPolicia = 0;
    Importe multa;
};

// The declaration has no open shift to file the fine under.
class SinTurnoAbierto : public std::runtime_error {
public:
    SinTurnoAbierto();
};

// A new receipt of the active declaration, collected at `fecha` and `hora`. The first receipt of a
// declaration makes it "Abierta"; the environment's branch and declaration are read again.
// Throws SinTurnoAbierto, NumeracionAgotada or ErrorMotor, with nothing written.
ClaveRetencion grabarRetencionPolicial(Entorno& entorno, const DatosRetencionPolicial& datos,
                                       const QDate& fecha, const QTime& hora);
