#include "database/importe.h"

#include <QLocale>
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
        if (leido) EXPECT_EQ(leido->diezmilesimos(), *c.diezmilesimos) << c.texto;
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
    EXPECT_EQ((-*Importe::leer(u"0.004")).formato(u"0.00", c), QStringLiteral("0.00"));
    EXPECT_EQ((-*Importe::leer(u"5.5")).formato(u"$ #,##0.00", ar), QStringLiteral("-$ 5,50"));
    EXPECT_EQ(Importe::desdeEntero(42).conPunto(), QStringLiteral("42.00"));
}

} // namespace
