#pragma once
// The state label of the declarations form. The state codes themselves are in common/estados.h.

#include <QString>

class Entorno;

// What the state label shows for a state code: a blank and the state's name.
QString textoEstado(const Entorno& entorno, const QString& estado);
