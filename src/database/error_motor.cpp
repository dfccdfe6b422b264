#include "database/error_motor.h"

#include "database/texto_error_motor.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>

#include <sqlite3.h>

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

// What an engine's text names of the schema: the table and field of "UNIQUE constraint failed:
// Agentes.Nro_Agente", the table of "table Agentes already exists". The engine's own words around
// the names are English and are not shown.
QString nombrados(const QString& texto)
{
    static const QRegularExpression forma(
        QStringLiteral("^(?:[A-Z ]+ constraint failed: (.+)|duplicate column name: (.+)|"
                       "(?:table|index) (.+) already exists)$"));
    const QRegularExpressionMatch hallado = forma.match(texto);
    for (int grupo = 1; grupo <= 3; ++grupo)
        if (hallado.hasCaptured(grupo)) return hallado.captured(grupo);
    return {};
}

// What a refused value's message shows in parentheses: the names the engine gave, the message of
// the schema's own rule (a trigger's), or the words for the code.
QString detalleRestriccion(const QString& texto, int codigo)
{
    if (QString nombres = nombrados(texto); !nombres.isEmpty()) return nombres;
    if (codigo == SQLITE_CONSTRAINT_TRIGGER && !texto.isEmpty()) return texto;
    return textoErrorMotor(codigo);
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
                    .arg(carpetaDe(ruta), nombreArchivo(ruta), textoErrorMotor(codigo))};
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
        || codigo == SQLITE_CONSTRAINT_UNIQUE || codigo == SQLITE_CONSTRAINT_PRIMARYKEY)
        return {errores::ClaveRepetida,
                QStringLiteral("No se pudo guardar: el valor repite la clave de otro registro (%1).")
                    .arg(detalleRestriccion(texto, codigo))};
    if (texto.contains(QLatin1String("NOT NULL constraint failed")))
        return {errores::CampoRequerido, QStringLiteral("Falta el valor de un campo requerido (%1).")
                                             .arg(detalleRestriccion(texto, codigo))};
    if (texto.contains(QLatin1String("CHECK constraint failed")) || primario == kConstraint)
        return {errores::ReglaValidacion, QStringLiteral("Un valor no cumple la regla de su campo (%1).")
                                              .arg(detalleRestriccion(texto, codigo))};
    if (texto.startsWith(QLatin1String("table ")) && texto.contains(QLatin1String("already exists")))
        return {errores::TablaExiste, QStringLiteral("La tabla ya existe (%1).").arg(nombrados(texto))};
    if (texto.startsWith(QLatin1String("index ")) && texto.contains(QLatin1String("already exists")))
        return {errores::IndiceExiste, QStringLiteral("El índice ya existe (%1).").arg(nombrados(texto))};
    if (texto.startsWith(QLatin1String("duplicate column name")))
        return {errores::CampoExiste, QStringLiteral("El campo ya existe (%1).").arg(nombrados(texto))};
    // A sum that does not fit in 64 bits, as an amount's own arithmetic reports it.
    if (texto == QLatin1String("integer overflow"))
        return {errores::Desbordamiento, QStringLiteral("Desbordamiento")};
    if (primario == kCantOpen)
        return {errores::BaseNoEncontrada, QStringLiteral("No se pudo abrir el archivo de base de "
                                                          "datos (%1).")
                                               .arg(textoErrorMotor(codigo))};
    // The engine's text is English; the program says the code's meaning in its own words.
    if (codigo <= 0) return {errores::ErrorGeneral, QStringLiteral("Error de la base de datos.")};
    QString causa = textoErrorMotor(codigo);
    causa[0] = causa[0].toUpper();
    return {codigo, causa + QLatin1Char('.')};
}
