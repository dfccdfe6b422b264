#pragma once
// BDR.mdb is checked before the program writes a byte to it: a file that is empty, cut short, not
// a database, a database of another program or one that cannot be written is refused with a
// message that names it and its folder, and is left exactly as it was.

#include <QString>

class BaseDatos;

// Opens `ruta` on `base` once it is known to be this program's database and writable. Throws
// ErrorMotor: BaseNoEncontrada when the file is missing, SoloLectura when it or its folder cannot
// be written, BaseDaniada when it is not this program's database or is damaged. On failure the
// database is left closed.
void abrirBaseDelPrograma(BaseDatos& base, const QString& ruta);
