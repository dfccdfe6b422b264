#pragma once
// What the program has written is on the disk before it says it is done: the bytes of a file, and
// the folder entry that a new file or a rename changed. A failure answers false with the system's
// reason in `error`, in the program's words (textoErrorSistema).

#include <QString>
#include <optional>

bool sincronizarArchivo(const QString& ruta, QString* error = nullptr);
bool sincronizarCarpeta(const QString& carpeta, QString* error = nullptr);

// Gives `nuevo` the name `destino` in one step, only when no file has that name yet. False, with
// the reason, when one has or the rename failed; `nuevo` is then left as it was.
bool renombrarSinReemplazar(const QString& nuevo, const QString& destino, QString* error = nullptr);

// What became of the file that had the name a new file was given.
enum class Anterior {
    Ninguno,      // there was none
    Guardado,     // it is under the new file's former name, whence it can be put back
    Reemplazado,  // it is gone
};

// Gives `nuevo` the name `destino`. A file that has that name is kept where the file system can
// exchange two names in one step: it is left under the name `nuevo` (Guardado), and
// intercambiarNombres() puts it back; elsewhere it is replaced. Nothing, with the reason, when the
// rename failed (also when a folder has the name); both names are then as they were.
std::optional<Anterior> colocarConservando(const QString& nuevo, const QString& destino,
                                           QString* error = nullptr);

// Exchanges the files of two names in one step. False, with the reason, when it could not.
bool intercambiarNombres(const QString& a, const QString& b, QString* error = nullptr);
