#pragma once
// The receipt of a withholding or perception: two copies with the optional observation, after the
// user's confirmation.

#include "database/filas.h"

#include <QString>

class Impresora;
struct Contexto;

// Prints the receipt `fila` as the entry form `formulario` does, on the receipt report of its
// declaration's regime; the forms of the detail rows write what the first of them is after the
// month.
void imprimirComprobante(Contexto& contexto, const QString& formulario, const Retencion& fila);
// The same, printed through `impresora` in place of the program's printer (Contexto::impresora).
void imprimirComprobante(Contexto& contexto, const QString& formulario, const Retencion& fila,
                         Impresora& impresora);
