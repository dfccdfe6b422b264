#include "platform/archivo_provisorio.h"

#include "platform/error_sistema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The temporary names of the hand-in files this program writes in a user's folder.
const QStringList kTemporalesPropios{QStringLiteral("DJ_*.TXT.tmp"),
                                     QStringLiteral("DJPol_*.TXT.tmp")};

// Parts are gathered up to this size before they are written.
constexpr qsizetype kTamanioVolcado = 64 * 1024;

mode_t modoDe(QFileDevice::Permissions permisos)
{
    const std::pair<QFileDevice::Permission, mode_t> bits[] = {
        {QFileDevice::ReadOwner, S_IRUSR}, {QFileDevice::WriteOwner, S_IWUSR},
        {QFileDevice::ExeOwner, S_IXUSR},  {QFileDevice::ReadGroup, S_IRGRP},
        {QFileDevice::WriteGroup, S_IWGRP}, {QFileDevice::ExeGroup, S_IXGRP},
        {QFileDevice::ReadOther, S_IROTH}, {QFileDevice::WriteOther, S_IWOTH},
        {QFileDevice::ExeOther, S_IXOTH},
    };
    mode_t modo = 0;
    for (const auto& [permiso, bit] : bits)
        if (permisos.testFlag(permiso)) modo |= bit;
    return modo;
}

} // namespace

void borrarTemporalesDejados(const QString& carpeta, const QStringList& patrones)
{
    const QDir dir(carpeta);
    for (const QString& nombre : dir.entryList(patrones, QDir::Files | QDir::Hidden
                                                             | QDir::NoSymLinks
                                                             | QDir::CaseSensitive))
        QFile::remove(dir.filePath(nombre));
}

ArchivoProvisorio::ArchivoProvisorio(const QString& carpeta, const QString& nombre)
    : carpeta_(carpeta),
      rutaFinal_(QDir(carpeta).filePath(nombre)),
      rutaTemporal_(rutaFinal_ + QStringLiteral(".tmp"))
{
}

ArchivoProvisorio::~ArchivoProvisorio()
{
    if (descriptor_ >= 0) ::close(descriptor_);
    // Under the temporary name there is now the unplaced file, the one it replaced, or nothing.
    QFile::remove(rutaTemporal_);
}

bool ArchivoProvisorio::escribir(const QByteArray& contenido)
{
    if (!abrir()) return false;
    agregar(contenido);
    return terminar();
}

bool ArchivoProvisorio::fallar(int numero)
{
    error_ = textoErrorSistema(numero);
    fallo_ = true;
    return false;
}

bool ArchivoProvisorio::abrir()
{
    borrarTemporalesDejados(carpeta_, kTemporalesPropios);
    // What a killed run left under the temporary name is thrown away, not appended to.
    if (QFileInfo::exists(rutaTemporal_) && !QFile::remove(rutaTemporal_)) {
        error_ = QStringLiteral("No se pudo borrar el archivo '%1' que quedó de un intento "
                                "anterior.")
                     .arg(QDir::toNativeSeparators(rutaTemporal_));
        fallo_ = true;
        return false;
    }
    // Without permissions of its own the file gets the usual ones, less the user's umask.
    const mode_t modo = permisos_ ? modoDe(*permisos_) : mode_t(0666);
    descriptor_ = ::open(QFile::encodeName(rutaTemporal_).constData(),
                         O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, modo);
    if (descriptor_ < 0) return fallar(errno);
    return true;
}

void ArchivoProvisorio::agregar(const QByteArray& parte)
{
    if (fallo_ || descriptor_ < 0) return;
    pendiente_ += parte;
    if (pendiente_.size() >= kTamanioVolcado) volcar();
}

bool ArchivoProvisorio::volcar()
{
    const char* datos = pendiente_.constData();
    qsizetype quedan = pendiente_.size();
    while (quedan > 0) {
        const ssize_t escritos = ::write(descriptor_, datos, size_t(quedan));
        if (escritos < 0) {
            if (errno == EINTR) continue;
            return fallar(errno);
        }
        datos += escritos;
        quedan -= escritos;
    }
    pendiente_.resize(0);  // keeps its room for the next parts
    return true;
}

bool ArchivoProvisorio::terminar()
{
    if (fallo_ || descriptor_ < 0) return false;
    // The file is the agent's hand-in: it must be on the disk before anything says it is done.
    const bool escrito = volcar() && (::fsync(descriptor_) == 0 || fallar(errno));
    // A disk may report a write it could not make only when the file is closed.
    const int cerrado = ::close(descriptor_);
    const int numero = errno;
    descriptor_ = -1;
    if (!escrito) return false;
    if (cerrado != 0) return fallar(numero);
    escrito_ = true;
    return true;
}

bool ArchivoProvisorio::colocar()
{
    if (!escrito_ || colocado_) return false;
    const std::optional<Anterior> anterior = colocarConservando(rutaTemporal_, rutaFinal_, &error_);
    if (!anterior) return false;
    anterior_ = *anterior;
    colocado_ = true;
    // The file is whole under its name; taking it away now would leave the folder with neither it
    // nor the file it replaced.
    advertencia_.clear();
    sincronizarCarpeta(carpeta_, &advertencia_);
    return true;
}

bool ArchivoProvisorio::retirar()
{
    if (!colocado_) return true;
    switch (anterior_) {
    case Anterior::Ninguno:
        if (!QFile::remove(rutaFinal_)) return false;
        break;
    case Anterior::Guardado:
        if (!intercambiarNombres(rutaTemporal_, rutaFinal_)) return false;
        break;
    case Anterior::Reemplazado:
        return false;
    }
    colocado_ = false;
    advertencia_.clear();
    sincronizarCarpeta(carpeta_);
    return true;
}
