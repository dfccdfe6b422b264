#pragma once
// What a form does when the user enters or leaves one of its fields: reformat a code, look a
// regime up, refuse a rate and send the user back. Leaving counts only when the focus goes to
// another control of the form: a message box or another window taking it is no departure. Every
// form's fields are watched this one way; each watch belongs to its field and ends with it.

#include <functional>

class QKeyEvent;
class QWidget;

// Whether the user leaving a field for the form's Cancelar counts as leaving it. The record forms
// let Cancelar through, so that a field the user cannot fill never keeps the form from being
// cancelled; the entry and declarations forms check the field on the way to Cancelar as well.
enum class HaciaCancelar { NoCuenta, Cuenta };

// Whether entering a field counts when the focus comes back from a message box or another window.
enum class AlVolver { NoCuenta, Cuenta };

// Runs `accion` each time `control` receives the focus, before the field selects its text.
void alEntrar(QWidget* control, std::function<void()> accion, AlVolver alVolver = AlVolver::NoCuenta);
// Runs `accion` each time `control` loses the focus to another control of its window.
void alSalir(QWidget* control, std::function<void()> accion,
             HaciaCancelar haciaCancelar = HaciaCancelar::NoCuenta);
// Gives the focus back to `control` once the departure that is being handled has finished.
void volverA(QWidget* control);

// Keys typed into `control` that `rechaza` answers true for never reach it.
void filtrarTeclas(QWidget* control, std::function<bool(const QKeyEvent&)> rechaza);
