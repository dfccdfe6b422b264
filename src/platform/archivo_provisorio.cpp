#include "platform/archivo_provisorio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// The temporary names of the hand-in files this program writes in a user's folder.
const QStringList kTemporalesPropios{QStringLiteral("DJ_*.TXT.tmp"),
                                     QStringLiteral("DJPol_*.TXT.tmp")};

// A temporary file still there was left by a run that was killed before it could rename it.
void borrarTemporalesDejados(const QString& carpeta)
{
    const QDir dir(carpeta);
    for (const QString& nombre : dir.entryList(kTemporalesPropios, QDir::Files | QDir::Hidden
                                                                      | QDir::NoSymLinks
                                                                      | QDir::CaseSensitive))
        QFile::remove(dir.filePath(nombre));
}

} // namespace

ArchivoProvisorio::ArchivoProvisorio(const QString& carpeta, const QString& nombre)
    : carpeta_(carpeta),
      rutaFinal_(QDir(carpeta).filePath(nombre)),
      rutaTemporal_(rutaFinal_ + QStringLiteral(".tmp"))
{
}

ArchivoProvisorio::~ArchivoProvisorio()
{
    archivo_.close();
    // Under the temporary name there is now the unplaced file, the one it replaced, or nothing.
    QFile::remove(rutaTemporal_);
}

bool ArchivoProvisorio::escribir(const QByteArray& contenido)
{
    if (!abrir()) return false;
    agregar(contenido);
    return terminar();
}

bool ArchivoProvisorio::abrir()
{
    borrarTemporalesDejados(carpeta_);
    // What a killed run left under the temporary name is thrown away, not appended to.
    if (QFileInfo::exists(rutaTemporal_) && !QFile::remove(rutaTemporal_)) {
        error_ = QStringLiteral("No se pudo borrar el archivo '%1' que quedó de un intento "
                                "anterior.")
                     .arg(QDir::toNativeSeparators(rutaTemporal_));
        fallo_ = true;
        return false;
    }
    archivo_.setFileName(rutaTemporal_);
    const QIODevice::OpenMode modo = QIODevice::WriteOnly | QIODevice::Truncate;
    if (!(permisos_ ? archivo_.open(modo, *permisos_) : archivo_.open(modo))) {
        error_ = archivo_.errorString();
        fallo_ = true;
        return false;
    }
    return true;
}

void ArchivoProvisorio::agregar(const QByteArray& parte)
{
    if (fallo_ || !archivo_.isOpen()) return;
    if (archivo_.write(parte) != parte.size()) {
        error_ = archivo_.errorString();
        fallo_ = true;
    }
}

bool ArchivoProvisorio::terminar()
{
    if (fallo_ || !archivo_.isOpen()) return false;
    if (!archivo_.flush()) {
        error_ = archivo_.errorString();
        fallo_ = true;
        return false;
    }
    archivo_.close();
    // The file is the agent's hand-in: it must be on the disk before anything says it is done.
    if (!sincronizarArchivo(rutaTemporal_, &error_)) return false;
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
