#pragma once
// A file read through its own descriptor, so that a failure tells its cause in the program's words
// (textoErrorSistema): QFile says the system's own text, in the session's language. Only a regular
// file is opened: a device (/dev/zero), a pipe or a folder would never end or would block, so it
// is refused before anything reads it.

#include <QIODevice>
#include <QString>

class ArchivoLectura final : public QIODevice {
public:
    explicit ArchivoLectura(QString ruta);
    ~ArchivoLectura() override;

    // Opens the file for reading. False, with errorString(), when it cannot; noEsArchivo() tells
    // when the name is not that of a regular file.
    bool abrir();
    void close() override;
    bool isSequential() const override { return true; }

    const QString& ruta() const { return ruta_; }
    int descriptor() const { return descriptor_; }
    // The size of the open file; -1 when it cannot be known.
    qint64 tamanio() const;
    bool noEsArchivo() const { return noEsArchivo_; }

protected:
    qint64 readData(char* datos, qint64 maximo) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    // Keeps the cause of a failure as errorString(); answers false.
    bool fallar(int numero);

    QString ruta_;
    int descriptor_ = -1;
    bool noEsArchivo_ = false;
};
