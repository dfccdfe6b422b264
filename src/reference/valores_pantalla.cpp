#include "reference/valores_pantalla.h"

#include <QLocale>
#include <utility>
#include <QRegularExpression>

namespace pantalla {

namespace {

const QString kMascaraTasa = QStringLiteral("#0.00");
const QString kMascaraValor = QStringLiteral("$ #,##0.00");

} // namespace

std::optional<QDate> leerFecha(const QString& texto)
{
    static const QRegularExpression patron(
        QStringLiteral("^\\s*(\\d{1,2})/(\\d{1,2})/(\\d{4})\\s*$"));
    const auto partes = patron.match(texto);
    if (!partes.hasMatch()) return std::nullopt;
    const QDate f(partes.captured(3).toInt(), partes.captured(2).toInt(),
                  partes.captured(1).toInt());
    if (!f.isValid()) return std::nullopt;
    return f;
}

QString fecha(const QDate& f)
{
    return f.isValid() ? f.toString(QStringLiteral("dd/MM/yyyy")) : QString();
}

QString fechaDesdeColumna(const QVariant& v)
{
    return fecha(QDate::fromString(v.toString().left(10), Qt::ISODate));
}

QString tasa(Importe v)
{
    return v.formato(kMascaraTasa, QLocale());
}

QString tasaDesdeColumna(const QVariant& v)
{
    return tasa(Importe::desdeColumna(v));
}

EstadoTasa controlarTasa(const QString& texto, QChar separadorDecimal)
{
    const auto leida = Importe::leer(texto.trimmed(), separadorDecimal);
    if (!leida || leida->esNegativo()) return EstadoTasa::NoEsNumero;
    if (*leida > kTasaMaxima) return EstadoTasa::SuperaMaximo;
    return EstadoTasa::Valida;
}

QString mensajeTasaMaxima()
{
    return QStringLiteral("El valor ingresado supera el máximo permitido (") + tasa(kTasaMaxima)
        + QStringLiteral(").");
}

QString valor(Importe v)
{
    return v.formato(kMascaraValor, QLocale());
}

QString valorDesdeColumna(const QVariant& v)
{
    return valor(Importe::desdeColumna(v));
}

namespace {

// The text as Importe reads it, and the decimal separator to read it with.
std::pair<QString, QChar> comoValor(const QString& texto, QChar separadorDecimal)
{
    QString limpio = texto.trimmed();
    if (!limpio.startsWith(QLatin1Char('$'))) return {limpio, separadorDecimal};
    // As the box shows it: the sign, a blank and the thousands grouped.
    limpio = limpio.mid(1).trimmed();
    limpio.remove(QLocale().groupSeparator());
    return {limpio, QLocale().decimalPoint().at(0)};
}

} // namespace

std::optional<Importe> leerValor(const QString& texto, QChar separadorDecimal)
{
    const auto [limpio, separador] = comoValor(texto, separadorDecimal);
    return Importe::leer(limpio, separador);
}

bool valorDemasiadoGrande(const QString& texto, QChar separadorDecimal)
{
    const auto [limpio, separador] = comoValor(texto, separadorDecimal);
    return Importe::esDemasiadoGrande(limpio, separador);
}

} // namespace pantalla
