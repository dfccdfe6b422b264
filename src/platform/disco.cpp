#include "platform/disco.h"

#include "platform/error_sistema.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString causa(int numero)
{
    return textoErrorSistema(numero);
}

bool sincronizar(const QString& ruta, int modo, QString* error)
{
    const int descriptor = ::open(QFile::encodeName(ruta).constData(), modo | O_CLOEXEC);
    bool hecho = descriptor >= 0 && ::fsync(descriptor) == 0;
    const int numero = errno;
    if (descriptor >= 0) ::close(descriptor);
    if (!hecho && error) *error = causa(numero);
    return hecho;
}

// A file system that cannot rename with these flags answers so, rather than failing the rename.
bool sinSoporte(int numero)
{
    return numero == EINVAL || numero == ENOSYS || numero == EOPNOTSUPP;
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
    if (resultado != 0 && sinSoporte(errno)) {
        // A file system that cannot refuse the replacement itself: a link can.
        resultado = ::link(de.constData(), a.constData());
        if (resultado == 0) ::unlink(de.constData());
    }
    if (resultado != 0 && error) *error = causa(errno);
    return resultado == 0;
}

std::optional<Anterior> colocarConservando(const QString& nuevo, const QString& destino,
                                           QString* error)
{
    const QByteArray de = QFile::encodeName(nuevo);
    const QByteArray a = QFile::encodeName(destino);
    struct stat datos {};
    const bool habia = ::lstat(a.constData(), &datos) == 0 && !S_ISDIR(datos.st_mode);
    const unsigned banderas = habia ? RENAME_EXCHANGE : RENAME_NOREPLACE;
    if (::renameat2(AT_FDCWD, de.constData(), AT_FDCWD, a.constData(), banderas) == 0)
        return habia ? Anterior::Guardado : Anterior::Ninguno;
    if (sinSoporte(errno) && ::rename(de.constData(), a.constData()) == 0)
        return habia ? Anterior::Reemplazado : Anterior::Ninguno;
    if (error) *error = causa(errno);
    return std::nullopt;
}

bool intercambiarNombres(const QString& a, const QString& b, QString* error)
{
    const QByteArray uno = QFile::encodeName(a);
    const QByteArray otro = QFile::encodeName(b);
    if (::renameat2(AT_FDCWD, uno.constData(), AT_FDCWD, otro.constData(), RENAME_EXCHANGE) == 0)
        return true;
    if (error) *error = causa(errno);
    return false;
}
