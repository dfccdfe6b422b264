#pragma once
// Saving a receipt of the regimes whose receipts carry detail rows. Everything lands in one
// transaction with the receipt, its number and the declaration's first-receipt state: the receipt's
// pending detail rows take its number, and a receipt that deducts advances gets its row of other
// withholdings. A failure at any write, or the program being killed halfway, leaves the database
// as it was: no number spent, no detail row renumbered, no other withholdings without their
// receipt. Database failures are thrown as ErrorMotor after everything was undone.

#include "entry/grabacion_retenciones.h"

#include <optional>

// A new receipt of the active declaration under the branch's next number; every pending detail
// row ("0") becomes one of its rows. `otrasRetenciones`, when given, is stored as the receipt's
// other withholdings.
ClaveRetencion grabarRetencionConDetalle(Entorno& entorno, const DatosRetencion& datos,
                                         std::optional<Importe> otrasRetenciones);

// A receipt under correction: its detail rows already carry its number; its other withholdings,
// when given, replace those it had (or are added when it had none).
void grabarCorreccionConDetalle(Entorno& entorno, const ClaveRetencion& clave,
                                const DatosRetencion& datos,
                                std::optional<Importe> otrasRetenciones);
