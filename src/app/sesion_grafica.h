#pragma once
// The program is a window: without a graphical session it cannot run. It says so in Spanish on the
// terminal and the process ends with status 1, instead of the toolkit's own abort.

#include <QtMessageHandler>

// Whether the session offers a screen: QT_QPA_PLATFORM names a platform, or DISPLAY (X11) or
// WAYLAND_DISPLAY is set.
bool haySesionGrafica();

// Says on the terminal that the program needs a graphical session.
void avisarSinSesionGrafica();

// While it lives (the making of the application), a screen that cannot be opened after all ends
// the process with status 1 and a message in Spanish alone: the platform plugin that is missing
// and the package that brings it, or the screen that did not answer. What Qt says meanwhile, in
// English, is kept back, and said once the window can open.
class VigilanciaPantalla {
public:
    VigilanciaPantalla();
    ~VigilanciaPantalla();
    VigilanciaPantalla(const VigilanciaPantalla&) = delete;
    VigilanciaPantalla& operator=(const VigilanciaPantalla&) = delete;

private:
    QtMessageHandler anterior_;
};
