#include "platform/disco.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

bool sincronizar(const QString& ruta, int modo, QString* error)
{
    const int descriptor = ::open(QFile::encodeName(ruta).constData(), modo | O_CLOEXEC);
    bool hecho = descriptor >= 0 && ::fsync(descriptor) == 0;
    const int causa = errno;
    if (descriptor >= 0) ::close(descriptor);
    if (!hecho && error) *error = QString::fromLocal8Bit(std::strerror(causa));
    return hecho;
}

} // namespace

bool sincronizarArchivo(const QString& ruta, QString* error)
{
    return sincronizar(ruta, O_RDONLY, error);
}

bool sincronizarCarpeta(const QString& carpeta, QString* error)
{
    return sincronizar(carpeta, O_RDONLY | O_DIRECTORY, error);
}

bool renombrarSinReemplazar(const QString& nuevo, const QString& destino, QString* error)
{
    const QByteArray de = QFile::encodeName(nuevo);
    const QByteArray a = QFile::encodeName(destino);
    int resultado = ::renameat2(AT_FDCWD, de.constData(), AT_FDCWD, a.constData(), RENAME_NOREPLACE);
    if (resultado != 0 && (errno == EINVAL || errno == ENOSYS)) {
        // A file system that cannot refuse the replacement itself: a link can.
        resultado = ::link(de.constData(), a.constData());
        if (resultado == 0) ::unlink(de.constData());
    }
    if (resultado != 0 && error) *error = QString::fromLocal8Bit(std::strerror(errno));
    return resultado == 0;
}
