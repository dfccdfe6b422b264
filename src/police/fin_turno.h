#pragma once
// Finishing a police shift at a given instant: per stamp type its counts are stored (new by
// remittances, sold, final), and the shift gets its end and its totals: the fees of the stamps
// sold and the fines due on them. One transaction: everything lands or nothing does.

#include "database/importe.h"

#include <QDate>
#include <QTime>
#include <optional>

class BaseDatos;

struct TotalesTurno {
    Importe estampillas;  // stamps sold times their fee
    Importe multas;       // the fine percentage of the regime on that value
};

// The totals stored; nothing, with nothing written, when the shift is not there or is no longer
// open. Throws ErrorMotor, with nothing written.
std::optional<TotalesTurno> finalizarTurno(BaseDatos& base, qint64 codTurno, const QDate& fecha,
                                           const QTime& hora);
