#include "import/archivo_importado.h"

#include "database/error_motor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::optional<RechazoImportacion> abrirArchivoImportado(QFile& archivo)
{
    const QString nombre = QDir::toNativeSeparators(archivo.fileName());
    const QFileInfo info(archivo.fileName());
    if (!info.exists())
        return RechazoImportacion{errores::ArchivoNoEncontrado,
                                  QStringLiteral("No se encontró el archivo '%1'.").arg(nombre)};
    const RechazoImportacion noEsArchivo{
        errores::AccesoArchivo,
        QStringLiteral("No se puede importar '%1': no es un archivo común (es una carpeta, un "
                       "dispositivo o una tubería).")
            .arg(nombre)};
    if (!info.isFile()) return noEsArchivo;

    // Opened without waiting, and looked at again once open: what took the name in the meantime
    // is refused all the same, and a pipe never blocks the window.
    const int descriptor = ::open(QFile::encodeName(archivo.fileName()).constData(),
                                  O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        return RechazoImportacion{errores::AccesoArchivo,
                                  QStringLiteral("No se puede leer el archivo '%1' (%2).")
                                      .arg(nombre, QString::fromLocal8Bit(std::strerror(errno)))};
    struct stat estado {};
    if (::fstat(descriptor, &estado) != 0 || !S_ISREG(estado.st_mode)) {
        ::close(descriptor);
        return noEsArchivo;
    }
    ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    if (!archivo.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return RechazoImportacion{errores::AccesoArchivo,
                                  QStringLiteral("No se puede leer el archivo '%1' (%2).")
                                      .arg(nombre, archivo.errorString())};
    }
    return std::nullopt;
}

HuellaArchivo huellaArchivo(const QFile& abierto)
{
    struct stat estado {};
    if (::fstat(abierto.handle(), &estado) != 0) return {};
    return {qint64(estado.st_size),
            qint64(estado.st_mtim.tv_sec) * 1'000'000'000 + estado.st_mtim.tv_nsec};
}
