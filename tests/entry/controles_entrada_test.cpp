// The checks made while a receipt's fields are typed.

#include "entry/controles_entrada.h"
#include "entry/numeracion.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

const QStringList kMeses = {"Enero", "Febrero", "Marzo",     "Abril",   "Mayo",      "Junio",
                            "Julio", "Agosto",  "Setiembre", "Octubre", "Noviembre", "Diciembre"};

TEST(ControlesEntrada, DiaDelMesDeLaDeclaracion)
{
    const struct {
        const char* dia;
        const char* mes;
        const char* anio;
        const char* mensaje;  // "" when accepted
    } casos[] = {
        {"00", "05", "2008", "Debe indicar el día de efectuada la retención."},
        {"01", "05", "2008", ""},
        {"31", "05", "2008", ""},
        {"31", "04", "2008", "Abril no tiene 31 días."},
        {"29", "02", "2009", "Febrero no tiene 29 días en 2009."},
        {"29", "02", "2008", ""},
        {"30", "02", "2008", "Febrero no tiene 30 días."},
        {"31", "09", "2008", "Setiembre no tiene 31 días."},
        {"45", "01", "2008", "Enero no tiene 45 días."},
    };
    for (const auto& c : casos) {
        const auto m = comprobarDia(QString::fromLatin1(c.dia), QString::fromLatin1(c.mes),
                                    QString::fromLatin1(c.anio), kMeses);
        EXPECT_EQ(m.value_or(QString()), QString::fromUtf8(c.mensaje)) << c.dia << "/" << c.mes;
    }
}

TEST(ControlesEntrada, ImporteBrutoAlDejarElCampo)
{
    const QLocale ar(QLocale::Spanish, QLocale::Argentina);
    const struct {
        const char* texto;
        bool negativos;
        EstadoBruto estado;
        const char* queda;
    } casos[] = {
        {"", false, EstadoBruto::Aceptado, "0"},
        {"   ", false, EstadoBruto::Aceptado, "0"},
        {"1000", false, EstadoBruto::Aceptado, "1000,00"},
        {"1234,5", false, EstadoBruto::Aceptado, "1234,50"},
        {"999999999,99", false, EstadoBruto::Aceptado, "999999999,99"},
        {"1000000000", false, EstadoBruto::SuperaMaximo, ""},
        // Too many digits for any amount is still "too large", not "not a number".
        {"1234567890123456", false, EstadoBruto::SuperaMaximo, ""},
        {"99999999999999999999,5", false, EstadoBruto::SuperaMaximo, ""},
        {"-150", true, EstadoBruto::Aceptado, "-150,00"},
        {"-150", false, EstadoBruto::NegativoNoAdmitido, ""},
        {"12-3", true, EstadoBruto::NoEsNumero, ""},
        {",", false, EstadoBruto::NoEsNumero, ""},
    };
    for (const auto& c : casos) {
        const ComprobacionBruto r = comprobarBruto(QString::fromLatin1(c.texto), c.negativos, ar);
        EXPECT_EQ(r.estado, c.estado) << c.texto;
        if (c.estado == EstadoBruto::Aceptado) {
            EXPECT_EQ(r.texto, QString::fromLatin1(c.queda)) << c.texto;
        }
    }
    EXPECT_EQ(mensajeBruto(EstadoBruto::SuperaMaximo),
              QStringLiteral("El importe ingresado supera el máximo permitido ($ 999.999.999,99)."));
    EXPECT_EQ(comprobarBruto(QStringLiteral("1500"), false, ar, QStringLiteral("$ ########0.00")).texto,
              QStringLiteral("$ 1500,00"));
}

TEST(ControlesEntrada, TeclasDelImporteYDelComprobanteExterno)
{
    const QChar coma = QLatin1Char(',');
    EXPECT_TRUE(aceptaTeclaBruto(QLatin1Char('7'), QStringLiteral("12"), coma, true));
    EXPECT_TRUE(aceptaTeclaBruto(coma, QStringLiteral("12"), coma, true));
    EXPECT_FALSE(aceptaTeclaBruto(coma, QStringLiteral("12,5"), coma, true));
    EXPECT_FALSE(aceptaTeclaBruto(QLatin1Char('.'), QStringLiteral("12"), coma, true));
    EXPECT_TRUE(aceptaTeclaBruto(QLatin1Char('-'), QStringLiteral("12"), coma, true));
    EXPECT_FALSE(aceptaTeclaBruto(QLatin1Char('-'), QStringLiteral("-12"), coma, true));
    EXPECT_FALSE(aceptaTeclaBruto(QLatin1Char('-'), QString(), coma, false));
    EXPECT_FALSE(aceptaTeclaBruto(QLatin1Char('a'), QString(), coma, true));
    EXPECT_TRUE(aceptaTeclaNroX(QLatin1Char('0')));
    EXPECT_FALSE(aceptaTeclaNroX(QLatin1Char('A')));
    EXPECT_EQ(completarNroX(QStringLiteral("   ")), QStringLiteral("0"));
    EXPECT_EQ(completarNroX(QStringLiteral("0012")), QStringLiteral("0012"));
}

TEST(ControlesEntrada, ObleaSeNormalizaAlDejarElCampo)
{
    const struct {
        const char* escrita;
        const char* queda;
    } casos[] = {{"z1234567", "Z1234567"}, {"z15", "Z0000015"}, {"a15", "A0000015"},
                 {"zX12", "ZX12"},         {"", ""},            {"z", "Z"}};
    for (const auto& c : casos)
        EXPECT_EQ(normalizarOblea(QString::fromLatin1(c.escrita)), QString::fromLatin1(c.queda))
            << c.escrita;
}

TEST(ControlesEntrada, SiguienteNumeroDeComprobante)
{
    EXPECT_EQ(siguienteComprobante(QStringLiteral("00000000")), QStringLiteral("00000001"));
    EXPECT_EQ(siguienteComprobante(QStringLiteral("00000041")), QStringLiteral("00000042"));
    EXPECT_EQ(siguienteComprobante(QStringLiteral("99999998")), QStringLiteral("99999999"));
    EXPECT_EQ(siguienteComprobante(QStringLiteral("99999999")), std::nullopt);
    EXPECT_EQ(siguienteComprobante(QStringLiteral("")), std::nullopt);
    EXPECT_EQ(siguienteComprobante(QStringLiteral("12AB")), std::nullopt);
}

} // namespace
