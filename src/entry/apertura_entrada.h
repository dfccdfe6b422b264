#pragma once
// "&Grabar Ret./Perc. ...": the entry form the active regime requires (the regime table's entry
// form), shown modally over the main window on the active declaration.

#include "entry/servicios_entrada.h"

#include <functional>
#include <memory>

class FormularioRetencion;
class QWidget;
struct Contexto;

// Makes the entry form of the police checkpoints. That regime's form belongs to a later layer: the
// opener is handed its maker.
using CrearEntradaPolicial = std::function<std::unique_ptr<FormularioRetencion>(
    Contexto& contexto, ServiciosEntrada servicios, QWidget* ventana)>;

enum class AperturaEntrada {
    Abierta,        // the form was shown and has been closed
    SinDeclaracion, // no declaration is active: nothing to enter receipts into
    SinFormulario,  // the regime's form was not handed in: nothing was shown
};

// Shows the entry form of the active regime modally, with `ventana` as owner; the police regime's
// is made by `entradaPolicial`. Without a print of its own in `servicios`, the form prints its
// receipts through the program's printer.
AperturaEntrada abrirEntradaRetenciones(Contexto& contexto, QWidget* ventana,
                                        const ServiciosEntrada& servicios,
                                        const CrearEntradaPolicial& entradaPolicial);
