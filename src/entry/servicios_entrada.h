#pragma once
// What the entry forms get from the rest of the program: the pick lists of subjects, concepts and
// officers, the window of a receipt's detail rows, and the print of a receipt. Each may be
// missing: a form without a pick list behaves as when the user closes the list without choosing,
// without the detail window its detail button stays disabled, and without a print its print button
// stays disabled.

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
    // Shows the officers pick list; the officer's code chosen (at least two digits, "07", "123"),
    // nothing when none was.
    std::function<std::optional<QString>()> policia;
};

// Prints the receipt `fila` as the entry form named `formulario` prints it.
using ImprimirComprobante =
    std::function<void(const QString& formulario, const Retencion& fila)>;

struct ServiciosEntrada {
    Selectores selectores;
    AbrirDetalle detalle;
    ImprimirComprobante imprimirComprobante;
};
