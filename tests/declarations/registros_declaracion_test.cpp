// Detail and withholding records of the declaration file for the cases the small files do not
// show: each regime's use of the detail fields, placeholders, widened fields, capped rates.

#include "declarations/codigo_control.h"
#include "declarations/registros_declaracion.h"
#include "platform/windows_1252.h"
#include "support/base_declaraciones.h"

#include <QLocale>
#include <QSqlField>
#include <gtest/gtest.h>

namespace {

using namespace Qt::Literals::StringLiterals;

QSqlRecord fila(std::initializer_list<std::pair<const char*, QVariant>> campos)
{
    QSqlRecord r;
    for (const auto& [nombre, valor] : campos) {
        QSqlField campo(QString::fromLatin1(nombre), valor.metaType());
        campo.setValue(valor);
        r.append(campo);
    }
    return r;
}

QVariant pesos(qint64 centavos) { return QVariant::fromValue<qint64>(centavos * 100); }
const QVariant kNulo;
const QLocale kComa(QLocale::Spanish, QLocale::Argentina);

struct CasoDetalle {
    const char* regimen;
    QSqlRecord guia;
    const char* esperado;
};

// Names the case by its regime and receipt (the default would print the bytes of the record).
void PrintTo(const CasoDetalle& caso, std::ostream* salida)
{
    *salida << "regimen " << caso.regimen << " " << std::string(caso.esperado).substr(0, 9);
}

class DetalleTest : public ::testing::TestWithParam<CasoDetalle> {};

TEST_P(DetalleTest, usaLosCamposDeSuRegimen)
{
    const CasoDetalle& c = GetParam();
    const QString linea = QString::fromLatin1(c.regimen) == QLatin1String("15")
        ? registro_declaracion::alimento(guiaDe(c.guia), kComa)
        : registro_declaracion::detalle(guiaDe(c.guia), QString::fromLatin1(c.regimen), kComa);
    EXPECT_EQ(linea, QString::fromLatin1(c.esperado));
}

INSTANTIATE_TEST_SUITE_P(
    Registros, DetalleTest,
    ::testing::Values(
        // A guide of livestock: 1,250 head widen the quantity to four digits (61 characters).
        CasoDetalle{"09",
                    fila({{"Nro_Comprobante", "00000300"}, {"Nro_Agente", "000123"},
                          {"NroGuia", "G0000001"}, {"Tipo", qlonglong(5)}, {"Cantidad", 1250.0},
                          {"Valor_Unitario", pesos(10000)}, {"Total", pesos(99)},
                          {"Nro_Anticipo", kNulo}, {"Nro_porte", "123"}}),
                    "D000003000000000       G000000105125" "00000100,000            *"},
        // A guide without quantity.
        CasoDetalle{"09",
                    fila({{"Nro_Comprobante", "00000301"}, {"Nro_Agente", "000123"},
                          {"NroGuia", "G0000002"}, {"Tipo", qlonglong(3)}, {"Cantidad", kNulo},
                          {"Valor_Unitario", kNulo}, {"Nro_porte", kNulo}}),
                    "D000003010000000       G0000002030000000000.000            *"},
        // A stamp with its waybill; the quantity is not used.
        CasoDetalle{"10",
                    fila({{"Nro_Comprobante", "00000302"}, {"Nro_Agente", "000123"},
                          {"NroGuia", "B0000077"}, {"Tipo", qlonglong(2)}, {"Cantidad", 7.0},
                          {"Valor_Unitario", pesos(150)}, {"Nro_porte", "1234567890123"}}),
                    "D000003020000000       B0000077020010000001,501234567890123*"},
        // An empty waybill is thirteen blanks; only a missing one is the "0" placeholder.
        CasoDetalle{"14",
                    fila({{"Nro_Comprobante", "00000303"}, {"Nro_Agente", "000123"},
                          {"NroGuia", "Z0000015"}, {"Tipo", qlonglong(26)}, {"Cantidad", 0.0},
                          {"Valor_Unitario", pesos(0)}, {"Nro_porte", ""}}),
                    "D000003030000000       Z0000015260010000000,00             *"},
        // An advance with a stamp: the type comes from the stamp's letter (C is 03).
        CasoDetalle{"12",
                    fila({{"Nro_Comprobante", "00000304"}, {"Nro_Agente", "000456"},
                          {"NroGuia", "C0001234"}, {"Tipo", qlonglong(0)}, {"Cantidad", 0.0},
                          {"Total", pesos(1200)}, {"Valor_Unitario", pesos(7)},
                          {"Nro_Anticipo", "00000055"}, {"Nro_porte", "REM-1"}}),
                    "D0000030400045600000055C0001234030010000012,00REM-1        *"},
        // An advance without a stamp has no letter to take the type from.
        CasoDetalle{"12",
                    fila({{"Nro_Comprobante", "00000305"}, {"Nro_Agente", "000456"},
                          {"NroGuia", kNulo}, {"Total", pesos(500)}, {"Nro_Anticipo", "7"},
                          {"Nro_porte", kNulo}}),
                    "D000003050004567       0       000010000005,000            *"},
        // A food concept with its receipt number.
        CasoDetalle{"15",
                    fila({{"Nro_Comprobante", "00000306"}, {"Cantidad", 12.0}, {"Tipo", qlonglong(4)},
                          {"Valor_Unitario", pesos(2575)}, {"Nro_porte", "F-0001-000123"}}),
                    "F00000306000012040000025,75F-0001-000123*"},
        CasoDetalle{"15",
                    fila({{"Nro_Comprobante", "00000307"}, {"Cantidad", kNulo}, {"Tipo", kNulo},
                          {"Valor_Unitario", kNulo}, {"Nro_porte", kNulo}}),
                    "F00000307000000000000000.000            *"}));

TEST(RegistroOtrosImportes, losImportesFaltantesSonCerosLiterales)
{
    // A fine of the police regime goes second; the literal zeros keep their point under a comma.
    EXPECT_EQ(registro_declaracion::otrosImportes(u"00000400"_s, std::nullopt,
                                                  Importe::desdeColumna(pesos(15000)), kComa),
              QLatin1String("O000004000000000.000000150,00*"));
    EXPECT_EQ(registro_declaracion::otrosImportes(u"00000401"_s, std::nullopt, std::nullopt, kComa),
              QLatin1String("O000004010000000.000000000.00*"));
}

// A stored withholding of subject 0001234567, read as the file reads it.
class RegistroRetencion : public prueba_declaraciones::BaseDeclaraciones {
protected:
    RetencionDelArchivo leida(const char* alicuota, const char* bruto, const QString& marca)
    {
        const qint64 id = cabecera();
        retencion(id, {.comprobante = u"00000500"_s, .dia = u"01"_s, .bruto = bruto,
                       .alicuota = alicuota, .retenido = "100.00", .nroX = u"0"_s,
                       .concepto = u"3"_s, .marca = marca});
        const auto filas = retencionesDelArchivo(id);
        EXPECT_EQ(filas.size(), 1u);
        return filas.at(0);
    }
};

TEST_F(RegistroRetencion, unaAlicuotaDeCienOMasSeEscribe9999)
{
    const QString linea =
        registro_declaracion::retencion(leida("100.00", "100.00", u"C"_s), kComa);
    EXPECT_EQ(linea, QLatin1String("R000123456701000000100,0099,99000000100,000            "
                                   "0300000500020123456786C*"));
}

TEST_F(RegistroRetencion, unImporteFaltanteDetieneElArchivo)
{
    try {
        registro_declaracion::retencion(leida("2.50", nullptr, u""_s), kComa);
        FAIL() << "sin importe bruto";
    } catch (const DeclaracionIncompleta& falta) {
        EXPECT_EQ(falta.texto(), QString::fromUtf8("Falta el importe bruto del comprobante 00000500."));
    }
}

TEST(CodigoControl, sumaCodigoPorPosicionYTomaOchoDigitos)
{
    CodigoControl dos;
    dos.sumarLinea("AB");
    dos.sumarLinea("A");
    EXPECT_EQ(dos.codigo(), QLatin1String("00000262"));

    // A letter outside 32-126 adds nothing and the ones after it keep their places.
    CodigoControl acento;
    acento.sumarLinea(aWindows1252(u"ÑA"));
    EXPECT_EQ(acento.codigo(), QLatin1String("00000130"));

    // Two lines of a thousand "~": 126 x 500,500 each, 126,126,000 in all.
    CodigoControl grande;
    grande.sumarLinea(QByteArray(1000, '~'));
    grande.sumarLinea(QByteArray(1000, '~'));
    EXPECT_EQ(grande.suma(), 126126000u);
    EXPECT_EQ(grande.codigo(), QLatin1String("26126000"));
}

TEST(Windows1252, codificaLatin1YLasLetrasDe0x80a0x9F)
{
    EXPECT_EQ(aWindows1252(u"Año €—Ž“x”"), QByteArray("A\xF1o \x80\x97\x8E\x93x\x94"));
    // Without a place in the code page: one "?" per character, even outside the basic plane.
    EXPECT_EQ(aWindows1252(u"日\U0001F600."), QByteArray("??."));
}

} // namespace
