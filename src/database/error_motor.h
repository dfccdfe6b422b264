#pragma once
// Database failures carry the error numbers the forms react to and their messages show (3022 for a
// duplicate key, ...). SQLite's own conditions are mapped here, once, to those numbers; the messages
// say the engine's cause in the program's words (texto_error_motor.h), never in the engine's own
// English text.

#include <QString>
#include <stdexcept>

class QSqlError;

namespace errores {
constexpr int Desbordamiento = 6;         // a number that does not fit where it must be held
constexpr int ClaveRepetida = 3022;       // duplicate value in a unique index
constexpr int ClaveRepetidaIndice = 524;  // the same condition, as some forms know it
constexpr int TablaExiste = 3010;
constexpr int CampoExiste = 3191;
constexpr int IndiceExiste = 3284;
constexpr int BaseNoEncontrada = 3024;
constexpr int ObjetoCerrado = 3420;
constexpr int ArchivoNoEncontrado = 53;
constexpr int AccesoArchivo = 75;         // a file that could not be read or written
constexpr int CampoRequerido = 3314;      // a required field left without a value
constexpr int ReglaValidacion = 3317;     // a value refused by a field's rule (length, empty text)
constexpr int ErrorGeneral = 3000;
// Conditions of the disk or of another program rather than of the data: the operation that meets
// one stops, keeps nothing, and the user hears the cause.
constexpr int DiscoLleno = 3026;          // no space left on the data folder's disk
constexpr int SoloLectura = 3027;         // the file or its folder cannot be written
constexpr int ErrorDisco = 3040;          // the disk failed to read or write
constexpr int BaseDaniada = 3049;         // the file is damaged or is not a database at all
constexpr int BaseOcupada = 3260;         // another program holds the file (a backup copying it)
} // namespace errores

class ErrorMotor : public std::runtime_error {
public:
    ErrorMotor(int numero, QString descripcion);

    int numero() const { return numero_; }
    const QString& descripcion() const { return descripcion_; }

    // "3022 - description", as start-up and shutdown show an unexpected error.
    QString textoGuion() const;
    // "3022: description", as the schema builders show their failures.
    QString textoDosPuntos() const;
    // "3022 description", as the record forms show an unexpected error while saving.
    QString textoBlanco() const;

    bool esClaveRepetida() const;
    // A condition of the disk, the file or another program: nothing the user typed is at fault,
    // and no later statement of the same operation can be trusted to land.
    bool esDelEntorno() const;

private:
    int numero_;
    QString descripcion_;
};

// Translates a failure reported by the SQLite driver into those numbers. `ruta`, the
// database file, is named by the messages of the conditions that concern the file or its folder.
ErrorMotor traducirError(const QSqlError& error, const QString& ruta = {});
