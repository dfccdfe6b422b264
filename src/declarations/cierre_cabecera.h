#pragma once
// What the closing buttons of the declarations form share: the question before a declaration is
// closed, and the closing itself. A closed declaration takes no more receipts until it is
// rectified.

#include "database/filas.h"

#include <QString>

class BaseDatos;
class Dialogs;
class Entorno;

// Whether the row's state is closed.
bool cabeceraCerrada(const Cabecera& cabecera);

// The closing question for a declaration not yet closed; true when the user confirms (and at once
// for one already closed, which is only emitted again).
bool confirmarCierre(const Entorno& entorno, Dialogs& dialogs, const Cabecera& cabecera);

// Marks the declaration closed, with "S" or "N" for an observation. Run it inside the caller's
// transaction; the caller leaves no declaration active afterwards when it was the active one.
void cerrarCabecera(BaseDatos& base, qint64 idCabecera, const QString& marcaObs);
