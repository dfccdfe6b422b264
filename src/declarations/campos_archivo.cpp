#include "declarations/campos_archivo.h"

#include "platform/windows_1252.h"

#include <QLocale>
#include <cmath>

namespace campo_archivo {

namespace {

QString relleno(qint64 n, int digitos)
{
    const QString cifras = QString::number(n < 0 ? -n : n).rightJustified(digitos, QLatin1Char('0'));
    return n < 0 ? QLatin1Char('-') + cifras : cifras;
}

} // namespace

QString texto(const QVariant& valor, int ancho)
{
    const QString s = valor.isNull() ? QString() : valor.toString();
    // Padded by the bytes the file will hold: a character that takes two units here is one byte.
    const qsizetype bytes = largoWindows1252(s);
    return bytes >= ancho ? s : s + QString(ancho - bytes, QLatin1Char(' '));
}

QString cero(int ancho)
{
    return QStringLiteral("0").leftJustified(ancho, QLatin1Char(' '));
}

std::optional<QString> entero(const QVariant& valor, int digitos)
{
    if (valor.isNull()) return std::nullopt;
    switch (valor.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return relleno(std::llround(valor.toDouble()), digitos);
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return relleno(valor.toLongLong(), digitos);
    default:
        break;
    }
    const QString texto = valor.toString().trimmed();
    if (texto.isEmpty()) return std::nullopt;
    bool esNumero = false;
    const qint64 n = texto.toLongLong(&esNumero);
    if (esNumero) return relleno(n, digitos);
    const double d = texto.toDouble(&esNumero);
    if (esNumero) return relleno(std::llround(d), digitos);
    return valor.toString();
}

std::optional<QString> entero(std::optional<qint64> valor, int digitos)
{
    if (!valor) return std::nullopt;
    return relleno(*valor, digitos);
}

std::optional<QString> entero(std::optional<double> valor, int digitos)
{
    if (!valor) return std::nullopt;
    return relleno(std::llround(*valor), digitos);
}

QString importe(Importe valor, int enteros, const QLocale& locale)
{
    return valor.formato(QString(enteros, QLatin1Char('0')) + QStringLiteral(".00"), locale);
}

std::optional<QString> importe(const std::optional<Importe>& valor, int enteros,
                               const QLocale& locale)
{
    if (!valor) return std::nullopt;
    return importe(*valor, enteros, locale);
}

QString importeCero(int enteros)
{
    return QString(enteros, QLatin1Char('0')) + QStringLiteral(".00");
}

} // namespace campo_archivo
