#include "database/importe.h"

#include "database/error_motor.h"

#include <QLocale>
#include <cmath>
#include <functional>
#include <limits>
#include <gtest/gtest.h>

namespace {

struct CasoLectura {
    const char* texto;
    char separador;
    std::optional<qint64> diezmilesimos;
};

TEST(Importe, LeeTextosTipeadosYGuardados)
{
    const CasoLectura casos[] = {
        {"1234,56", ',', 12345600},   {"1234.56", ',', 12345600}, {"0,5", ',', 5000},
        {"-150", ',', -1500000},      {"12,34567", ',', 123457},  {"12,34565", ',', 123457},
        {"-12,34565", ',', -123457},  {",5", ',', 5000},          {"7", '.', 70000},
        {"", ',', std::nullopt},      {"1.234,56", ',', std::nullopt},
        {"12a", ',', std::nullopt},   {"-", ',', std::nullopt},   {"1 000", ',', std::nullopt},
    };
    for (const CasoLectura& c : casos) {
        const auto leido = Importe::leer(QString::fromLatin1(c.texto), QLatin1Char(c.separador));
        ASSERT_EQ(leido.has_value(), c.diezmilesimos.has_value()) << c.texto;
        if (leido) { EXPECT_EQ(leido->diezmilesimos(), *c.diezmilesimos) << c.texto; }
    }
}

TEST(Importe, RedondeaACentavosLejosDelCero)
{
    const std::pair<qint64, qint64> casos[] = {
        {12345, 12300}, {12350, 12400}, {12349, 12300}, {-12350, -12400}, {-12349, -12300}, {0, 0},
    };
    for (auto [entrada, esperado] : casos)
        EXPECT_EQ(Importe::desdeDiezmilesimos(entrada).redondeadoACentavos().diezmilesimos(),
                  esperado)
            << entrada;
}

TEST(Importe, PorcentajeExacto)
{
    // 1000.00 at 2.5 % is 25.00; 333.33 at 1.75 % is 5.833275, kept to ten-thousandths (5.8333).
    EXPECT_EQ(Importe::desdeEntero(1000).porcentaje(*Importe::leer(u"2.5")).diezmilesimos(), 250000);
    EXPECT_EQ(Importe::leer(u"333.33")->porcentaje(*Importe::leer(u"1.75")).diezmilesimos(), 58333);
    EXPECT_EQ((-Importe::desdeEntero(150)).porcentaje(*Importe::leer(u"3")).diezmilesimos(), -45000);
}

TEST(Importe, FormatosDeLasMascaras)
{
    const QLocale ar(QLocale::Spanish, QLocale::Argentina);
    const QLocale c = QLocale::c();
    const Importe mil = *Importe::leer(u"1234567.505");
    EXPECT_EQ(mil.formato(u"########0.00", ar), QStringLiteral("1234567,51"));
    EXPECT_EQ(mil.formato(u"$ #,##0.00", ar), QStringLiteral("$ 1.234.567,51"));
    EXPECT_EQ(Importe().formato(u"########0.00", ar), QStringLiteral("0,00"));
    EXPECT_EQ(Importe::desdeEntero(42).formato(u"000", c), QStringLiteral("042"));
    EXPECT_EQ((-*Importe::leer(u"5.5")).formato(u"$ #,##0.00", ar), QStringLiteral("-$ 5,50"));
    EXPECT_EQ(Importe::desdeEntero(42).conPunto(), QStringLiteral("42.00"));
}

TEST(Importe, NegativoQueSeMuestraCeroConservaSuSigno)
{
    const QLocale ar(QLocale::Spanish, QLocale::Argentina);
    const std::pair<const char*, const char*> casos[] = {
        {"-0.0039", "-0,00"}, {"-0.004", "-0,00"}, {"-0.0001", "-0,00"}, {"-0.005", "-0,01"},
        {"0.0039", "0,00"},   {"0", "0,00"},
    };
    for (const auto& [valor, esperado] : casos)
        EXPECT_EQ(Importe::leer(QString::fromLatin1(valor))->formato(u"########0.00", ar),
                  QString::fromUtf8(esperado))
            << valor;
    EXPECT_EQ(Importe::leer(u"-0.0039")->formato(u"$ #,##0.00", ar), QStringLiteral("-$ 0,00"));
    EXPECT_EQ(Importe::leer(u"-0.0039")->formato(u"000000000.00", ar),
              QStringLiteral("-000000000,00"));
}

TEST(Importe, MascarasDeMasDeCuatroDecimales)
{
    const QLocale c = QLocale::c();
    const std::tuple<const char*, const char*, const char*> casos[] = {
        {"0.0123", "0.000000", "0.012300"},
        {"-1234.5678", "#,##0.00000", "-1,234.56780"},
        {"7", "0.00000000", "7.00000000"},
        {"0.0123", "0.0000", "0.0123"},
        {"0.0123", "0.000", "0.012"},
    };
    for (const auto& [valor, mascara, esperado] : casos)
        EXPECT_EQ(Importe::leer(QString::fromLatin1(valor))->formato(QString::fromLatin1(mascara), c),
                  QString::fromLatin1(esperado))
            << valor << " " << mascara;
}

// The exact value of a double, to four decimals, ties to even.
TEST(Importe, DesdeDoubleRedondeaSuValorExactoAlPar)
{
    const std::pair<double, qint64> casos[] = {
        {0.0076500000000000005, 77},  // the double 0.00765 lies above the tie
        {953.5949499999999, 9535949}, // this one below it
        {0.03125, 312},               // exact ties (1/32, 3/32) go to the even digit
        {0.09375, 938},
        {-0.03125, -312},
        {-0.0076500000000000005, -77},
        {0.00005, 1},                 // held as 0.0000500000000000000024
        {1e-30, 0},
        {-0.0, 0},
        {123456.78, 1234567800},
        {9e14, 9000000000000000000},
        {-9e14, -9000000000000000000},
    };
    for (const auto& [valor, diezmilesimos] : casos)
        EXPECT_EQ(Importe::desdeDouble(valor).diezmilesimos(), diezmilesimos) << valor;
}

// Past the 64-bit count an operation is an error, never a wrapped amount.
TEST(Importe, DesbordamientoEsUnError)
{
    const Importe maximo = Importe::desdeDiezmilesimos(std::numeric_limits<qint64>::max());
    const Importe minimo = Importe::desdeDiezmilesimos(std::numeric_limits<qint64>::min());
    const Importe uno = Importe::desdeDiezmilesimos(1);
    const std::pair<const char*, std::function<Importe()>> casos[] = {
        {"porcentaje al 200 %", [&] { return maximo.porcentaje(Importe::desdeEntero(200)); }},
        {"porcentaje en centavos al 200 %",
         [&] { return maximo.porcentajeEnCentavos(Importe::desdeEntero(200)); }},
        {"porcentaje en centavos al 101 %",
         [&] { return maximo.porcentajeEnCentavos(Importe::desdeEntero(101)); }},
        {"suma", [&] { return maximo + uno; }},
        {"resta", [&] { return minimo - uno; }},
        {"acumulado", [&] { Importe t = maximo; t += uno; return t; }},
        {"descuento", [&] { Importe t = minimo; t -= uno; return t; }},
        {"producto", [&] { return maximo * 2; }},
        {"opuesto del minimo", [&] { return -minimo; }},
        {"centavos", [] { return Importe::desdeCentavos(std::numeric_limits<qint64>::max() / 10); }},
        {"unidades", [] { return Importe::desdeEntero(std::numeric_limits<qint64>::max() / 1000); }},
        {"double mayor que el maximo", [] { return Importe::desdeDouble(922337203685477.5807); }},
        {"double infinito", [] { return Importe::desdeDouble(HUGE_VAL); }},
        {"double no numerico", [] { return Importe::desdeDouble(std::nan("")); }},
    };
    for (const auto& [nombre, operacion] : casos) {
        SCOPED_TRACE(nombre);
        try {
            const Importe resultado = operacion();
            ADD_FAILURE() << "dio " << resultado.diezmilesimos();
        } catch (const ErrorMotor& error) {
            EXPECT_EQ(error.numero(), errores::Desbordamiento);
            EXPECT_EQ(error.descripcion(), QStringLiteral("Desbordamiento"));
        }
    }
    // Up to the limit it still works.
    EXPECT_EQ(maximo.porcentaje(Importe::desdeEntero(100)), maximo);
    EXPECT_EQ((maximo - uno + uno), maximo);
    EXPECT_EQ(maximo.formato(u"0.0000", QLocale::c()), QStringLiteral("922337203685477.5807"));
    EXPECT_EQ(minimo.formato(u"0.0000", QLocale::c()), QStringLiteral("-922337203685477.5808"));
}

} // namespace
