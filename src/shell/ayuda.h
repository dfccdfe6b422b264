#pragma once
// F1 on any screen: the help text stored under the screen's key.

#include <QString>

struct Contexto;

// Sets Clave_Ayuda to `clave` and shows the help window modally.
void mostrarAyuda(Contexto& contexto, const QString& clave);
