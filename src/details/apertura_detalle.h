#pragma once
// The window a receipt's detail rows are kept in, as the active regime keeps them: guides, stamps
// or food concepts (frmGuias), or advances (frmAnticipos). It fills the entry forms' detail seam:
//
//     servicios.detalle = [&](QWidget* duenio, const ComprobanteDetalle& c) {
//         return abrirDetalleComprobante(contexto, duenio, c);
//     };

#include "entry/detalle_comprobante.h"

struct Contexto;
class QWidget;

// Shows the window modally over `duenio` and hands back its total once the user leaves it. A
// regime whose receipts carry no such rows opens nothing and hands back nothing.
ResultadoDetalle abrirDetalleComprobante(Contexto& contexto, QWidget* duenio,
                                         const ComprobanteDetalle& comprobante);
