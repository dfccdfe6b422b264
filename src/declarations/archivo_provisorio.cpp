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
    archivo_.close();
    if (!colocado_) QFile::remove(rutaTemporal_);
}

bool ArchivoProvisorio::escribir(const QByteArray& contenido)
{
    if (!abrir()) return false;
    agregar(contenido);
    return terminar();
}

bool ArchivoProvisorio::abrir()
{
    // What a killed run left under the temporary name is thrown away, not appended to.
    if (QFileInfo::exists(rutaTemporal_) && !QFile::remove(rutaTemporal_)) {
        error_ = QStringLiteral("No se pudo borrar el archivo '%1' que quedó de un intento "
                                "anterior.")
                     .arg(QDir::toNativeSeparators(rutaTemporal_));
        fallo_ = true;
        return false;
    }
    archivo_.setFileName(rutaTemporal_);
    if (!archivo_.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
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
