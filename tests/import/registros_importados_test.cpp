// The records of the import files read from their positions, and the records of the declaration
// file the program writes read back through them.

#include "import/registros_importados.h"

#include "declarations/registros_declaracion.h"
#include "import/lineas_prueba.h"
#include "support/base_declaraciones.h"

#include <QLocale>
#include <QSqlField>
#include <QSqlRecord>
#include <gtest/gtest.h>

namespace {

LineaImportada linea(const char* texto)
{
    return LineaImportada::de(QByteArray(texto));
}

QString enPuntos(const std::optional<Importe>& i)
{
    return i ? i->conPunto() : QStringLiteral("(nada)");
}

TEST(CamposImportados, ValorNumericoDesdeElPrincipioDelTexto)
{
    const std::pair<const char*, qint64> casos[] = {
        {"01", 1}, {"1 ", 1}, {" 1", 1}, {"1A", 1}, {"AB", 0}, {"", 0}, {"-5", -5}, {"2 0", 20},
        {"00", 0}, {"+7", 7}, {"--3", 0},
    };
    for (const auto& [texto, valor] : casos)
        EXPECT_EQ(campo_importado::valorNumerico(QString::fromLatin1(texto)), valor) << texto;
}

TEST(CamposImportados, LaFormaDeImporte)
{
    const std::pair<const char*, const char*> casos[] = {
        {"-00001234.56", "-1234.56"},   {"000012345.07", "12345.07"},
        {"123456789.50", "123456789.50"}, {"000000050,05", "50.05"},
        {"     1000.00", "1000.00"},   {"000000000x00", "0.00"},
        // What is not a number in either part is no amount.
        {"00000A100.00", "(nada)"},    {"000001000.0A", "(nada)"}, {"         .00", "(nada)"},
        {"0000-1000.00", "(nada)"},    {"00001000.00", "(nada)"},
    };
    for (const auto& [texto, valor] : casos)
        EXPECT_EQ(enPuntos(campo_importado::importe(QString::fromLatin1(texto))),
                  QString::fromLatin1(valor))
            << texto;
}

TEST(RegistrosImportados, LaFormaDeCadaRegistro)
{
    const QByteArray s = "S" + QByteArray(102, '0') + "*";
    const QByteArray r = "R" + QByteArray(56, '0') + "*";
    const QByteArray d = "D" + QByteArray(52, '0') + "*";
    struct Caso {
        QByteArray texto;
        bool sujeto, cabecera, retencion, detalle;
    };
    const Caso casos[] = {
        {s, true, false, false, false},
        {s.chopped(2) + "*", false, false, false, false},
        {s.chopped(1) + "0*", false, false, false, false},
        {"  " + s + "  ", true, false, false, false},
        {s.chopped(1) + "-", false, false, false, false},
        {"C*", false, true, false, false},
        {"C123456", false, false, false, false},
        {r, false, false, true, false},                       // 58 characters
        {r.chopped(2) + "*", false, false, false, false},     // 57
        {"A" + r.mid(1), false, false, true, false},
        {r + "LO QUE SIGUE NO SE LEE*", false, false, true, false},
        {d, false, false, false, true},                       // 54
        {d.chopped(2) + "*", false, false, false, false},     // 53
        {d.chopped(1) + "0*", false, false, false, false},    // 55
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.texto.toStdString());
        const LineaImportada l = LineaImportada::de(c.texto);
        EXPECT_EQ(leerSujeto(l).has_value(), c.sujeto);
        EXPECT_EQ(leerCabecera(l).has_value(), c.cabecera);
        EXPECT_EQ(leerRetencion(l).has_value(), c.retencion);
        EXPECT_EQ(leerDetalle(l).has_value(), c.detalle);
    }
}

TEST(RegistrosImportados, LosCamposEnSusPosiciones)
{
    lineas_prueba::S sujeto{.nombre = " PEREZ\tJUAN", .tipo = "3"};
    const auto s = leerSujeto(LineaImportada::de(sujeto.linea()));
    ASSERT_TRUE(s);
    EXPECT_EQ(s->jurisdiccion, QStringLiteral("000"));
    EXPECT_EQ(s->inscripcion, QStringLiteral("1234565"));
    EXPECT_EQ(s->cuit, QStringLiteral("20123456786"));
    EXPECT_EQ(s->razonSocial, QStringLiteral("PEREZ JUAN"));
    EXPECT_EQ(s->domicilio, QStringLiteral("SAN MARTIN 123"));
    EXPECT_EQ(s->marcaTipo, QLatin1Char('3'));
    EXPECT_EQ(s->limpiados, QStringList{QString::fromUtf8("de la Razón Social")});
    EXPECT_FALSE(s->controlEnCodigos());

    const auto c = leerCabecera(linea("C1234561020081 00000001*"));
    ASSERT_TRUE(c);
    EXPECT_EQ(QStringList({c->agente, c->regimen, c->anio, c->mes, c->rectifica, c->sucursal}),
              QStringList({"123456", "10", "2008", "1 ", "00", "0000"}));
    EXPECT_EQ(c->mesNormalizado(), QStringLiteral("01"));
    EXPECT_EQ(c->numeroRegimen(), 10);

    const auto r = leerRetencion(linea("A000123456515000001000.0005,00000000050.05 0001-123    01*"));
    ASSERT_TRUE(r);
    EXPECT_TRUE(r->anulada);
    EXPECT_EQ(r->nroContrib(), QStringLiteral("0001234565"));
    EXPECT_EQ(r->dia, QStringLiteral("15"));
    EXPECT_EQ(enPuntos(r->bruto), QStringLiteral("1000.00"));
    EXPECT_EQ(enPuntos(r->alicuota), QStringLiteral("5.00"));
    EXPECT_EQ(enPuntos(r->retenido), QStringLiteral("50.05"));
    EXPECT_EQ(r->nroX, QStringLiteral("0001-123"));
    EXPECT_EQ(r->concepto, QStringLiteral("01"));

    const auto d = leerDetalle(linea("D12345678000456A000012301002000000010.500001-00005678*"));
    ASSERT_TRUE(d);
    EXPECT_EQ(QStringList({d->anticipo, d->agente, d->guia, d->tipo, d->cantidad, d->porte}),
              QStringList({"12345678", "000456", "A0000123", "01", "002", "0001-00005678"}));
    EXPECT_EQ(enPuntos(d->unitario), QStringLiteral("10.50"));
}

// A control character (a NUL, or 0x81, which Windows-1252 leaves undefined) in a code or number
// field fails the record; in a text field it is taken out and the field named for the log.
TEST(RegistrosImportados, UnControlFallaUnCodigoYSeQuitaDeUnTexto)
{
    using namespace lineas_prueba;
    const QString nul(QChar(0));
    const QString x81(QChar(0x81));
    const QString porte = QString::fromUtf8("del Nº de Remito o Carta de Porte");

    const std::pair<const char*, S> codigosSujeto[] = {
        {"jurisdicción", {.jurisdiccion = "0" + nul + "0"}},
        {"inscripción", {.inscripcion = "12345" + x81 + "5"}},
        {"CUIT", {.cuit = "2012345" + nul + "786"}},
        {"tipo", {.tipo = nul}},
    };
    for (const auto& [campo, sujeto] : codigosSujeto) {
        const auto l = leerSujeto(LineaImportada::de(sujeto.linea()));
        ASSERT_TRUE(l) << campo;
        EXPECT_TRUE(l->controlEnCodigos()) << campo;
    }
    const auto limpio = leerSujeto(LineaImportada::de(
        S{.nombre = "PEREZ" + nul + " JUAN" + x81, .domicilio = "MITRE" + x81 + "5"}.linea()));
    ASSERT_TRUE(limpio);
    EXPECT_FALSE(limpio->controlEnCodigos());
    EXPECT_EQ(limpio->razonSocial, QStringLiteral("PEREZ JUAN"));
    EXPECT_EQ(limpio->domicilio, QStringLiteral("MITRE5"));
    EXPECT_EQ(limpio->limpiados,
              QStringList({QString::fromUtf8("de la Razón Social"), QStringLiteral("del Domicilio")}));

    const std::pair<const char*, R> codigosRetencion[] = {
        {"jurisdicción", {.jurisdiccion = "00" + nul}},
        {"inscripción", {.inscripcion = "1234" + nul + "65"}},
        {"día", {.dia = "1" + x81}},
        {"comprobante del agente", {.nroX = "0001-" + nul + nul + "001234"}},
        {"concepto", {.concepto = nul + "1"}},
    };
    for (const auto& [campo, retencion] : codigosRetencion) {
        const auto l = leerRetencion(LineaImportada::de(retencion.linea()));
        ASSERT_TRUE(l) << campo;
        EXPECT_TRUE(l->controlEnCodigos()) << campo;
    }
    EXPECT_FALSE(leerRetencion(LineaImportada::de(R{}.linea()))->controlEnCodigos());

    const std::pair<const char*, D> codigosDetalle[] = {
        {"anticipo", {.anticipo = "0000000" + nul}},
        {"agente", {.agente = x81 + "00000"}},
        {"guía", {.guia = "A00" + nul + "0123"}},
        {"tipo", {.tipo = "0" + nul}},
        {"cantidad", {.cantidad = "00" + x81}},
    };
    for (const auto& [campo, detalle] : codigosDetalle) {
        const auto l = leerDetalle(LineaImportada::de(detalle.linea()));
        ASSERT_TRUE(l) << campo;
        EXPECT_TRUE(l->controlEnCodigos()) << campo;
        EXPECT_TRUE(l->limpiados.isEmpty()) << campo;
    }
    const auto remito = leerDetalle(LineaImportada::de(D{.porte = "0001-" + nul + "0005678"}.linea()));
    ASSERT_TRUE(remito);
    EXPECT_FALSE(remito->controlEnCodigos());
    EXPECT_EQ(remito->porte, QStringLiteral("0001-0005678"));
    EXPECT_EQ(remito->limpiados, QStringList{porte});

    EXPECT_TRUE(leerCabecera(LineaImportada::de(C{.agente = "000" + nul + "23"}.linea()))
                    ->controlEnCodigos());
    EXPECT_FALSE(leerCabecera(LineaImportada::de(C{}.linea()))->controlEnCodigos());
}

QSqlRecord fila(std::initializer_list<std::pair<const char*, QVariant>> campos)
{
    QSqlRecord r;
    for (const auto& [nombre, valor] : campos) {
        QSqlField f(QString::fromLatin1(nombre), valor.metaType());
        f.setValue(valor);
        r.append(f);
    }
    return r;
}

// The declaration file shares its header and withholding positions with the import file: what
// the program writes from a stored declaration, under either decimal separator, reads back as the
// same values.
class ArchivoDeclaracionReleido : public prueba_declaraciones::BaseDeclaraciones {};

TEST_F(ArchivoDeclaracionReleido, SeLeeCampoPorCampo)
{
    const QSqlRecord cabecera = fila({{"Nro_Agente", "000123"}, {"Cod_Regimen", "01"}, {"Anio", "2004"},
                                      {"Mes", "05"}, {"Rectifica", "01"}, {"Sucursal", "0002"},
                                      {"Origen", "I"}, {"Descartados", 3}});
    const QSqlRecord sucursal = fila({{"Descripcion", "CASA CENTRAL"}, {"Localidad", "TRESVALLE"}});
    const QSqlRecord agente = fila({{"CUIT", "30123456781"}, {"CondIVA", 1}});
    const auto c = leerCabecera(LineaImportada::de(
        registro_declaracion::cabecera(cabeceraDe(cabecera), QStringLiteral("N"),
                                       sucursalDe(sucursal), agenteDe(agente))
            .toLatin1()));
    ASSERT_TRUE(c);
    EXPECT_EQ(QStringList({c->agente, c->regimen, c->anio, c->mes, c->rectifica, c->sucursal}),
              (QStringList{"000123", "01", "2004", "05", "01", "0002"}));

    prueba::contribuyente(base, {.nro = QStringLiteral("9011234563"),
                                 .cuit = QStringLiteral("20123456786"),
                                 .codTipo = QStringLiteral("2")});
    const qint64 id = BaseDeclaraciones::cabecera();
    retencion(id, {.comprobante = QStringLiteral("00000042"),
                   .nroContrib = QStringLiteral("9011234563"), .dia = QStringLiteral("07"),
                   .bruto = "1234.56", .alicuota = "3.5", .retenido = "43.21",
                   .nroX = QStringLiteral("0001-00000099"), .concepto = QStringLiteral("97"),
                   .estado = QStringLiteral("4"), .marca = QStringLiteral("I")});
    const auto filas = retencionesDelArchivo(id);
    ASSERT_EQ(filas.size(), 1u);

    for (const QLocale& locale : {QLocale(QLocale::Spanish, QLocale::Argentina), QLocale::c()}) {
        const auto r = leerRetencion(
            LineaImportada::de(registro_declaracion::retencion(filas[0], locale).toLatin1()));
        ASSERT_TRUE(r) << locale.name().toStdString();
        EXPECT_TRUE(r->anulada);
        EXPECT_EQ(r->nroContrib(), QStringLiteral("9011234563"));
        EXPECT_EQ(r->dia, QStringLiteral("07"));
        EXPECT_EQ(enPuntos(r->bruto), QStringLiteral("1234.56"));
        EXPECT_EQ(enPuntos(r->alicuota), QStringLiteral("3.50"));
        EXPECT_EQ(enPuntos(r->retenido), QStringLiteral("43.21"));
        EXPECT_EQ(r->nroX, QStringLiteral("0001-00000099"));
        EXPECT_EQ(r->concepto, QStringLiteral("97"));
    }
}

} // namespace
