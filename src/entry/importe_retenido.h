#pragma once
// The amount withheld or perceived on a receipt: the gross amount times the rate (a percentage),
// rounded to cents half away from zero. The same value is shown while the receipt is typed and
// stored when it is saved, so the screen and the declaration never disagree.

#include "database/importe.h"

#include <optional>

Importe importeRetenido(Importe bruto, Importe alicuota);

// What a receipt withholds once the other withholdings already deducted on it are taken off:
// the withheld amount as shown (already in cents) less `otras`, never below zero.
Importe retenidoNeto(Importe retenido, std::optional<Importe> otras);
