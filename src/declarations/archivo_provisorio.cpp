#include "declarations/archivo_provisorio.h"

#include "platform/disco.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

ArchivoProvisorio::ArchivoProvisorio(const QString& carpeta, const QString& nombre)
    : rutaFinal_(QDir(carpeta).filePath(nombre)), rutaTemporal_(rutaFinal_ + QStringLiteral(".tmp"))
{
}

ArchivoProvisorio::~ArchivoProvisorio()
{
    if (!colocado_) QFile::remove(rutaTemporal_);
}

bool ArchivoProvisorio::escribir(const QByteArray& contenido)
{
    // What a killed run left under the temporary name is thrown away, not appended to.
    if (QFileInfo::exists(rutaTemporal_) && !QFile::remove(rutaTemporal_)) {
        error_ = QStringLiteral("No se pudo borrar el archivo '%1' que quedó de un intento "
                                "anterior.")
                     .arg(QDir::toNativeSeparators(rutaTemporal_));
        return false;
    }
    QFile archivo(rutaTemporal_);
    if (!archivo.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        error_ = archivo.errorString();
        return false;
    }
    if (archivo.write(contenido) != contenido.size() || !archivo.flush()) {
        error_ = archivo.errorString();
        return false;
    }
    archivo.close();
    // The file is the agent's hand-in: it must be on the disk before anything says it is done.
    if (!sincronizarArchivo(rutaTemporal_, &error_)) return false;
    escrito_ = true;
    return true;
}

bool ArchivoProvisorio::colocar()
{
    if (!escrito_) return false;
    std::error_code codigo;
    std::filesystem::rename(QFile::encodeName(rutaTemporal_).toStdString(),
                            QFile::encodeName(rutaFinal_).toStdString(), codigo);
    if (codigo) {
        error_ = QString::fromStdString(codigo.message());
        return false;
    }
    colocado_ = true;
    if (sincronizarCarpeta(QFileInfo(rutaFinal_).absolutePath(), &error_)) return true;
    // A name the disk may still lose is no hand-in: the caller reports the failure.
    QFile::remove(rutaFinal_);
    return false;
}
