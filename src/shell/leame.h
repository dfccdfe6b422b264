#pragma once
// The read-me document Leame.doc (and the other documents the program ships, the same way): the copy in the data folder is the one opened. The program ships
// its own copy (resources/Leame.doc); when the data folder has none, that copy is put there first,
// so a copy the user keeps or changes in the data folder is never replaced.

#include <QString>
#include <QStringList>

class Dialogs;

// Where the shipped copy may be, relative to the executable: beside it, in resources/ beside it,
// in the source tree's resources/ (a build folder), or in an installed share/doc/tarquel/ (read-only,
// apart from any data folder).
QStringList origenesLeame();
// The same for an executable in `carpetaEjecutable`.
QStringList origenesLeame(const QString& carpetaEjecutable);

// Opens carpeta/Leame.doc with the desktop's program, copying it there from the first of
// `origenes` that holds one when it is missing. A failure is said in a message.
void mostrarLeame(Dialogs& dialogs, const QString& carpeta,
                  const QStringList& origenes = origenesLeame());

// The same for another document the program ships (the import instructions), by its file name.
void mostrarDocumento(Dialogs& dialogs, const QString& carpeta, const QString& nombre,
                      const QStringList& origenes = origenesLeame());
