#pragma once
// What the entry forms get from the rest of the program: the pick lists of subjects and concepts,
// the print of a receipt and the window of a receipt's detail rows. Each may be missing: a form
// without a pick list behaves as when the user closes the list without choosing, without a print
// its print button stays disabled, and without a detail window its detail button does nothing.

#include "database/filas.h"
#include "entry/detalle_comprobante.h"

#include <QString>
#include <functional>
#include <optional>

struct Selectores {
    // Shows the subjects pick list; the ten-digit number chosen, nothing when none was.
    std::function<std::optional<QString>()> contribuyente;
    // Shows the concepts pick list; the two-digit code chosen, nothing when none was.
    std::function<std::optional<QString>()> concepto;
};

// Prints the receipt `fila` as the entry form named `formulario` prints it.
using ImprimirComprobante =
    std::function<void(const QString& formulario, const Retencion& fila)>;

struct ServiciosEntrada {
    Selectores selectores;
    ImprimirComprobante imprimirComprobante;
    AbrirDetalle detalle;
};
