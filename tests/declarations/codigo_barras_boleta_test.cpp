// The 40 characters of the slip's barcode.

#include "declarations/boleta.h"
#include "declarations/codigo_barras_boleta.h"

#include <gtest/gtest.h>

namespace {

Importe imp(const char* texto)
{
    return *Importe::leer(QString::fromLatin1(texto));
}

Boleta ejemplo()
{
    Boleta b;
    b.nroAgente = QStringLiteral("012345");
    b.sucursal = QStringLiteral("0001");
    b.codRegimen = QStringLiteral("05");
    b.anio = QStringLiteral("2008");
    b.mes = QStringLiteral("04");
    b.rectifica = QStringLiteral("00");
    b.total = imp("1234.56");
    b.otrosPagos = imp("0");
    b.interes = imp("12.34");
    return b;
}

TEST(TextoCodigoBarras, PiezaPorPieza)
{
    const QString texto = *textoCodigoBarras(ejemplo());
    ASSERT_EQ(texto.size(), 40);
    EXPECT_EQ(texto.mid(0, 6), QStringLiteral("012345"));
    EXPECT_EQ(texto.mid(6, 2), QStringLiteral("01"));
    EXPECT_EQ(texto.mid(8, 2), QStringLiteral("05"));
    EXPECT_EQ(texto.mid(10, 2), QStringLiteral("08"));
    EXPECT_EQ(texto.mid(12, 2), QStringLiteral("04"));
    EXPECT_EQ(texto.mid(14, 8), QStringLiteral("00123456"));
    EXPECT_EQ(texto.mid(22, 8), QStringLiteral("00000000"));
    EXPECT_EQ(texto.mid(30, 7), QStringLiteral("0001234"));
    EXPECT_EQ(texto.mid(37, 2), QStringLiteral("00"));
    EXPECT_EQ(texto.mid(39, 1), QStringLiteral("*"));
}

TEST(TextoCodigoBarras, ImportesEnSusLimites)
{
    const struct {
        const char* total;
        const char* otros;
        const char* interes;
        std::optional<const char*> importes;  // positions 15 to 37, or no barcode
    } casos[] = {
        {"999999.99", "999999.99", "99999.99", "99999999" "99999999" "9999999"},
        {"1000000.00", "0", "0", std::nullopt},
        {"12345678.90", "0", "0", std::nullopt},  // never its last 8 digits
        {"5000", "0", "100000.00", std::nullopt},
        {"5000", "-10", "0", std::nullopt},       // a "-" inside the digits
        {"0", "0", "0", "00000000" "00000000" "0000000"},
        {"10.005", "0", "0.004", "00001001" "00000000" "0000000"},  // cents, half away from zero
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.total);
        Boleta b = ejemplo();
        b.total = imp(c.total);
        b.otrosPagos = imp(c.otros);
        b.interes = imp(c.interes);
        const std::optional<QString> texto = textoCodigoBarras(b);
        ASSERT_EQ(texto.has_value(), c.importes.has_value());
        if (texto) { EXPECT_EQ(texto->mid(14, 23), QString::fromLatin1(*c.importes)); }
    }
}

TEST(TextoCodigoBarras, CodigosDeSuAnchoOSinCodigo)
{
    Boleta b = ejemplo();
    b.sucursal = QStringLiteral("0123");
    b.anio = QStringLiteral("2010");
    EXPECT_EQ(textoCodigoBarras(b)->mid(6, 6), QStringLiteral("230510"));

    for (auto campo : {&Boleta::nroAgente, &Boleta::codRegimen, &Boleta::mes, &Boleta::rectifica}) {
        Boleta corto = ejemplo();
        corto.*campo = (corto.*campo).mid(1);
        EXPECT_FALSE(textoCodigoBarras(corto)) << (corto.*campo).toStdString();
    }
}

} // namespace
