#pragma once
// Which declarations the repair of other withholdings has to read again at the next start.
//
// The repair runs at every start, and what it clears depends only on a receipt's own rows: its
// other withholdings, its withholding, its detail rows and its declaration. Once it has run, no
// receipt qualifies until one of those rows changes. Triggers in the file note the declaration of
// every such change in `Revisar_Otras_Reten`, whoever writes it, so a start reads those
// declarations only instead of every receipt the agent ever issued.

class BaseDatos;

namespace revision_otras_retenciones {

enum class Alcance {
    Cambiadas,  // the declarations noted since the last start
    Todas,      // every receipt: changes may have gone unnoted
};

// What the repair has to read at this start. Whatever of the table and the triggers is missing (a
// file from before them, or a table made again by an upgrade, which takes its triggers along) is
// made, and everything is read this once. A file whose detail rows do not hold their declaration
// yet (a later round of its upgrade adds it) notes nothing, and is read whole.
Alcance prepararRevision(BaseDatos& base);
// The repair has read what was noted: nothing is pending.
void vaciar(BaseDatos& base);

} // namespace revision_otras_retenciones
