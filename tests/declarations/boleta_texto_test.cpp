// The slip's text: the prefix and the amount to pay in words.

#include "declarations/boleta_texto.h"

#include <gtest/gtest.h>

namespace {

Importe imp(const char* texto)
{
    return *Importe::leer(QString::fromLatin1(texto));
}

TEST(BoletaTexto, ImporteEnLetras)
{
    const struct {
        const char* neto;
        const char* interes;
        const char* palabras;
    } casos[] = {
        {"0", "0", " CERO CON 00/100"},
        {"0", "12.34", " CERO CON 00/100"},  // a zero net carries no interest
        {"0.75", "0", "  CON 75/100"},       // nothing before " CON " below one peso
        {"1", "0", " UNO CON 00/100"},
        {"1234.50", "0", " UN MIL DOSCIENTOS TREINTA Y CUATRO CON 50/100"},
        {"1234.56", "12.34", " UN MIL DOSCIENTOS CUARENTA Y SEIS CON 90/100"},
        {"21000", "0.01", " VEINTIUN MIL CON 01/100"},
        {"1000000", "0", " UN MILLON CON 00/100"},
        {"999999999.99", "0",
         " NOVECIENTOS NOVENTA Y NUEVE MILLONES NOVECIENTOS NOVENTA Y NUEVE MIL NOVECIENTOS "
         "NOVENTA Y NUEVE CON 99/100"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.neto);
        EXPECT_EQ(importeEnLetras(imp(c.neto), imp(c.interes)),
                  QString::fromLatin1(c.palabras));
    }
}

TEST(BoletaTexto, SinPalabrasParaImportesQueNoSePuedenEscribir)
{
    EXPECT_FALSE(importeEnLetras(imp("999999999.99"), imp("0.01")));
    EXPECT_FALSE(importeEnLetras(imp("-10"), imp("0")));
    EXPECT_FALSE(importeEnLetras(imp("999999999.995"), imp("0")));  // rounds up to ten digits
}

TEST(BoletaTexto, Prefijo)
{
    const QString blancos(15, QLatin1Char(' '));
    EXPECT_EQ(prefijoBoleta(false, imp("0")), QStringLiteral("Sin Movimientos"));
    EXPECT_EQ(prefijoBoleta(true, imp("0")), blancos);  // every row annulled
    EXPECT_EQ(prefijoBoleta(false, imp("12.00")), blancos);
    // The whole number is taken with ties to even: 0.50 is 0, 1.50 is 2.
    EXPECT_EQ(prefijoBoleta(false, imp("0.50")), QStringLiteral("Sin Movimientos"));
    EXPECT_EQ(prefijoBoleta(false, imp("0.51")), blancos);
    EXPECT_EQ(prefijoBoleta(false, imp("-0.50")), QStringLiteral("Sin Movimientos"));
    EXPECT_EQ(kSinMovimientos.size(), 15);
}

} // namespace
