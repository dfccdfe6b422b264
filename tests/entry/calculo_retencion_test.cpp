// The rate a receipt takes and the amount it withholds, apart from any form.

#include "entry/importe_retenido.h"
#include "entry/numeros_pantalla.h"
#include "entry/regla_alicuota.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <map>

namespace {

Importe imp(const char* texto)
{
    return *Importe::leer(QString::fromLatin1(texto));
}

TEST(CalculoRetencion, ImporteRetenidoRedondeaUnaVezACentavos)
{
    const struct {
        const char* bruto;
        const char* alicuota;
        const char* retenido;
    } casos[] = {
        {"1000.00", "3.5", "35.00"},
        {"1234.56", "2.5", "30.86"},    // 30.864
        {"333.33", "1.5", "5.00"},      // 4.99995
        {"0.10", "2.5", "0.00"},        // 0.0025
        {"1000", "2.5", "25.00"},
        {"1.00", "0.5", "0.01"},        // 0.005: a half goes up
        {"0.99", "0.5", "0.00"},        // 0.00495: rounded once, not 0.0050 then 0.01
        {"-150", "3", "-4.50"},
        {"-0.10", "5", "-0.01"},        // -0.005: halves away from zero
        {"999999999.99", "100", "999999999.99"},
        {"999999999.99", "0", "0.00"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(importeRetenido(imp(c.bruto), imp(c.alicuota)), imp(c.retenido))
            << c.bruto << " al " << c.alicuota;
}

TEST(CalculoRetencion, RetenidoNetoNuncaNegativo)
{
    EXPECT_EQ(retenidoNeto(imp("25"), imp("10")), imp("15"));
    EXPECT_EQ(retenidoNeto(imp("25"), imp("30")), Importe());
    EXPECT_EQ(retenidoNeto(imp("25"), std::nullopt), imp("25"));
    EXPECT_EQ(retenidoNeto(imp("-4.5"), std::nullopt), Importe());
}

TEST(CalculoRetencion, ReglaDeAlicuotaPorFormularioRegimenYOpcion)
{
    // Rows of Alicuotas present in this table; any other (regime, key type) has none.
    const std::map<std::pair<QString, QString>, const char*> filas = {
        {{"01", "1"}, "2.5"}, {{"01", "8"}, "1.75"}, {{"01", "9"}, "2.25"}, {{"07", "5"}, "6"},
        {{"07", "1"}, "2"},   {{"11", "8"}, "0.25"}, {{"11", "1"}, "0.5"},  {{"09", "3"}, "1"},
        {{"13", "1"}, "7"},
    };
    const BuscarAlicuota buscar = [&](const QString& r, const QString& t) -> std::optional<Importe> {
        const auto it = filas.find({r, t});
        if (it == filas.end()) return std::nullopt;
        return imp(it->second);
    };
    // The entry form of each case's regime follows from the regime.
    const struct {
        const char* regimen;
        const char* tipo;
        OpcionesAlicuota opciones;
        const char* alicuota;
        bool exento;
    } casos[] = {
        {"01", "1", {}, "2.5", false},
        {"01", "1", {true, false, false}, "1.75", false},   // construction, type 1: "8"
        {"01", "0", {true, false, false}, "1.75", false},   // type 0: "8" too
        {"01", "2", {true, false, false}, "2.25", false},   // any other type: "9"
        {"01", "2", {}, "0", false},                        // no row: 0
        {"07", "1", {}, "2", false},
        {"07", "1", {false, true, false}, "6", false},      // insurance: "5"
        {"08", "1", {false, true, false}, "0", false},      // no "5" row in "08"
        {"02", "3", {}, "0", false},                        // no certificate rule
        {"11", "3", {false, false, true}, "0", true},       // certificate, no lookup
        {"11", "2", {false, false, true}, "0.25", false},   // milk and bee: "8"
        {"11", "1", {}, "0.5", false},
        {"09", "1", {}, "100", false},
        {"09", "2", {}, "100", false},
        {"09", "3", {}, "1", false},                         // a row wins
        {"10", "3", {}, "100", false},
        {"12", "1", {}, "0.5", false},
        {"12", "3", {}, "0", true},
        {"16", "3", {}, "0", true},
        {"16", "1", {}, "0", false},
        {"15", "3", {}, "0", false},
        {"13", "1", {}, "7", false},
        {"13", "2", {}, "0", false},
    };
    for (const auto& c : casos) {
        const ResultadoAlicuota r =
            reglaAlicuota(reglasRegimen(QString::fromLatin1(c.regimen)), QString::fromLatin1(c.tipo),
                          c.opciones, buscar);
        EXPECT_EQ(r.alicuota, imp(c.alicuota)) << c.regimen << " tipo " << c.tipo;
        EXPECT_EQ(r.exentoPorConstancia, c.exento) << c.regimen << " tipo " << c.tipo;
    }
}

TEST(CalculoRetencion, NumerosEnLaConvencionDelLugar)
{
    const QLocale ar(QLocale::Spanish, QLocale::Argentina);
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(textoNumero(imp("2.5"), ar), QStringLiteral("2,5"));
    EXPECT_EQ(textoNumero(imp("0.5"), us), QStringLiteral("0.5"));
    EXPECT_EQ(textoNumero(imp("100"), ar), QStringLiteral("100"));
    EXPECT_EQ(textoNumero(Importe(), ar), QStringLiteral("0"));
    EXPECT_EQ(textoNumero(imp("-150.25"), ar), QStringLiteral("-150,25"));

    EXPECT_EQ(leerNumero(QStringLiteral("$ 1.234,56"), ar), imp("1234.56"));
    EXPECT_EQ(leerNumero(QStringLiteral("- 1.234,56"), ar), imp("-1234.56"));
    EXPECT_EQ(leerNumero(QStringLiteral("1,234.56"), us), imp("1234.56"));
    EXPECT_EQ(leerNumero(QStringLiteral("0,5"), ar), imp("0.5"));
    EXPECT_FALSE(leerNumero(QStringLiteral("12a"), ar));
    EXPECT_FALSE(leerNumero(QStringLiteral("1,2,3"), ar));
}

} // namespace
