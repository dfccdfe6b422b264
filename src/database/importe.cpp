#include "database/importe.h"

#include "database/error_motor.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <limits>

void desbordamientoImporte()
{
    throw ErrorMotor(errores::Desbordamiento, QStringLiteral("Desbordamiento"));
}

namespace {

qint64 enRango(__int128 valor)
{
    if (valor > std::numeric_limits<qint64>::max() || valor < std::numeric_limits<qint64>::min())
        desbordamientoImporte();
    return static_cast<qint64>(valor);
}

// Divides rounding half away from zero.
qint64 dividirRedondeando(__int128 numerador, __int128 divisor)
{
    const bool negativo = (numerador < 0) != (divisor < 0);
    if (numerador < 0) numerador = -numerador;
    if (divisor < 0) divisor = -divisor;
    __int128 cociente = numerador / divisor;
    if ((numerador % divisor) * 2 >= divisor) ++cociente;
    return enRango(negativo ? -cociente : cociente);
}

// numerador / 2^bits rounded to the nearest, ties to the even one.
__int128 dividirPorPotenciaDeDosAlPar(__int128 numerador, int bits)
{
    const bool negativo = numerador < 0;
    const unsigned __int128 absoluto =
        negativo ? -static_cast<unsigned __int128>(numerador) : numerador;
    unsigned __int128 cociente = absoluto >> bits;
    const unsigned __int128 resto = absoluto - (cociente << bits);
    const unsigned __int128 mitad = static_cast<unsigned __int128>(1) << (bits - 1);
    if (resto > mitad || (resto == mitad && (cociente & 1) != 0)) ++cociente;
    return negativo ? -static_cast<__int128>(cociente) : static_cast<__int128>(cociente);
}

qint64 potencia10(int n)
{
    qint64 p = 1;
    while (n-- > 0) p *= 10;
    return p;
}

} // namespace

std::optional<Importe> Importe::leer(QStringView texto, QChar separadorDecimal)
{
    if (texto.isEmpty()) return std::nullopt;
    qsizetype i = 0;
    bool negativo = false;
    if (texto[0] == QLatin1Char('-') || texto[0] == QLatin1Char('+')) {
        negativo = texto[0] == QLatin1Char('-');
        ++i;
    }
    __int128 entero = 0;
    __int128 fraccion = 0;
    int decimales = 0;
    bool hayDigitos = false;
    bool enFraccion = false;
    for (; i < texto.size(); ++i) {
        const QChar c = texto[i];
        if (c.isDigit() && c.unicode() < 128) {
            hayDigitos = true;
            const int d = c.unicode() - '0';
            if (enFraccion) {
                if (decimales < 18) {
                    fraccion = fraccion * 10 + d;
                    ++decimales;
                }
            } else {
                entero = entero * 10 + d;
                if (entero > (__int128)900000000000000LL) return std::nullopt;
            }
        } else if (!enFraccion && (c == separadorDecimal || c == QLatin1Char('.'))) {
            enFraccion = true;
        } else {
            return std::nullopt;
        }
    }
    if (!hayDigitos) return std::nullopt;
    __int128 total = entero * kEscala;
    if (decimales <= 4) {
        total += fraccion * potencia10(4 - decimales);
    } else {
        total += dividirRedondeando(fraccion, potencia10(decimales - 4));
    }
    return Importe(static_cast<qint64>(negativo ? -total : total));
}

Importe Importe::desdeDouble(double valor)
{
    if (!std::isfinite(valor)) desbordamientoImporte();
    if (valor == 0) return {};
    // valor = mantisa * 2^exponente with a whole mantissa of at most 53 bits, so the exact count
    // of ten-thousandths is mantisa * 10^4 * 2^exponente.
    int exponente = 0;
    const double fraccion = std::frexp(valor, &exponente);
    const auto mantisa = static_cast<qint64>(std::ldexp(fraccion, 53));
    exponente -= 53;
    const __int128 escalada = static_cast<__int128>(mantisa) * kEscala;  // below 2^67
    if (exponente >= 0) {
        if (exponente > 60) desbordamientoImporte();
        return Importe(enRango(escalada << exponente));
    }
    // Past 68 bits the value is below half a ten-thousandth.
    if (-exponente > 68) return {};
    return Importe(enRango(dividirPorPotenciaDeDosAlPar(escalada, -exponente)));
}

Importe Importe::desdeColumna(const QVariant& valor)
{
    if (valor.isNull()) return {};
    return Importe(valor.toLongLong());
}

Importe Importe::redondeadoACentavos() const
{
    return Importe(dividirRedondeando(valor_, 100) * 100);
}

Importe Importe::porcentaje(Importe tasa) const
{
    // (a/1e4) * (t/1e4) / 100 = a*t / 1e6, expressed in ten-thousandths: a*t / 1e6.
    return Importe(dividirRedondeando(static_cast<__int128>(valor_) * tasa.valor_, 1000000));
}

Importe Importe::porcentajeEnCentavos(Importe tasa) const
{
    // Ten-thousandths times ten-thousandths of a percent: cents are the product over 10^8.
    return desdeCentavos(
        dividirRedondeando(static_cast<__int128>(valor_) * tasa.valor_, 100000000));
}

QString Importe::formato(QStringView mascara, const QLocale& locale) const
{
    const qsizetype primerMarcador = [&] {
        for (qsizetype i = 0; i < mascara.size(); ++i)
            if (mascara[i] == QLatin1Char('#') || mascara[i] == QLatin1Char('0')) return i;
        return mascara.size();
    }();
    const QString prefijo = mascara.left(primerMarcador).toString();
    const QStringView cuerpo = mascara.mid(primerMarcador);
    const qsizetype punto = cuerpo.indexOf(QLatin1Char('.'));
    const QStringView parteEntera = punto < 0 ? cuerpo : cuerpo.left(punto);
    const int decimales = punto < 0 ? 0 : int(cuerpo.size() - punto - 1);
    const bool agrupar = parteEntera.contains(QLatin1Char(','));
    const int minimoEnteros = int(parteEntera.count(QLatin1Char('0')));

    // Past the fourth decimal every digit is a zero.
    const int exactos = std::min(decimales, 4);
    const qint64 redondeado = dividirRedondeando(valor_, potencia10(4 - exactos));
    const bool negativo = valor_ < 0;
    const quint64 absoluto = negativo ? 0 - quint64(redondeado) : quint64(redondeado);
    const quint64 divisor = quint64(potencia10(exactos));
    QString enteros = QString::number(absoluto / divisor);
    if (enteros == QLatin1String("0") && minimoEnteros == 0) enteros.clear();
    while (enteros.size() < minimoEnteros) enteros.prepend(QLatin1Char('0'));
    if (agrupar) {
        const QString grupo = locale.groupSeparator();
        for (qsizetype pos = enteros.size() - 3; pos > 0; pos -= 3) enteros.insert(pos, grupo);
    }
    QString texto = prefijo + enteros;
    if (decimales > 0) {
        texto += locale.decimalPoint();
        texto += QString::number(absoluto % divisor).rightJustified(exactos, QLatin1Char('0'));
        texto += QString(decimales - exactos, QLatin1Char('0'));
    }
    return negativo ? QLatin1Char('-') + texto : texto;
}

QString Importe::conPunto(int decimales) const
{
    QString mascara = QStringLiteral("0");
    if (decimales > 0) mascara += QLatin1Char('.') + QString(decimales, QLatin1Char('0'));
    return formato(mascara, QLocale::c());
}

bool Importe::esDemasiadoGrande(QStringView texto, QChar separadorDecimal)
{
    if (texto.isEmpty() || leer(texto, separadorDecimal)) return false;
    qsizetype i = (texto[0] == QLatin1Char('-') || texto[0] == QLatin1Char('+')) ? 1 : 0;
    int enteros = 0;
    bool separador = false;
    for (; i < texto.size(); ++i) {
        const QChar c = texto[i];
        if (c.isDigit() && c.unicode() < 128) {
            if (!separador) ++enteros;
        } else if (!separador && (c == separadorDecimal || c == QLatin1Char('.'))) {
            separador = true;
        } else {
            return false;
        }
    }
    return enteros > 0;
}
