#include "platform/archivos_privados.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool crearCarpetaPrivada(const QString& carpeta)
{
    const QFileInfo info(carpeta);
    if (info.isDir()) return true;
    const QString ruta = info.absoluteFilePath();
    const QString arriba = QFileInfo(ruta).absolutePath();
    if (!QDir().mkpath(arriba)) return false;
    // Made with its permissions, so it is never open to others, not even for a moment. Another
    // process may have made it meanwhile: then it is there, as it should be.
    return QDir().mkdir(ruta, kSoloDelDuenio | QFileDevice::ExeOwner) || QFileInfo(ruta).isDir();
}

bool hacerPrivado(const QString& ruta)
{
    return QFile::setPermissions(ruta, kSoloDelDuenio);
}

bool crearArchivoVacio(const QString& ruta, QFileDevice::Permissions permisos)
{
    QFile archivo(ruta);
    return archivo.open(QIODevice::WriteOnly | QIODevice::NewOnly, permisos);
}
