#pragma once
// The stamp counts of a police shift, per stamp type: the stamps the shift began with, those that
// arrived by remittances during it, those sold on its receipts and those left. One rule gives the
// figures the finish shows, those it stores and those of a shift still open, wherever they are
// asked for. Only reads.
//
// A shift's stamps are those of the agent of its declaration: its remittances, and the initial
// count carried over from that agent's previous shift.

#include "database/filas.h"
#include "database/importe.h"

#include <QChar>
#include <QString>
#include <QVariantList>
#include <vector>

class BaseDatos;

// The stamp types (`Tipos` of the regime's goods class): type n is the letter "A" + n - 1.
struct TipoEstampilla {
    int tipo = 0;
    QString descripcion;
    Importe valor;  // the fee of one stamp
};
std::vector<TipoEstampilla> tiposEstampilla(BaseDatos& base, int clase);
QChar letraEstampilla(int tipo);

struct ConteoEstampillas {
    bool conFila = false;   // the shift has a count row of the type
    qint64 inicial = 0;     // stored when the shift started; 0 without a row
    qint64 nuevas = 0;      // remitted to the agent after the start instant
    qint64 vendidas = 0;    // stamp rows on the shift's valid receipts that carry its fine
    qint64 final = 0;       // inicial + nuevas - vendidas; may be negative
};

ConteoEstampillas contarEstampillas(BaseDatos& base, const Turno& turno, int tipo);

// The stamps sold in a shift, as a condition on `Guias` and its values: the rows numbered with a
// stamp letter on the valid receipts of the shift's declaration whose fine is filed under the
// shift. A row is one stamp, however many receipts of its number the declaration holds.
struct CondicionGuias {
    QString donde;
    QVariantList valores;
};
CondicionGuias estampillasVendidas(const Turno& turno);

// The count of type `tipo` a new shift of agent `agente` starts with: what the agent's latest
// shift with a count of that type has left (its live count when it is still open); without one,
// the size of the agent's latest remittance of the type's letter; without that, 0.
qint64 cantidadInicial(BaseDatos& base, const QString& agente, int tipo);

// The agent of a shift's declaration; "" when the declaration is not there.
QString agenteDelTurno(BaseDatos& base, const Turno& turno);
