#pragma once
// What a form does when the user enters or leaves one of its boxes: reformat a code, look a regime
// up, refuse a rate and send the user back. Leaving counts only when the focus goes to another
// control of the form: a message box or another window taking it is no departure, and neither is
// Cancelar, so that a box the user cannot fill never keeps the form from being cancelled.

#include <functional>

class QWidget;

// Runs `accion` each time `control` receives the focus, before it selects its text.
void alEntrar(QWidget* control, std::function<void()> accion);
// Runs `accion` each time `control` loses the focus to another control of its window.
void alSalir(QWidget* control, std::function<void()> accion);
// Gives the focus back to `control` once the departure that is being handled has finished.
void volverA(QWidget* control);
