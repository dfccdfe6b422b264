#pragma once
// Activating a declaration: it becomes the one the entry forms work on, the main window's
// declaration panels show it, and it stays active across restarts through the environment file.

#include <QtGlobal>

class Entorno;

// Activar. False, with no declaration left active, when the row is no longer there. The menu item
// of the entry forms follows, since the main window derives its menus from the environment.
bool activarCabecera(Entorno& entorno, qint64 idCabecera);
