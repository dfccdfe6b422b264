#pragma once
// Database failures carry the engine error numbers the forms react to. SQLite's own conditions
// are mapped here, once, to those numbers.

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

private:
    int numero_;
    QString descripcion_;
};

// Translates a failure reported by the SQLite driver into the engine's numbering.
ErrorMotor traducirError(const QSqlError& error);
