#pragma once
// "&Grabar Ret./Perc. ...": the entry form the active regime requires, shown modally over the main
// window on the active declaration.

#include "entry/servicios_entrada.h"

#include <QString>

class QWidget;
struct Contexto;

enum class FormularioEntrada {
    Retenciones,    // frmRetenciones: "01" to "08", "14" and any other code
    Retenciones_B,  // frmRetenciones_B: "09" to "12", "15", "16"
    Retenciones_C,  // frmRetenciones_C: "13"
};

// Codes compared as text, in this order: "09" to "12", "15", "16"; then "13"; then any other.
FormularioEntrada formularioParaRegimen(const QString& codRegimen);
QString nombreFormulario(FormularioEntrada formulario);

enum class AperturaEntrada {
    Abierta,        // the form was shown and has been closed
    NoDisponible,   // the regime's form does not exist yet
    SinDeclaracion, // no declaration is active: nothing to enter receipts into
};

// Shows the entry form of the active regime modally, with `ventana` as owner. Without a print of
// its own in `servicios`, the form prints its receipts through the program's report engine.
AperturaEntrada abrirEntradaRetenciones(Contexto& contexto, QWidget* ventana,
                                        const ServiciosEntrada& servicios);
