#pragma once
// The agent's data is the agent's alone: on a machine that several people use, the data folder the
// program makes is open to its owner only (0700) and every file the program makes in it can be
// read and written by its owner only (0600), whatever the user's umask. A folder the user made and
// named for the program keeps the permissions the user gave it.

#include <QFileDevice>
#include <QString>

inline constexpr QFileDevice::Permissions kSoloDelDuenio =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// Makes `carpeta`, open to its owner only, with the folders above it that are missing (those with
// the usual permissions). A folder that is already there is left as it is. False when the folder
// is not there and could not be made.
bool crearCarpetaPrivada(const QString& carpeta);

// Leaves a file the program has just made readable and writable by its owner alone. False where
// that cannot be done (a file system without permissions, a pen drive's, keeps its own).
bool hacerPrivado(const QString& ruta);

// Makes the empty file `ruta` with `permisos` from its first moment. False when a file of that name
// is already there or it could not be made.
bool crearArchivoVacio(const QString& ruta, QFileDevice::Permissions permisos = kSoloDelDuenio);
