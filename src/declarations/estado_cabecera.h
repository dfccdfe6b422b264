#pragma once
// The state label of the declarations form.

#include <QString>

// What the state label shows for a stored state code: a blank and the state's name.
QString textoEstado(const QString& estado);
