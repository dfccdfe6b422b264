#include "database/error_motor.h"

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

ErrorMotor traducirError(const QSqlError& error)
{
    const QString texto = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    const int codigo = error.nativeErrorCode().toInt();
    const int primario = codigo & 0xff;
    constexpr int kConstraint = 19;
    constexpr int kCantOpen = 14;

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
    if (primario == kCantOpen)
        return {errores::BaseNoEncontrada,
                QStringLiteral("No se pudo abrir el archivo de base de datos (%1).").arg(texto)};
    return {codigo > 0 ? codigo : errores::ErrorGeneral,
            texto.isEmpty() ? QStringLiteral("Error de la base de datos.") : texto};
}
