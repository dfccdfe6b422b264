#include "shell/bloqueo_carpeta.h"

#include "platform/dialogs.h"
#include "platform/error_sistema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool mismoArchivo(int descriptor, const QByteArray& ruta)
{
    struct stat abierto {};
    struct stat enCarpeta {};
    return ::fstat(descriptor, &abierto) == 0 && ::stat(ruta.constData(), &enCarpeta) == 0
        && abierto.st_dev == enCarpeta.st_dev && abierto.st_ino == enCarpeta.st_ino;
}

} // namespace

BloqueoCarpeta::BloqueoCarpeta(const QString& carpeta)
    : carpeta_(carpeta), ruta_(QDir(carpeta).filePath(kArchivo))
{
}

BloqueoCarpeta::~BloqueoCarpeta()
{
    soltar();
}

bool BloqueoCarpeta::tomar(Dialogs& dialogs)
{
    if (!QFileInfo(carpeta_).isDir()) return true;
    const QByteArray ruta = QFile::encodeName(ruta_);
    for (;;) {
        const int descriptor = ::open(ruta.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (descriptor < 0) {
            const int causa = errno;
            dialogs.mostrar(
                {QStringLiteral("No se puede escribir en la carpeta de datos\n\n'%1'\n\n(sólo lectura: %2).\n\n"
                                "El programa necesita guardar allí sus datos. Dele permiso de "
                                "escritura a la carpeta y vuelva a iniciar el programa.")
                     .arg(QDir::toNativeSeparators(carpeta_), textoErrorSistema(causa)),
                 kTituloAplicacion, Icono::Critico});
            return false;
        }
        if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
            ::close(descriptor);
            dialogs.mostrar(
                {QStringLiteral("El programa ya está abierto sobre la carpeta de datos\n\n'%1'\n\n"
                                "No se puede abrir una segunda copia sobre los mismos datos: las "
                                "dos darían los mismos números de comprobante.\n"
                                "Cierre la otra copia y vuelva a intentarlo.")
                     .arg(QDir::toNativeSeparators(carpeta_)),
                 kTituloAplicacion, Icono::Exclamacion});
            return false;
        }
        // A copy that was ending removed the file between our open and our lock: what we hold is
        // no longer the folder's lock file, so take the new one.
        if (!mismoArchivo(descriptor, ruta)) {
            ::close(descriptor);
            continue;
        }
        descriptor_ = descriptor;
        break;
    }

    const QByteArray contenido = QByteArray::number(qint64(::getpid())) + '\n'
        + QSysInfo::machineHostName().toUtf8() + "\nTarquel\n";
    // What the file says is only for whoever looks at it; the lock holds without it.
    if (::ftruncate(descriptor_, 0) == 0
        && ::pwrite(descriptor_, contenido.constData(), size_t(contenido.size()), 0)
               == contenido.size())
        ::fsync(descriptor_);
    return true;
}

void BloqueoCarpeta::soltar()
{
    if (descriptor_ < 0) return;
    // Removed while still held, so no copy starting now can lock a file that is going away
    // without noticing it.
    ::unlink(QFile::encodeName(ruta_).constData());
    ::close(descriptor_);
    descriptor_ = -1;
}
