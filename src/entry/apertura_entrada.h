#pragma once
// "&Grabar Ret./Perc. ...": the entry form the active regime requires (the regime table's entry
// form), shown modally over the main window on the active declaration.

#include "entry/servicios_entrada.h"

class QWidget;
struct Contexto;

enum class AperturaEntrada {
    Abierta,        // the form was shown and has been closed
    SinDeclaracion, // no declaration is active: nothing to enter receipts into
};

// Shows the entry form of the active regime modally, with `ventana` as owner. Without a print of
// its own in `servicios`, the form prints its receipts through the program's printer.
AperturaEntrada abrirEntradaRetenciones(Contexto& contexto, QWidget* ventana,
                                        const ServiciosEntrada& servicios);
