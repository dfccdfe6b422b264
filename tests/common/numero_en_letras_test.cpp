#include "common/numero_en_letras.h"

#include <gtest/gtest.h>

namespace {

const QString kO = QStringLiteral("O");

TEST(NumeroEnLetras, ConTerminacionO)
{
    const std::pair<const char*, const char*> casos[] = {
        {"0", ""},
        {"1", "UNO"},
        {"10", "DIEZ"},
        {"15", "QUINCE"},
        {"16", "DIECISEIS"},
        {"20", "VEINTE"},
        {"21", "VEINTIUNO"},
        {"22", "VEINTIDOS"},
        {"30", "TREINTA"},
        {"31", "TREINTA Y UNO"},
        {"100", "CIEN"},
        {"101", "CIENTO UNO"},
        {"110", "CIENTO DIEZ"},
        {"111", "CIENTO ONCE"},
        {"115", "CIENTO QUINCE"},
        {"120", "CIENTO VEINTE"},
        {"121", "CIENTO VEINTIUNO"},
        {"200", "DOSCIENTOS"},
        {"999", "NOVECIENTOS NOVENTA Y NUEVE"},
        {"1000", "UN MIL"},
        {"1001", "UN MIL UNO"},
        {"21000", "VEINTIUN MIL"},
        {"100000", "CIEN MIL"},
        {"1000000", "UN MILLON"},
        {"1000001", "UN MILLON UNO"},
        {"1001000", "UN MILLON UN MIL"},
        {"2000000", "DOS MILLONES"},
        {"2001000", "DOS MILLONES UN MIL"},
        {"21000000", "VEINTIUN MILLONES"},
        {"1234567", "UN MILLON DOSCIENTOS TREINTA Y CUATRO MIL QUINIENTOS SESENTA Y SIETE"},
        {"999999999", "NOVECIENTOS NOVENTA Y NUEVE MILLONES NOVECIENTOS NOVENTA Y NUEVE MIL "
                      "NOVECIENTOS NOVENTA Y NUEVE"},
        // The slips hand over the whole part padded to nine digits.
        {"000001234", "UN MIL DOSCIENTOS TREINTA Y CUATRO"},
        {"000000000", ""},
        {"", ""},
        // Ten characters are refused whatever their value.
        {"0000000001", "Máximo permitido: 999999999"},
        {"1000000000", "Máximo permitido: 999999999"},
    };
    for (const auto& [numero, letras] : casos)
        EXPECT_EQ(numeroEnLetras(QString::fromUtf8(numero), kO), QString::fromUtf8(letras))
            << numero;
}

TEST(NumeroEnLetras, LaTerminacionSoloVaAlUltimoUno)
{
    const std::pair<const char*, const char*> casos[] = {
        {"1", "UN"},
        {"21", "VEINTIUN"},
        {"1001001", "UN MILLON UN MIL UN"},
    };
    for (const auto& [numero, letras] : casos)
        EXPECT_EQ(numeroEnLetras(QString::fromLatin1(numero), QString()),
                  QString::fromLatin1(letras))
            << numero;
}

TEST(NumeroEnLetras, GruposYTextosQueNoSonNumeros)
{
    EXPECT_EQ(centenasEnLetras(QStringLiteral("1000"), kO),
              QStringLiteral("Máximo permitido: 999"));
    EXPECT_EQ(centenasEnLetras(QStringLiteral("000"), kO), QString());
    EXPECT_EQ(centenasEnLetras(QStringLiteral("7"), kO), QStringLiteral("SIETE"));
    EXPECT_EQ(numeroEnLetras(QStringLiteral("12a"), kO), QString());
    EXPECT_EQ(numeroEnLetras(QStringLiteral("-1234"), kO), QString());
}

TEST(NumeroEnLetras, NuncaDobleBlancoNiBlancosEnLosBordes)
{
    // Every group shape at every position: the joints between groups are where blanks pile up.
    for (int grupo = 0; grupo < 1000; ++grupo) {
        for (const int factor : {1, 1000, 1000000}) {
            for (const int resto : {0, 1, 21}) {
                const QString letras =
                    numeroEnLetras(QString::number(qint64(grupo) * factor + resto), kO);
                EXPECT_FALSE(letras.contains(QLatin1String("  "))) << letras.toStdString();
                EXPECT_EQ(letras, letras.trimmed()) << letras.toStdString();
            }
        }
    }
}

} // namespace
