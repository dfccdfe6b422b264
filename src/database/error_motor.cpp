#include "database/error_motor.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>

ErrorMotor::ErrorMotor(int numero, QString descripcion)
    : std::runtime_error(QStringLiteral("%1 - %2").arg(numero).arg(descripcion).toStdString()),
      numero_(numero),
      descripcion_(std::move(descripcion))
{
}

QString ErrorMotor::textoGuion() const
{
    return QStringLiteral("%1 - %2").arg(numero_).arg(descripcion_);
}

QString ErrorMotor::textoDosPuntos() const
{
    return QStringLiteral("%1: %2").arg(numero_).arg(descripcion_);
}

QString ErrorMotor::textoBlanco() const
{
    return QStringLiteral("%1 %2").arg(numero_).arg(descripcion_);
}

bool ErrorMotor::esClaveRepetida() const
{
    return numero_ == errores::ClaveRepetida || numero_ == errores::ClaveRepetidaIndice;
}

bool ErrorMotor::esDelEntorno() const
{
    switch (numero_) {
    case errores::DiscoLleno:
    case errores::SoloLectura:
    case errores::ErrorDisco:
    case errores::BaseDaniada:
    case errores::BaseOcupada:
        return true;
    default:
        return false;
    }
}

namespace {

QString nombreArchivo(const QString& ruta)
{
    return ruta.isEmpty() ? QStringLiteral("BDR.mdb") : QFileInfo(ruta).fileName();
}

QString carpetaDe(const QString& ruta)
{
    return QDir::toNativeSeparators(ruta.isEmpty() ? QDir::currentPath()
                                                   : QFileInfo(ruta).absolutePath());
}

} // namespace

ErrorMotor traducirError(const QSqlError& error, const QString& ruta)
{
    const QString texto = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    const int codigo = error.nativeErrorCode().toInt();
    const int primario = codigo & 0xff;
    constexpr int kConstraint = 19;
    constexpr int kCantOpen = 14;
    constexpr int kBusy = 5;
    constexpr int kLocked = 6;
    constexpr int kReadOnly = 8;
    constexpr int kIoErr = 10;
    constexpr int kCorrupt = 11;
    constexpr int kFull = 13;
    constexpr int kNotADb = 26;

    switch (primario) {
    case kBusy:
    case kLocked:
        return {errores::BaseOcupada,
                QStringLiteral("La base de datos '%1' está en uso por otro programa (por ejemplo, "
                               "una copia de seguridad que la está leyendo). No se guardó nada: "
                               "espere a que termine y vuelva a intentarlo.")
                    .arg(nombreArchivo(ruta))};
    case kFull:
        return {errores::DiscoLleno,
                QStringLiteral("No queda espacio en el disco (disco lleno) de la carpeta '%1'. "
                               "No se guardó nada: libere espacio en ese disco y vuelva a "
                               "intentarlo.")
                    .arg(carpetaDe(ruta))};
    case kReadOnly:
        return {errores::SoloLectura,
                QStringLiteral("No se puede escribir en la base de datos '%1' de la carpeta '%2' "
                               "(el archivo o la carpeta son de sólo lectura). No se guardó nada.")
                    .arg(nombreArchivo(ruta), carpetaDe(ruta))};
    case kIoErr:
        return {errores::ErrorDisco,
                QStringLiteral("El disco de la carpeta '%1' no pudo leer o escribir la base de "
                               "datos '%2' (%3). No se guardó nada.")
                    .arg(carpetaDe(ruta), nombreArchivo(ruta), texto)};
    case kCorrupt:
    case kNotADb:
        return {errores::BaseDaniada,
                QStringLiteral("El archivo '%1' de la carpeta '%2' está dañado o no es una base "
                               "de datos de este programa. Reemplácelo por su última copia de "
                               "seguridad.")
                    .arg(nombreArchivo(ruta), carpetaDe(ruta))};
    default:
        break;
    }

    if (texto.contains(QLatin1String("UNIQUE constraint failed"))
        || codigo == 2067 /* SQLITE_CONSTRAINT_UNIQUE */
        || codigo == 1555 /* SQLITE_CONSTRAINT_PRIMARYKEY */)
        return {errores::ClaveRepetida,
                QStringLiteral("No se pudo guardar: el valor repite la clave de otro registro (%1).")
                    .arg(texto)};
    if (texto.contains(QLatin1String("NOT NULL constraint failed")))
        return {errores::CampoRequerido,
                QStringLiteral("Falta el valor de un campo requerido (%1).").arg(texto)};
    if (texto.contains(QLatin1String("CHECK constraint failed")) || primario == kConstraint)
        return {errores::ReglaValidacion,
                QStringLiteral("Un valor no cumple la regla de su campo (%1).").arg(texto)};
    if (texto.startsWith(QLatin1String("table ")) && texto.contains(QLatin1String("already exists")))
        return {errores::TablaExiste, QStringLiteral("La tabla ya existe (%1).").arg(texto)};
    if (texto.startsWith(QLatin1String("index ")) && texto.contains(QLatin1String("already exists")))
        return {errores::IndiceExiste, QStringLiteral("El índice ya existe (%1).").arg(texto)};
    if (texto.startsWith(QLatin1String("duplicate column name")))
        return {errores::CampoExiste, QStringLiteral("El campo ya existe (%1).").arg(texto)};
    // A sum that does not fit in 64 bits, as an amount's own arithmetic reports it.
    if (texto == QLatin1String("integer overflow"))
        return {errores::Desbordamiento, QStringLiteral("Desbordamiento")};
    if (primario == kCantOpen)
        return {errores::BaseNoEncontrada,
                QStringLiteral("No se pudo abrir el archivo de base de datos (%1).").arg(texto)};
    return {codigo > 0 ? codigo : errores::ErrorGeneral,
            texto.isEmpty() ? QStringLiteral("Error de la base de datos.") : texto};
}
