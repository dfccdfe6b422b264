#pragma once
// Undoing an imported declaration: it goes with every row the import wrote for it, as long as no
// row was touched by hand. The import marks its withholding rows "I" (clean) or "E" (with an
// error); a correction marks them "C" and a receipt entered by hand carries no mark, and either
// keeps the declaration. The branch's receipt counter is not turned back: numbers the import used
// are never given out again.

#include <QtGlobal>

class BaseDatos;
struct Contexto;

// Whether any withholding row of the declaration was corrected or entered by hand.
bool importacionModificada(BaseDatos& base, qint64 idCabecera);

// Deshacer: refuses, asks, then deletes the withholdings, their detail rows and other withholdings
// and the declaration in one transaction; leaves no declaration active when it was the active one.
// True when it was deleted.
bool deshacerImportacion(Contexto& contexto, qint64 idCabecera);
