#pragma once
// A hand-in file and the database changes that go with it land together, as far as a folder and a
// database can: the changes are made first, the file is put in place, and only then are the
// changes kept. When they cannot be kept, the folder is put back as it was.

#include <functional>

class ArchivoProvisorio;
class BaseDatos;

// `archivo` is written whole already. False, with archivo.error(), when it could not be put in
// place: nothing has changed. A database failure is thrown: nothing is kept and the folder holds
// what it held before; where the file system could not keep the file the new one replaced, the
// new file stays, and the failure thrown says so.
bool colocarConCambios(BaseDatos& base, ArchivoProvisorio& archivo,
                       const std::function<void()>& cambios);
