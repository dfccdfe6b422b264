#include "declarations/archivo_provisorio.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <unistd.h>

ArchivoProvisorio::ArchivoProvisorio(const QString& carpeta, const QString& nombre)
    : rutaFinal_(QDir(carpeta).filePath(nombre)),
      temporal_(std::make_unique<QTemporaryFile>(rutaFinal_ + QStringLiteral(".XXXXXX")))
{
}

ArchivoProvisorio::~ArchivoProvisorio() = default;

bool ArchivoProvisorio::escribir(const QByteArray& contenido)
{
    QTemporaryFile& archivo = *temporal_;
    if (!archivo.open()) {
        error_ = archivo.errorString();
        return false;
    }
    if (archivo.write(contenido) != contenido.size() || !archivo.flush()) {
        error_ = archivo.errorString();
        archivo.close();
        return false;
    }
    // The file is the agent's hand-in: it must be on the disk before anything says it is done.
    if (::fsync(archivo.handle()) != 0) {
        error_ = QString::fromLocal8Bit(std::strerror(errno));
        archivo.close();
        return false;
    }
    // A temporary file is private to its owner; the finished file is an ordinary one.
    archivo.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner
                           | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    archivo.close();
    escrito_ = true;
    return true;
}

bool ArchivoProvisorio::colocar()
{
    if (!escrito_) return false;
    std::error_code codigo;
    std::filesystem::rename(QFile::encodeName(temporal_->fileName()).toStdString(),
                            QFile::encodeName(rutaFinal_).toStdString(), codigo);
    if (codigo) {
        error_ = QString::fromStdString(codigo.message());
        return false;
    }
    temporal_->setAutoRemove(false);
    return true;
}
