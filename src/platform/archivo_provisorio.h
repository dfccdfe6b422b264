#pragma once
// A file the user keeps (a hand-in file, an import log) written whole under a temporary name
// beside its final one, then put in place in one step. Until it is put in place nobody sees a
// half-written file under the final name; if it never is, the temporary file goes away with this
// object. The temporary name is the final one followed by ".tmp", so a file left by a run that
// was killed is recognisable: the next hand-in file started in that folder removes every such file
// of the hand-in files' names.
//
// Putting it in place keeps the file it replaces, where the file system allows, until this object
// goes: so that the caller can still put the folder back as it was when what goes with the file
// fails.
//
// Every step that touches the disk counts, the closing of the file included: a close that fails
// (a disk that reports the error of a delayed write only then) is a failed write.

#include "platform/disco.h"

#include <QByteArray>
#include <QFileDevice>
#include <QString>
#include <QStringList>

#include <optional>

// Removes the files of `carpeta` whose names match `patrones` ("*.log.tmp"): the temporary files
// that a run killed before it could rename them left there.
void borrarTemporalesDejados(const QString& carpeta, const QStringList& patrones);

class ArchivoProvisorio {
public:
    ArchivoProvisorio(const QString& carpeta, const QString& nombre);
    // The permissions the file is made with; without them, the usual ones of the user's umask.
    void setPermisos(QFileDevice::Permissions permisos) { permisos_ = permisos; }
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
    // Gives the written file its final name, replacing a file of that name. False, with error(),
    // when it could not; the folder is then as it was. Once renamed the file is whole and stays:
    // when the disk does not confirm the folder afterwards, advertencia() gives the reason.
    bool colocar();
    // Undoes colocar(): the file that had the final name before has it again, or the name is free
    // when there was none. False when that cannot be done (the file system could not keep the
    // replaced file): the new file then stays in place.
    bool retirar();

    const QString& rutaFinal() const { return rutaFinal_; }
    const QString& rutaTemporal() const { return rutaTemporal_; }
    const QString& error() const { return error_; }
    const QString& advertencia() const { return advertencia_; }

private:
    // Writes what agregar() gathered; false, with error(), when the disk refused it.
    bool volcar();
    bool fallar(int numero);

    QString carpeta_;
    QString rutaFinal_;
    QString rutaTemporal_;
    QString error_;
    QString advertencia_;
    int descriptor_ = -1;
    QByteArray pendiente_;  // parts not yet written, gathered into larger writes
    bool fallo_ = false;
    bool escrito_ = false;
    bool colocado_ = false;
    Anterior anterior_ = Anterior::Ninguno;
    std::optional<QFileDevice::Permissions> permisos_;
};
