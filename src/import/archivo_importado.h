#pragma once
// The file to import, opened for reading. Only a regular file is opened: a device (/dev/zero), a
// pipe or a folder typed as the file's name would never end or would block the window, so it is
// refused before anything reads it. The run notes what the file was like when it started, and keeps
// nothing when the file changed while it was read (another program still writing it).

#include "import/verificacion_importacion.h"

#include <optional>

class ArchivoLectura;

// Opens `archivo` for reading; a refusal when it is not a regular file or cannot be read.
std::optional<RechazoImportacion> abrirArchivoImportado(ArchivoLectura& archivo);

// The size and the last change of an open file.
struct HuellaArchivo {
    qint64 tamanio = -1;
    qint64 modificado = 0;  // nanoseconds
    bool operator==(const HuellaArchivo&) const = default;
};
HuellaArchivo huellaArchivo(const ArchivoLectura& abierto);
