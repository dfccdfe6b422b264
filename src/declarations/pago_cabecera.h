#pragma once
// "B. de Pago": the payment slip of a declaration, with the late-payment interest up to the
// payment date, the amount in words and the barcode; unless the regime says otherwise, printing
// it also closes the declaration.

#include <QtGlobal>
#include <functional>

class Impresora;
struct Contexto;

// True when the declaration's row changed (it was closed), so the form shows it again.
// `alCerrar` is told as soon as the slip closes the declaration, before the print is asked for.
bool imprimirBoletaPago(Contexto& contexto, qint64 idCabecera,
                        const std::function<void()>& alCerrar = {});
// The same, printed through `impresora` in place of the program's printer (Contexto::impresora).
bool imprimirBoletaPago(Contexto& contexto, qint64 idCabecera, Impresora& impresora,
                        const std::function<void()>& alCerrar = {});
