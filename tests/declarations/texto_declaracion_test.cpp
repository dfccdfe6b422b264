// The printed declaration's coded text, read back as the report prints it.

#include "declarations/reportes/texto_declaracion.h"

#include <gtest/gtest.h>

namespace {

const QString kBlancos15(15, QLatin1Char(' '));

TEST(TextoDeclaracion, SinMovimientos)
{
    const TextoDeclaracion t = leerTextoDeclaracion(QStringLiteral("0") + kBlancos15
                                                        + QStringLiteral("000000000"),
                                                    false);
    EXPECT_FALSE(t.hayMovimientos);
    EXPECT_FALSE(t.rectificativa);
    EXPECT_EQ(t.validos, 0);
    EXPECT_EQ(t.anulados, 0);
    EXPECT_TRUE(t.observacion.isEmpty());
}

TEST(TextoDeclaracion, RectificativaConObservacion)
{
    const QString texto = QStringLiteral("1(Rectificativa)000120003OBSERVADA.");
    ASSERT_EQ(texto.size(), 35);
    const TextoDeclaracion t = leerTextoDeclaracion(texto, false);
    EXPECT_TRUE(t.hayMovimientos);
    EXPECT_TRUE(t.rectificativa);
    EXPECT_EQ(t.validos, 12);
    EXPECT_EQ(t.anulados, 3);
    EXPECT_EQ(t.observacion, QStringLiteral("OBSERVADA."));
}

TEST(TextoDeclaracion, SaldosDeObleas)
{
    const QString obs = QStringLiteral("12 ENTREGADAS").leftJustified(100, QLatin1Char(' '));
    // Regime "10": types 1 to 4 counted, one of them negative; type 26 not counted.
    const TextoDeclaracion t10 = leerTextoDeclaracion(
        QStringLiteral("1") + kBlancos15 + QStringLiteral("000400002") + obs
            + QStringLiteral("0004000000-0000300012     "),
        true);
    EXPECT_EQ(t10.observacion, QStringLiteral("12 ENTREGADAS"));
    EXPECT_EQ(t10.saldos[0], 40);
    EXPECT_EQ(t10.saldos[1], 0);
    EXPECT_EQ(t10.saldos[2], -3);
    EXPECT_EQ(t10.saldos[3], 12);
    EXPECT_FALSE(t10.saldos[4]);

    // Regime "14": only type 26 (letter Z).
    const TextoDeclaracion t14 = leerTextoDeclaracion(
        QStringLiteral("1") + kBlancos15 + QStringLiteral("000010000") + obs
            + QString(20, QLatin1Char(' ')) + QStringLiteral("00007"),
        true);
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(t14.saldos[i]);
    EXPECT_EQ(t14.saldos[4], 7);
}

TEST(TextoDeclaracion, SaldosQueSuperanSuAncho)
{
    // Balances keep every digit: the caller tells their widths, and each one after a wide balance
    // is read where it was written.
    const QString obs = QString(100, QLatin1Char(' '));
    const TextoDeclaracion t = leerTextoDeclaracion(
        QStringLiteral("1") + kBlancos15 + QStringLiteral("000010000") + obs
            + QStringLiteral("0004000000") + QStringLiteral("99999998") + QStringLiteral("-123456")
            + QString(5, QLatin1Char(' ')),
        true, 5, 4, {5, 5, 8, 6, 5});
    EXPECT_EQ(t.saldos[0], 40);
    EXPECT_EQ(t.saldos[1], 0);
    EXPECT_EQ(t.saldos[2], 99999998);
    EXPECT_EQ(t.saldos[3], -123456);
    EXPECT_FALSE(t.saldos[4]);

    for (const auto& [valor, cifras] :
         {std::pair<qint64, int>{0, 5}, {40, 5}, {-3, 5}, {99999998, 8}, {-123456, 6}})
        EXPECT_EQ(cifrasTexto(valor, 5), cifras) << valor;
}

TEST(TextoDeclaracion, ConteoQueSuperaSuAncho)
{
    // 12,345 annulled rows take five digits and push the observation one place on.
    const TextoDeclaracion t = leerTextoDeclaracion(
        QStringLiteral("1") + kBlancos15 + QStringLiteral("0001012345") + QStringLiteral("9 DE JULIO"),
        false, 5, 5);
    EXPECT_EQ(t.validos, 10);
    EXPECT_EQ(t.anulados, 12345);
    EXPECT_EQ(t.observacion, QStringLiteral("9 DE JULIO"));
}

} // namespace
