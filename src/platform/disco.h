#pragma once
// What the program has written is on the disk before it says it is done: the bytes of a file, and
// the folder entry that a new file or a rename changed. A failure answers false with the system's
// reason in `error`.

#include <QString>

bool sincronizarArchivo(const QString& ruta, QString* error = nullptr);
bool sincronizarCarpeta(const QString& carpeta, QString* error = nullptr);

// Gives `nuevo` the name `destino` in one step, only when no file has that name yet. False, with
// the reason, when one has or the rename failed; `nuevo` is then left as it was.
bool renombrarSinReemplazar(const QString& nuevo, const QString& destino, QString* error = nullptr);
