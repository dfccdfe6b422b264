#include "support/fallas_sistema.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <string>
#include <sys/syscall.h>
#include <unistd.h>
#include <vector>

namespace {

std::vector<std::string> sinAsegurarRutas;
std::vector<std::string> sinCerrarRutas;
bool sinExchange = false;
int cuentaFallas = 0;

// The path an open descriptor was opened under, as the kernel names it.
std::string rutaDe(int fd)
{
    char enlace[64];
    std::snprintf(enlace, sizeof enlace, "/proc/self/fd/%d", fd);
    char ruta[PATH_MAX];
    const ssize_t largo = ::readlink(enlace, ruta, sizeof ruta - 1);
    return largo > 0 ? std::string(ruta, size_t(largo)) : std::string();
}

// Whether the file open as `fd` is one of `rutas`; counted as a failure when it is.
bool falla(const std::vector<std::string>& rutas, int fd)
{
    if (rutas.empty()) return false;
    const std::string ruta = rutaDe(fd);
    for (const std::string& r : rutas)
        if (r == ruta) {
            ++cuentaFallas;
            return true;
        }
    return false;
}

bool fallaAlAsegurar(int fd)
{
    if (!falla(sinAsegurarRutas, fd)) return false;
    errno = EIO;
    return true;
}

// The path as the kernel will name the file once open: the file need not exist yet.
std::string rutaReal(const QString& ruta)
{
    const QFileInfo info(ruta);
    const QString real = info.exists()
        ? info.canonicalFilePath()
        : QFileInfo(info.absolutePath()).canonicalFilePath() + QLatin1Char('/') + info.fileName();
    return QFile::encodeName(real).toStdString();
}

} // namespace

extern "C" int fsync(int fd)
{
    if (fallaAlAsegurar(fd)) return -1;
    return int(::syscall(SYS_fsync, fd));
}

extern "C" int fdatasync(int fd)
{
    if (fallaAlAsegurar(fd)) return -1;
    return int(::syscall(SYS_fdatasync, fd));
}

extern "C" int close(int fd)
{
    if (falla(sinCerrarRutas, fd)) {
        // Linux releases the descriptor whatever close() answers.
        ::syscall(SYS_close, fd);
        errno = EIO;
        return -1;
    }
    return int(::syscall(SYS_close, fd));
}

extern "C" int renameat2(int desdeCarpeta, const char* desde, int haciaCarpeta, const char* hacia,
                         unsigned int banderas) noexcept
{
    if (sinExchange && (banderas & RENAME_EXCHANGE)) {
        ++cuentaFallas;
        errno = EINVAL;
        return -1;
    }
    return int(::syscall(SYS_renameat2, desdeCarpeta, desde, haciaCarpeta, hacia, banderas));
}

FallasSistema::FallasSistema()
{
    cuentaFallas = 0;
}

FallasSistema::~FallasSistema()
{
    sinAsegurarRutas.clear();
    sinCerrarRutas.clear();
    sinExchange = false;
}

void FallasSistema::sinAsegurar(const QString& ruta) { sinAsegurarRutas.push_back(rutaReal(ruta)); }

void FallasSistema::sinCerrar(const QString& ruta) { sinCerrarRutas.push_back(rutaReal(ruta)); }

void FallasSistema::sinIntercambio() { sinExchange = true; }

int FallasSistema::fallas() const { return cuentaFallas; }
