#pragma once
// What a declaration's receipts withheld, as its payment slip needs it: whether it has any receipt
// at all and the sum over the valid ones. Summed by the engine from an index, so a month of any
// size costs the same memory and no receipt is read.

#include "database/importe.h"

#include <QtGlobal>

class BaseDatos;

struct RetenidoDeclaracion {
    bool hayMovimientos = false;  // any receipt, valid or annulled
    Importe retenido;             // Importe_Ret of the valid ones
};

// Each amount counts as a receipt read alone counts it: a missing or blank amount is zero. An
// overflow of the sum throws ErrorMotor (errores::Desbordamiento).
RetenidoDeclaracion retenidoDeclaracion(BaseDatos& base, qint64 idCabecera);
