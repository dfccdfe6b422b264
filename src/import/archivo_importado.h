#pragma once
// The file to import, opened for reading. Only a regular file is opened: a device (/dev/zero), a
// pipe or a folder typed as the file's name would never end or would block the window, so it is
// refused before anything reads it. The run notes what the file was like when it started, and keeps
// nothing when the file changed while it was read: another program still writing it, or another
// file put under its name.

#include "import/verificacion_importacion.h"

#include <optional>

class ArchivoLectura;

// Opens `archivo` for reading; a refusal when it is not a regular file or cannot be read.
std::optional<RechazoImportacion> abrirArchivoImportado(ArchivoLectura& archivo);

// Which file it is (its disk and its number there), its size and its last change.
struct HuellaArchivo {
    quint64 dispositivo = 0;
    quint64 inodo = 0;
    qint64 tamanio = -1;
    qint64 modificado = 0;  // nanoseconds
    bool operator==(const HuellaArchivo&) const = default;
};
// What the open file is now.
HuellaArchivo huellaArchivo(const ArchivoLectura& abierto);
// What the name names now: the same file, unless another was renamed over it (none when the name
// names nothing).
HuellaArchivo huellaRuta(const QString& ruta);
