#pragma once
// A file written whole under a temporary name beside its final one, then put in place in one
// step, replacing a file of the same name. Until it is put in place nobody sees a half-written
// file under the final name; if it never is, the temporary file goes away with this object.

#include <QByteArray>
#include <QString>
#include <memory>

class QTemporaryFile;

class ArchivoProvisorio {
public:
    ArchivoProvisorio(const QString& carpeta, const QString& nombre);
    ~ArchivoProvisorio();
    ArchivoProvisorio(const ArchivoProvisorio&) = delete;
    ArchivoProvisorio& operator=(const ArchivoProvisorio&) = delete;

    // Writes the whole content and makes sure it reached the disk. False, with error(), on failure.
    bool escribir(const QByteArray& contenido);
    // Renames the written file to its final name. False, with error(), on failure.
    bool colocar();

    const QString& rutaFinal() const { return rutaFinal_; }
    const QString& error() const { return error_; }

private:
    QString rutaFinal_;
    QString error_;
    std::unique_ptr<QTemporaryFile> temporal_;
    bool escrito_ = false;
};
