#pragma once
// Exact fixed-point amounts: a 64-bit count of ten-thousandths, as the currency columns hold them.
// Rates (percentages) are kept the same way. No amount goes through a double on its way to storage.
// A result that does not fit in the count is never wrapped into a wrong amount: the operation
// throws ErrorMotor with errores::Desbordamiento ("Desbordamiento").

#include <QChar>
#include <QString>
#include <QStringView>
#include <QVariant>
#include <compare>
#include <optional>

class QLocale;

// Throws the overflow error of an amount operation.
[[noreturn]] void desbordamientoImporte();

class Importe {
public:
    static constexpr qint64 kEscala = 10000;

    constexpr Importe() = default;

    static constexpr Importe desdeDiezmilesimos(qint64 valor) { return Importe(valor); }
    static constexpr Importe desdeCentavos(qint64 centavos)
    {
        return Importe(producto(centavos, 100));
    }
    static constexpr Importe desdeEntero(qint64 unidades)
    {
        return Importe(producto(unidades, kEscala));
    }
    // The exact value of a floating-point number to four decimals, ties to the even digit (0.00765,
    // held as 0.0076500000000000005, is 0.0077). Infinite, not-a-number and out-of-range values
    // are an overflow.
    static Importe desdeDouble(double valor);

    // Reads a typed or stored number: optional sign, digits, at most one decimal separator (the
    // one given, or "." always), up to four decimals (more are rounded half away from zero).
    // Thousands separators and blanks are not accepted. Nothing on anything else.
    static std::optional<Importe> leer(QStringView texto, QChar separadorDecimal = QLatin1Char('.'));
    // Whether `texto` is written as leer() reads a number but is too large to be an amount, so
    // that the user hears that rather than that it is no number.
    static bool esDemasiadoGrande(QStringView texto, QChar separadorDecimal = QLatin1Char('.'));

    // A stored column value: an integer count of ten-thousandths (null reads as zero).
    static Importe desdeColumna(const QVariant& valor);
    QVariant aColumna() const { return QVariant::fromValue<qint64>(valor_); }

    constexpr qint64 diezmilesimos() const { return valor_; }
    constexpr bool esCero() const { return valor_ == 0; }
    constexpr bool esNegativo() const { return valor_ < 0; }

    // Rounded to cents, half away from zero (what the format "########0.00" does).
    Importe redondeadoACentavos() const;
    qint64 centavos() const { return redondeadoACentavos().valor_ / 100; }

    // this * porcentaje / 100, exact, rounded half away from zero to ten-thousandths.
    Importe porcentaje(Importe tasa) const;
    // The same product rounded once, straight to cents (0.99 at 0.5 % is 0.00495: 0.00, never the
    // 0.01 that rounding through ten-thousandths first would give). What a receipt withholds.
    Importe porcentajeEnCentavos(Importe tasa) const;

    // Formats with a mask of the kind "########0.00", "###,###,##0.00" or "$ #,##0.00": literal
    // text before the first digit placeholder is kept, a "," asks for thousands grouping, the
    // count of placeholders after "." gives the decimals, the "0" before it the minimum digits.
    // Separators are those of the locale. Decimals beyond the fourth are zeros. A negative value
    // keeps its "-" even when it shows as zero ("-0,00").
    QString formato(QStringView mascara, const QLocale& locale) const;
    // "########0.00" with a point, as the agency's files carry numbers.
    QString conPunto(int decimales = 2) const;

    constexpr Importe operator-() const { return Importe(producto(valor_, -1)); }
    constexpr Importe operator+(Importe o) const { return Importe(suma(valor_, o.valor_)); }
    constexpr Importe operator-(Importe o) const { return Importe(resta(valor_, o.valor_)); }
    constexpr Importe& operator+=(Importe o) { return *this = *this + o; }
    constexpr Importe& operator-=(Importe o) { return *this = *this - o; }
    constexpr Importe operator*(qint64 n) const { return Importe(producto(valor_, n)); }
    constexpr auto operator<=>(const Importe&) const = default;

private:
    constexpr explicit Importe(qint64 valor) : valor_(valor) {}

    static constexpr qint64 suma(qint64 a, qint64 b)
    {
        qint64 r = 0;
        if (__builtin_add_overflow(a, b, &r)) desbordamientoImporte();
        return r;
    }
    static constexpr qint64 resta(qint64 a, qint64 b)
    {
        qint64 r = 0;
        if (__builtin_sub_overflow(a, b, &r)) desbordamientoImporte();
        return r;
    }
    static constexpr qint64 producto(qint64 a, qint64 b)
    {
        qint64 r = 0;
        if (__builtin_mul_overflow(a, b, &r)) desbordamientoImporte();
        return r;
    }

    qint64 valor_ = 0;
};
