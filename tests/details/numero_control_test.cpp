// The control number of a stamp remittance, computed from the figures the user types.

#include "details/numero_control.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

TEST(NumeroControl, DeLasCifrasDeLaRemesa)
{
    struct Caso {
        const char* nombre;
        RemesaTipeada remesa;
        qint64 control;
    };
    const Caso casos[] = {
        {"usual", {u"123456"_s, u"1"_s, u"A"_s, u"1"_s, u"1000"_s}, 373917},
        {"otra letra", {u"123456"_s, u"1"_s, u"B"_s, u"1"_s, u"1000"_s}, 374113},
        {"otra remesa", {u"123456"_s, u"2"_s, u"A"_s, u"1"_s, u"1000"_s}, 374061},
        {"agente con ceros, tipo Z", {u"000001"_s, u"1"_s, u"Z"_s, u"1"_s, u"1"_s}, 373198},
        {"rango de siete cifras", {u"300001"_s, u"45"_s, u"D"_s, u"1234567"_s, u"1234999"_s},
         409760},
        // Seven digits do not fit the remittance's six: all are written, and the rest shifts.
        {"remesa más ancha", {u"123456"_s, u"1234567"_s, u"A"_s, u"1"_s, u"1000"_s}, 418014},
        // Leading zeros typed in a figure are the same number.
        {"ceros tipeados", {u"123456"_s, u"0001"_s, u"A"_s, u"00001"_s, u"01000"_s}, 373917},
    };
    for (const Caso& c : casos) EXPECT_EQ(numeroControlRemesa(c.remesa), c.control) << c.nombre;
}

TEST(NumeroControl, CadaCifraCambiaElControl)
{
    const RemesaTipeada base{u"123456"_s, u"1"_s, u"A"_s, u"1"_s, u"1000"_s};
    const qint64 control = *numeroControlRemesa(base);
    std::vector<RemesaTipeada> cambios(5, base);
    cambios[0].agente = u"123457"_s;
    cambios[1].remesa = u"3"_s;
    cambios[2].tipo = u"C"_s;
    cambios[3].desde = u"2"_s;
    cambios[4].hasta = u"1001"_s;
    for (std::size_t i = 0; i < cambios.size(); ++i)
        EXPECT_NE(numeroControlRemesa(cambios[i]), control) << "cambio " << i;
}

TEST(NumeroControl, SinCifrasNoHayControl)
{
    const RemesaTipeada malas[] = {
        {u"12345A"_s, u"1"_s, u"A"_s, u"1"_s, u"1000"_s},
        {u"123456"_s, u""_s, u"A"_s, u"1"_s, u"1000"_s},
        {u"123456"_s, u"1"_s, u""_s, u"1"_s, u"1000"_s},
        {u"123456"_s, u"1"_s, u"AB"_s, u"1"_s, u"1000"_s},
        {u"123456"_s, u"1"_s, u"A"_s, u"-1"_s, u"1000"_s},
        {u"123456"_s, u"1"_s, u"A"_s, u"1"_s, u"1234567890123456789"_s},
    };
    for (const RemesaTipeada& r : malas) EXPECT_FALSE(numeroControlRemesa(r).has_value());
}

TEST(NumeroControl, ElControlTipeado)
{
    EXPECT_TRUE(controlCoincide(u"373917"_s, 373917));
    EXPECT_TRUE(controlCoincide(u"000000373917"_s, 373917));
    EXPECT_TRUE(controlCoincide(u"0"_s, 0));
    EXPECT_FALSE(controlCoincide(u"373918"_s, 373917));
    EXPECT_FALSE(controlCoincide(u""_s, 373917));
    // Far more digits than any control has (typing may reach thirty): no match, no overflow.
    EXPECT_FALSE(controlCoincide(u"999999999999999999999999373917"_s, 373917));
}

} // namespace
