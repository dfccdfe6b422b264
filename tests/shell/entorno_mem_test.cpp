#include "shell/entorno_mem.h"

#include <gtest/gtest.h>

namespace {

struct CasoLectura {
    const char* contenido;
    bool cabeceraEncontrada;
    qint64 cabecera;
    const char* agente;
    const char* sucursal;
    const char* regimen;
};

TEST(EntornoMem, LeeLasLineasComoElArchivoLasGuarda)
{
    const CasoLectura casos[] = {
        {"", false, 0, "@", "@", "@"},
        {"\r\n   \r\nsin igual\r\nOtraClave = 5\r\n", false, 0, "@", "@", "@"},
        {"CabeceraAct = 57\r\n", true, 57, "@", "@", "@"},
        {"cabeceraact = 57\r\n", false, 0, "@", "@", "@"},
        {"   CabeceraAct=57   \r\n", true, 57, "@", "@", "@"},
        {"CabeceraAct = 5 7abc\r\n", true, 57, "@", "@", "@"},
        {"CabeceraAct = abc\r\n", true, 0, "@", "@", "@"},
        {"CabeceraAct = 57.5\r\n", true, 58, "@", "@", "@"},
        {"AgenteAct = 12345\r\nSucursalAct = 1\r\nRegimenAct = 5\r\n", false, 0, "012345", "0001", "05"},
        {"AgenteAct = 12A45\r\n", false, 0, " 12A45", "@", "@"},
        {"AgenteAct = 12'45\r\n", false, 0, " 12'45", "@", "@"},
        {"AgenteAct = 000001\nAgenteAct = 000002\n", false, 0, "000002", "@", "@"},
        {"RegimenAct = 123\r\n", false, 0, "@", "@", "123"},
    };
    for (const CasoLectura& c : casos) {
        const ContenidoEntornoMem leido = leerEntornoMem(QByteArray(c.contenido));
        EXPECT_EQ(leido.cabeceraEncontrada, c.cabeceraEncontrada) << c.contenido;
        EXPECT_EQ(leido.cabecera, c.cabecera) << c.contenido;
        EXPECT_EQ(leido.agente, QString::fromLatin1(c.agente)) << c.contenido;
        EXPECT_EQ(leido.sucursal, QString::fromLatin1(c.sucursal)) << c.contenido;
        EXPECT_EQ(leido.regimen, QString::fromLatin1(c.regimen)) << c.contenido;
    }
}

TEST(EntornoMem, EscribeLaDeclaracionSolaOElRestoEnOrden)
{
    EXPECT_EQ(escribirEntornoMem(57, QStringLiteral("012345"), QStringLiteral("0000"),
                                 QStringLiteral("05")),
              QByteArray("CabeceraAct = 57\r\n"));
    EXPECT_EQ(escribirEntornoMem(std::nullopt, QStringLiteral("012345"), QStringLiteral("0000"),
                                 QStringLiteral("05")),
              QByteArray("AgenteAct = 012345\r\nSucursalAct = 0000\r\nRegimenAct = 05\r\n"));
    EXPECT_EQ(escribirEntornoMem(std::nullopt, QStringLiteral("012345"), std::nullopt,
                                 QStringLiteral("05")),
              QByteArray("AgenteAct = 012345\r\nRegimenAct = 05\r\n"));
    EXPECT_EQ(escribirEntornoMem(std::nullopt, std::nullopt, std::nullopt, std::nullopt),
              QByteArray());
}

} // namespace
