#pragma once
// "The program's folder": where BDR.mdb, Entorno.mem and every file the program writes beside
// them live. TARQUEL_DIR names it; otherwise it is the user's data folder, as Linux desktop
// programs keep theirs: $XDG_DATA_HOME/tarquel, or ~/.local/share/tarquel when that is not set.
// It is never inside the program's own files, so nothing done to an installation or a source
// checkout touches the user's data.

#include <QString>

QString carpetaPrograma();
