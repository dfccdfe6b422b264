#include "platform/archivo_lectura.h"

#include "platform/error_sistema.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

ArchivoLectura::ArchivoLectura(QString ruta) : ruta_(std::move(ruta)) {}

ArchivoLectura::~ArchivoLectura()
{
    close();
}

bool ArchivoLectura::fallar(int numero)
{
    setErrorString(textoErrorSistema(numero));
    return false;
}

bool ArchivoLectura::abrir()
{
    close();
    noEsArchivo_ = false;
    // Opened without waiting, and looked at once open: what took the name in the meantime is
    // refused all the same, and a pipe never blocks.
    descriptor_ = ::open(QFile::encodeName(ruta_).constData(),
                         O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor_ < 0) return fallar(errno);
    struct stat estado {};
    const bool visto = ::fstat(descriptor_, &estado) == 0;
    if (!visto || !S_ISREG(estado.st_mode)) {
        const int numero = !visto ? errno : S_ISDIR(estado.st_mode) ? EISDIR : EINVAL;
        ::close(descriptor_);
        descriptor_ = -1;
        noEsArchivo_ = visto;
        return fallar(numero);
    }
    ::fcntl(descriptor_, F_SETFL, ::fcntl(descriptor_, F_GETFL) & ~O_NONBLOCK);
    return QIODevice::open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

void ArchivoLectura::close()
{
    if (isOpen()) QIODevice::close();
    if (descriptor_ >= 0) ::close(descriptor_);
    descriptor_ = -1;
}

qint64 ArchivoLectura::tamanio() const
{
    struct stat estado {};
    return descriptor_ >= 0 && ::fstat(descriptor_, &estado) == 0 ? qint64(estado.st_size) : -1;
}

qint64 ArchivoLectura::readData(char* datos, qint64 maximo)
{
    for (;;) {
        const ssize_t leidos = ::read(descriptor_, datos, size_t(maximo));
        if (leidos >= 0) return leidos;
        if (errno != EINTR) {
            fallar(errno);
            return -1;
        }
    }
}
