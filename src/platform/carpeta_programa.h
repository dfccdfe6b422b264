#pragma once
// "The program's folder": where BDR.mdb, Entorno.mem and every file the program writes beside
// them live. TARQUEL_DIR names it; otherwise it is the folder of the executable.

#include <QString>

QString carpetaPrograma();
