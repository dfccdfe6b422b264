// The declaration file of small declarations, byte for byte against files written by hand from
// the record layouts, under a comma and a point decimal separator.

#include "declarations/emision_declaracion.h"
#include "support/base_declaraciones.h"

#include <QDir>
#include <QFile>

namespace {

using namespace prueba_declaraciones;

struct Grupo {
    const char* alicuota;
    const char* totxAlic;
    const char* otrosPagos;
    const char* otroValor;
};

class ArchivoDeclaracionTest;

struct CasoArchivo {
    const char* nombre;
    qint64 (ArchivoDeclaracionTest::*preparar)();
    const char* observacion;
    const char* archivo;
    const char* codigoComa;
    const char* codigoPunto;
    qint64 validas;
    qint64 anuladas;
    const char* impuesto;
    const char* retenido;
    std::vector<Grupo> grupos;
};

struct Separador {
    const char* carpeta;
    QLocale locale;
};

void PrintTo(const CasoArchivo& caso, std::ostream* os) { *os << caso.nombre; }
void PrintTo(const Separador& separador, std::ostream* os) { *os << separador.carpeta; }

class ArchivoDeclaracionTest
    : public BaseDeclaraciones,
      public ::testing::WithParamInterface<std::tuple<CasoArchivo, Separador>> {
public:
    ArchivoDeclaracionTest()
    {
        vencimiento(2004, 5, QStringLiteral("2004-06-15"));
        vencimiento(2004, 6, QStringLiteral("2004-07-15"));
        vencimiento(2004, 7, QStringLiteral("2004-08-16"));
    }

    // Regime "01": two valid rows at two rates, one typed by hand and one imported, and an
    // annulled row whose subject is no longer on file.
    qint64 general()
    {
        const qint64 id = cabecera();
        retencion(id, {.comprobante = QStringLiteral("00000042")});
        retencion(id, {.comprobante = QStringLiteral("00000043"),
                       .nroContrib = QStringLiteral("0009876543"), .dia = QStringLiteral("12"),
                       .bruto = "2500.50", .alicuota = "3.5", .retenido = "87.52",
                       .nroX = QStringLiteral("A-123"), .concepto = QStringLiteral("02"),
                       .marca = QStringLiteral("I")});
        retencion(id, {.comprobante = QStringLiteral("00000044"),
                       .nroContrib = QStringLiteral("0005555555"), .dia = QStringLiteral("20"),
                       .bruto = "300.00", .retenido = "7.50", .estado = QStringLiteral("4")});
        return id;
    }

    // Regime "06", a rectification of an imported month at the branch with accents in its
    // description, with a credit note (negative amounts) and an observation.
    qint64 percepciones()
    {
        const qint64 id = cabecera({.sucursal = QStringLiteral("0002"), .regimen = QStringLiteral("06"),
                                    .mes = QStringLiteral("07"), .rectifica = QStringLiteral("01"),
                                    .origen = QStringLiteral("I"), .descartados = 3});
        retencion(id, {.comprobante = QStringLiteral("00000007"), .dia = QStringLiteral("03"),
                       .bruto = "-12.50", .alicuota = "3", .retenido = "-0.38",
                       .nroX = QStringLiteral("NC-0001"), .concepto = QStringLiteral("05"),
                       .marca = QStringLiteral("I")});
        retencion(id, {.comprobante = QStringLiteral("00000008"),
                       .nroContrib = QStringLiteral("0009876543"), .dia = QStringLiteral("15"),
                       .bruto = "800.00", .alicuota = "3", .retenido = "24.00",
                       .concepto = QStringLiteral("05"), .marca = QStringLiteral("E")});
        return id;
    }

    // Regime "11": a receipt with other withholdings and two advances, and an annulled one with
    // neither other withholdings nor an advance number. Another branch's declaration has rows
    // under the same receipt numbers, which are not this declaration's.
    qint64 anticipos()
    {
        const qint64 id = cabecera({.regimen = QStringLiteral("11"), .mes = QStringLiteral("06"),
                                    .origen = QStringLiteral("I")});
        const QString r101 = QStringLiteral("00000101");
        const QString r102 = QStringLiteral("00000102");
        retencion(id, {.comprobante = r101, .dia = QStringLiteral("10"), .bruto = "5000.00",
                       .alicuota = "1.5", .retenido = "75.00", .concepto = QStringLiteral("97"),
                       .marca = QStringLiteral("I")});
        otrasRetenciones(id, r101, "125.50");
        anticipo(id, r101, QStringLiteral("000456"), QStringLiteral("00001111"), "60.00");
        anticipo(id, r101, QStringLiteral("000789"), QStringLiteral("A-22"), "65.50");
        retencion(id, {.comprobante = r102, .nroContrib = QStringLiteral("0009876543"),
                       .dia = QStringLiteral("11"), .bruto = "1000.00", .alicuota = "1.5",
                       .retenido = "15.00", .concepto = QStringLiteral("97"),
                       .estado = QStringLiteral("4"), .marca = QStringLiteral("I")});
        anticipo(id, r102, QStringLiteral("000456"), QVariant(), "15.00");

        const qint64 otra = cabecera({.sucursal = QStringLiteral("0002"),
                                      .regimen = QStringLiteral("11"), .mes = QStringLiteral("06")});
        anticipo(otra, r101, QStringLiteral("000999"), QStringLiteral("99999999"), "999.00");
        otrasRetenciones(otra, r102, "99.99");
        return id;
    }
};

QByteArray leer(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(no existe: ") + ruta.toUtf8() + ")";
}

TEST_P(ArchivoDeclaracionTest, escribeElArchivoComoLoEsperaLaAgencia)
{
    const auto& [caso, separador] = GetParam();
    LocaleDePrueba locale(separador.locale);
    const qint64 id = (this->*caso.preparar)();
    const QString destino = carpeta.ruta(QStringLiteral("destino"));
    ASSERT_TRUE(QDir().mkpath(destino));

    dialogs.respuestas = {Respuesta::Si};
    dialogs.textos = {QString::fromUtf8(caso.observacion)};
    dialogs.rutas = {destino};
    const auto emitida = emitirDeclaracion(contexto, id);
    ASSERT_TRUE(emitida) << dialogs.textosMostrados().join(u'|').toStdString();

    const QString nombre = QString::fromLatin1(caso.archivo);
    const QByteArray esperado = leer(QStringLiteral(TARQUEL_FIXTURES "/declaraciones/%1/%2")
                                         .arg(QLatin1String(separador.carpeta), nombre));
    EXPECT_EQ(leer(QDir(destino).filePath(nombre)), esperado);
    EXPECT_EQ(QDir(destino).entryList(QDir::Files), QStringList{nombre});

    const ArchivoDeclaracion& archivo = emitida->archivo;
    EXPECT_EQ(archivo.nombre, nombre);
    EXPECT_EQ(archivo.codigoControl,
              QString::fromLatin1(QLatin1String(separador.carpeta) == QLatin1String("coma")
                                      ? caso.codigoComa
                                      : caso.codigoPunto));
    EXPECT_TRUE(archivo.hayMovimientos);
    EXPECT_EQ(archivo.validas, caso.validas);
    EXPECT_EQ(archivo.anuladas, caso.anuladas);
    EXPECT_EQ(archivo.impuestoCalculado.conPunto(), QLatin1String(caso.impuesto));
    EXPECT_EQ(archivo.totalRetenido.conPunto(), QLatin1String(caso.retenido));
    ASSERT_EQ(archivo.grupos.size(), caso.grupos.size());
    for (std::size_t i = 0; i < caso.grupos.size(); ++i) {
        const GrupoAlicuota& g = archivo.grupos[i];
        EXPECT_EQ(g.alicuota.conPunto(), QLatin1String(caso.grupos[i].alicuota)) << i;
        EXPECT_EQ(g.totxAlic.conPunto(), QLatin1String(caso.grupos[i].totxAlic)) << i;
        EXPECT_EQ(g.otrosPagos.conPunto(), QLatin1String(caso.grupos[i].otrosPagos)) << i;
        EXPECT_EQ(g.otroValor.conPunto(), QLatin1String(caso.grupos[i].otroValor)) << i;
    }
}

// Control codes summed independently over the expected files.
const CasoArchivo kCasos[] = {
    {"General", &ArchivoDeclaracionTest::general, "", "DJ_000123_0001_01_2004_05_00.TXT",
     "00666616", "00667162", 2, 1, "112.52", "112.52",
     {{"3.50", "2500.50", "0.00", "87.52"}, {"2.50", "1000.00", "0.00", "25.00"}}},
    {"NegativoYAcentos", &ArchivoDeclaracionTest::percepciones, "Observación de prueba",
     "DJ_000123_0002_06_2004_07_01.TXT", "00542697", "00543069", 2, 0, "23.62", "23.62",
     {{"3.00", "787.50", "0.00", "23.62"}}},
    {"Anticipos", &ArchivoDeclaracionTest::anticipos, "", "DJ_000123_0001_11_2004_06_00.TXT",
     "00808176", "00808838", 1, 1, "75.00", "75.00", {{"1.50", "5000.00", "125.50", "75.00"}}},
};

INSTANTIATE_TEST_SUITE_P(
    Declaraciones, ArchivoDeclaracionTest,
    ::testing::Combine(::testing::ValuesIn(kCasos),
                       ::testing::Values(Separador{"coma", QLocale(QLocale::Spanish, QLocale::Argentina)},
                                         Separador{"punto", QLocale(QLocale::English, QLocale::UnitedStates)})),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).nombre) + "_"
            + std::get<1>(info.param).carpeta;
    });

} // namespace
