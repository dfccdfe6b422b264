#pragma once
// A file written whole under a temporary name beside its final one, then put in place in one
// step, replacing a file of the same name. Until it is put in place nobody sees a half-written
// file under the final name; if it never is, the temporary file goes away with this object. The
// temporary name is the final one followed by ".tmp", so a file left by a run that was killed is
// recognisable, and the next run for the same file replaces it.

#include <QByteArray>
#include <QFile>
#include <QString>

class ArchivoProvisorio {
public:
    ArchivoProvisorio(const QString& carpeta, const QString& nombre);
    ~ArchivoProvisorio();
    ArchivoProvisorio(const ArchivoProvisorio&) = delete;
    ArchivoProvisorio& operator=(const ArchivoProvisorio&) = delete;

    // Writes the whole content and makes sure it reached the disk. False, with error(), on failure.
    bool escribir(const QByteArray& contenido);
    // The same in parts, for a content too large to hold: abrir(), agregar() each part, then
    // terminar(), which makes sure it all reached the disk. After a failure the later parts are
    // passed over and terminar() answers false, with error().
    bool abrir();
    void agregar(const QByteArray& parte);
    bool terminar();
    // Renames the written file to its final name and makes sure the folder keeps the new name.
    // False, with error(), on failure; no file is then left under the final name.
    bool colocar();

    const QString& rutaFinal() const { return rutaFinal_; }
    const QString& rutaTemporal() const { return rutaTemporal_; }
    const QString& error() const { return error_; }

private:
    QString rutaFinal_;
    QString rutaTemporal_;
    QString error_;
    QFile archivo_;
    bool fallo_ = false;
    bool escrito_ = false;
    bool colocado_ = false;
};
