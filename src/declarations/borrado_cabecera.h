#pragma once
// Deleting a declaration while it is empty. Nothing refers to a declaration by a declared
// relation, so one that has receipts, detail rows or shifts is refused rather than leaving them
// pointing at nothing.

#include <QtGlobal>

class BaseDatos;
struct Contexto;

// Whether any row of another table belongs to the declaration.
bool cabeceraTieneMovimientos(BaseDatos& base, qint64 idCabecera);

// Borrar: refuses a declaration with rows, asks, deletes, and leaves no declaration active when it
// was the active one. True when the row was deleted.
bool borrarCabecera(Contexto& contexto, qint64 idCabecera);
