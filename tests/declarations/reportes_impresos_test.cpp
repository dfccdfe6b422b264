// The printed documents read back from their PDFs: what a person reads on them and, on the slip,
// what the bank's scanner reads. The tests fill Impresos and Subtotales as the forms do.

#include "app/catalogo_reportes.h"
#include "common/regimenes.h"
#include "declarations/boleta.h"
#include "declarations/boleta_copias.h"
#include "declarations/boleta_texto.h"
#include "declarations/reportes/reporte_declaracion.h"
#include "reports/motor_reportes.h"
#include "support/declaracion_de_prueba.h"
#include "support/pdf_prueba.h"

#include <QFile>
#include <QRegularExpression>
#include <limits>
#include <gtest/gtest.h>

namespace {

QVariant imp(const char* texto)
{
    return DeclaracionDePrueba::columna(texto);
}

ResultadoImpresion imprimir(DeclaracionDePrueba& dj, const QString& reporte, int copias,
                            const QString& pdf)
{
    DialogosGuionados dialogos;
    MotorReportes motor(dj.base, dialogos, reportesDelPrograma(), [] { return QPrinterInfo(); });
    return motor.imprimir({reporte, copias, Destino::ArchivoPdf, pdf, {}});
}

void contiene(const QString& texto, const QStringList& esperados)
{
    for (const QString& e : esperados) EXPECT_TRUE(texto.contains(e)) << e.toStdString();
}

TEST(ReportesImpresos, ComprobanteDosCopiasEnUnaHoja)
{
    DeclaracionDePrueba dj;
    dj.agregarRetencion(QStringLiteral("00000123"), QStringLiteral("5"), "10000.00", "2.50",
                        "250.00");
    for (int copia : {1, 2})
        dj.base.ejecutar(QStringLiteral("INSERT INTO Impresos (Para, IdCabecera, Interes, Texto) "
                                        "VALUES (?, ?, ?, ?)"),
                         {QStringLiteral("00000123"), dj.idCabecera,
                          Importe::desdeEntero(copia).aColumna(),
                          QStringLiteral("Abril     ENTREGADO EN MANO")});
    const QString archivo = dj.pdf(QStringLiteral("comprob.pdf"));
    ASSERT_TRUE(imprimir(dj, QStringLiteral("comprob.rpt"), 1, archivo).correcto());

    const QStringList paginas = pdf::paginas(archivo);
    ASSERT_EQ(paginas.size(), 1);
    const QString& texto = paginas[0];
    contiene(texto, {QStringLiteral("COMPROBANTE DE RETENCIÓN / PERCEPCIÓN"),
                     QStringLiteral("Comprobante Nº 00000123"), QStringLiteral("ORIGINAL"),
                     QStringLiteral("DUPLICADO"), QStringLiteral("FRIGORIFICO DEL VALLE S.A."),
                     QStringLiteral("01234-5"), QStringLiteral("30-71234567-8"),
                     QStringLiteral("O'HIGGINS MARTA"), QStringLiteral("000-123456-7"),
                     QStringLiteral("20-12345678-6"), QStringLiteral("15/04/2008"),
                     QStringLiteral("Abril de 2008"), QStringLiteral("00 - OPERACIONES EN GENERAL"),
                     QStringLiteral("0001-00004567"), QStringLiteral("10.000,00"),
                     QStringLiteral("2,50"), QStringLiteral("$ 250,00"),
                     QStringLiteral("ENTREGADO EN MANO")});
    EXPECT_EQ(texto.count(QStringLiteral("$ 250,00")), 2);
    EXPECT_FALSE(texto.contains(QStringLiteral("ANULADO")));
}

TEST(ReportesImpresos, ComprobanteAnulado)
{
    DeclaracionDePrueba dj;
    dj.agregarRetencion(QStringLiteral("00000007"), QStringLiteral("4"), "100", "1", "1");
    dj.base.ejecutar(QStringLiteral("INSERT INTO Impresos (Para, IdCabecera, Interes, Texto) "
                                    "VALUES ('00000007', ?, ?, 'Abril     ')"),
                     {dj.idCabecera, Importe::desdeEntero(1).aColumna()});
    const QString archivo = dj.pdf(QStringLiteral("anulado.pdf"));
    ASSERT_TRUE(imprimir(dj, QStringLiteral("comprob.rpt"), 1, archivo).correcto());
    EXPECT_TRUE(pdf::texto(archivo).contains(QStringLiteral("ANULADO")));
}

class DeclaracionImpresa : public ::testing::Test {
protected:
    void subtotal(DeclaracionDePrueba& dj, const char* alicuota, const char* base,
                  const char* otros, const char* retenido)
    {
        dj.base.ejecutar(QStringLiteral("INSERT INTO Subtotales (IdCabecera, Alicuota, TotxAlic, "
                                        "Otros_Pagos, Otro_valor) VALUES (?, ?, ?, ?, ?)"),
                         {dj.idCabecera, imp(alicuota), imp(base), imp(otros), imp(retenido)});
    }
    void impreso(DeclaracionDePrueba& dj, const QString& texto)
    {
        dj.base.ejecutar(QStringLiteral("INSERT INTO Impresos (Para, IdCabecera, Importe, "
                                        "Importe1, Texto, FechaV) VALUES (?, ?, ?, ?, ?, ?)"),
                         {QStringLiteral("04518236"), dj.idCabecera, imp("300.00"),
                          imp("295.50"), texto, QStringLiteral("2008-05-15")});
    }
};

TEST_F(DeclaracionImpresa, GeneralDosEjemplares)
{
    DeclaracionDePrueba dj(QStringLiteral("05"), QStringLiteral("01"));
    for (const char* c : {"00000001", "00000002", "00000003"})
        dj.agregarRetencion(QString::fromLatin1(c), QStringLiteral("5"), "1", "1", "1");
    dj.agregarRetencion(QStringLiteral("00000004"), QStringLiteral("4"), "1", "1", "1");
    subtotal(dj, "2.50", "10000.00", "0", "250.00");
    subtotal(dj, "1.00", "5000.00", "0", "45.50");
    impreso(dj, QStringLiteral("1(Rectificativa)000030001PRESENTADA FUERA DE TERMINO"));
    const QString archivo = dj.pdf(QStringLiteral("dj.pdf"));
    ASSERT_TRUE(imprimir(dj, QStringLiteral("\\DJurada.rpt"), 2, archivo).correcto());

    const QStringList paginas = pdf::paginas(archivo);
    ASSERT_EQ(paginas.size(), 2);
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        contiene(paginas[i],
                 {QStringLiteral("DECLARACIÓN JURADA MENSUAL"), QStringLiteral("RECTIFICATIVA"),
                  QStringLiteral("FRIGORIFICO DEL VALLE S.A."), QStringLiteral("0001 - CASA CENTRAL"),
                  QStringLiteral("05 - Percepciones - Empresas de Servicios"),
                  QStringLiteral("Abril de 2008"), QStringLiteral("2,50"),
                  QStringLiteral("10.000,00"), QStringLiteral("250,00"), QStringLiteral("1,00"),
                  QStringLiteral("5.000,00"), QStringLiteral("45,50"), QStringLiteral("15.000,00"),
                  QStringLiteral("295,50"), QStringLiteral("$ 300,00"), QStringLiteral("$ 295,50"),
                  QStringLiteral("15/05/2008"), QStringLiteral("04518236"),
                  QStringLiteral("PRESENTADA FUERA DE TERMINO"),
                  QStringLiteral("Ejemplar %1 de 2").arg(i + 1)});
        // The counts stand under their labels, beside the due date and the control code.
        EXPECT_TRUE(paginas[i].contains(
            QRegularExpression(QStringLiteral("\\n\\s*3\\s+1\\s+15/05/2008\\s+04518236"))));
        EXPECT_FALSE(paginas[i].contains(QStringLiteral("Otros pagos")));
        EXPECT_FALSE(paginas[i].contains(QStringLiteral("Obleas")));
    }
    // The subtotals keep their order: the higher rate first.
    EXPECT_LT(paginas[0].indexOf(QStringLiteral("2,50")), paginas[0].indexOf(QStringLiteral("1,00")));
}

TEST_F(DeclaracionImpresa, DiezMilAnuladosCorrenLaObservacion)
{
    DeclaracionDePrueba dj;
    dj.base.ejecutar(QStringLiteral(
                         "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
                         "INSERT INTO Retenciones (IdCabecera, Nro_Contrib, Nro_Comprobante, Estado) "
                         "SELECT ?, '0001234567', printf('%08d', i), '4' FROM n"),
                     {10000, dj.idCabecera});
    impreso(dj, QStringLiteral("1") + QString(15, QLatin1Char(' '))
                    + QStringLiteral("0000010000SE ANULARON TODOS"));
    const QString archivo = dj.pdf(QStringLiteral("anulados.pdf"));
    ASSERT_TRUE(imprimir(dj, QStringLiteral("DJurada.rpt"), 1, archivo).correcto());
    const QString texto = pdf::texto(archivo);
    EXPECT_TRUE(texto.contains(QRegularExpression(QStringLiteral("\\n\\s*0\\s+10000\\s+15/05/2008"))));
    EXPECT_TRUE(texto.contains(QStringLiteral("SE ANULARON TODOS")));
    EXPECT_FALSE(texto.contains(QStringLiteral("0SE ANULARON")));
}

TEST_F(DeclaracionImpresa, SinMovimientos)
{
    DeclaracionDePrueba dj;
    dj.base.ejecutar(QStringLiteral("INSERT INTO Impresos (Para, IdCabecera, Importe, Importe1, "
                                    "Texto, FechaV) VALUES ('00000000', ?, 0, 0, ?, '2008-05-15')"),
                     {dj.idCabecera, QStringLiteral("0") + QString(15, QLatin1Char(' '))
                                         + QStringLiteral("000000000")});
    const QString archivo = dj.pdf(QStringLiteral("dj0.pdf"));
    ASSERT_TRUE(imprimir(dj, QStringLiteral("DJurada.rpt"), 1, archivo).correcto());
    const QString texto = pdf::texto(archivo);
    contiene(texto, {QStringLiteral("SIN MOVIMIENTOS EN EL PERÍODO"), QStringLiteral("$ 0,00")});
    EXPECT_FALSE(texto.contains(QStringLiteral("RECTIFICATIVA")));
    EXPECT_FALSE(texto.contains(QStringLiteral("Ejemplar")));
}

TEST_F(DeclaracionImpresa, VariantesConOtrosPagosYSaldosDeObleas)
{
    const QString obs = QString(100, QLatin1Char(' '));
    const struct {
        const char* regimen;
        QString cola;  // what follows the counts in Texto
        bool otrosPagos;
        bool saldos;
    } casos[] = {
        {"11", QStringLiteral("LECHE"), true, false},
        {"12", obs + QStringLiteral("00040000000000000012     "), true, true},
        {"14", obs + QString(20, QLatin1Char(' ')) + QStringLiteral("00007"), false, true},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.regimen);
        DeclaracionDePrueba dj(QString::fromLatin1(c.regimen));
        subtotal(dj, "1.00", "5000.00", "12.30", "50.00");
        impreso(dj, QStringLiteral("1") + QString(15, QLatin1Char(' ')) + QStringLiteral("000010000")
                        + c.cola);
        const QString archivo = dj.pdf(QStringLiteral("dj.pdf"));
        ASSERT_TRUE(imprimir(dj, nombreReporteDeclaracion(
                                 reglasRegimen(QString::fromLatin1(c.regimen)).declaracion),
                             1, archivo)
                        .correcto());
        const QString texto = pdf::texto(archivo);
        EXPECT_EQ(texto.contains(QStringLiteral("Otros pagos")), c.otrosPagos);
        EXPECT_EQ(texto.contains(QStringLiteral("12,30")), c.otrosPagos);
        EXPECT_EQ(texto.contains(QStringLiteral("SALDO DE OBLEAS")), c.saldos);
        if (QLatin1String(c.regimen) == QLatin1String("12"))
            contiene(texto, {QStringLiteral("Obleas tipo A"), QStringLiteral("40"),
                             QStringLiteral("12")});
        if (QLatin1String(c.regimen) == QLatin1String("14"))
            contiene(texto, {QStringLiteral("Obleas tipo Z"), QStringLiteral("7")});
    }
}

Boleta boletaDe(DeclaracionDePrueba& dj, const char* total, const char* otros,
                const char* interes)
{
    Boleta b;
    b.tomarCabecera(*leerCabecera(dj.base, dj.idCabecera));
    b.total = *Importe::leer(QString::fromLatin1(total));
    b.otrosPagos = *Importe::leer(QString::fromLatin1(otros));
    b.interes = *Importe::leer(QString::fromLatin1(interes));
    b.texto = prefijoBoleta(true, b.total) + *importeEnLetras(b.neto(), b.interes);
    b.vencimiento = QDate(2008, 5, 15);
    b.pago = QDate(2008, 6, 2);
    return b;
}

TEST(ReportesImpresos, BoletaTresCopiasYCodigoQueLeeElBanco)
{
    DeclaracionDePrueba dj;
    DialogosGuionados dialogos;
    prepararCopiasBoleta(dj.base, dialogos, dj.carpeta.dir.path(),
                         boletaDe(dj, "1234.56", "0", "12.34"));
    const QString archivo = dj.pdf(QStringLiteral("bolpago.pdf"));
    ASSERT_TRUE(imprimir(dj, QStringLiteral("bolpago.rpt"), 1, archivo).correcto());

    const QStringList paginas = pdf::paginas(archivo);
    ASSERT_EQ(paginas.size(), 1);
    contiene(paginas[0], {QStringLiteral("BOLETA DE PAGO"), QStringLiteral("01234-5"),
                          QStringLiteral("15/05/2008"), QStringLiteral("02/06/2008"),
                          QStringLiteral("1.234,56"), QStringLiteral("12,34"),
                          QStringLiteral("$ 1.246,90"),
                          QStringLiteral("UN MIL DOSCIENTOS CUARENTA Y SEIS CON 90/100")});
    for (const QString& copia : kCopiasBoleta) EXPECT_EQ(paginas[0].count(copia), 1) << copia.toStdString();
    EXPECT_EQ(paginas[0].count(QStringLiteral("$ 1.246,90")), 3);

    EXPECT_EQ(pdf::codigosLeidos(pdf::imagenPagina(archivo, 1)),
              QStringList{QStringLiteral("CODE-128:012345010508040012345600000000000123400*")});
}

TEST(ReportesImpresos, BoletaConOtrosPagosSinMovimientosYSinCodigo)
{
    DeclaracionDePrueba dj;
    DialogosGuionados dialogos;
    Boleta b = boletaDe(dj, "0", "0", "0");
    b.texto = prefijoBoleta(false, b.total) + *importeEnLetras(b.neto(), b.interes);
    prepararCopiasBoleta(dj.base, dialogos, dj.carpeta.dir.path(), b);
    const QString archivo = dj.pdf(QStringLiteral("cero.pdf"));
    ASSERT_TRUE(imprimir(dj, QStringLiteral("bolpago.rpt"), 1, archivo).correcto());
    contiene(pdf::texto(archivo), {QStringLiteral("Sin Movimientos CERO CON 00/100")});
    EXPECT_EQ(pdf::codigosLeidos(pdf::imagenPagina(archivo, 1)),
              QStringList{QStringLiteral("CODE-128:012345010508040000000000000000000000000*")});

    // An amount too large for the barcode: the slip prints, without any barcode.
    DeclaracionDePrueba grande;
    prepararCopiasBoleta(grande.base, dialogos, grande.carpeta.dir.path(),
                         boletaDe(grande, "1500000.00", "250000.00", "3000.00"));
    const QString sinCodigo = grande.pdf(QStringLiteral("grande.pdf"));
    ASSERT_TRUE(imprimir(grande, QStringLiteral("bolpago.rpt"), 1, sinCodigo).correcto());
    contiene(pdf::texto(sinCodigo), {QStringLiteral("1.500.000,00"), QStringLiteral("250.000,00"),
                                     QStringLiteral("1.250.000,00"), QStringLiteral("$ 1.253.000,00")});
    EXPECT_TRUE(pdf::codigosLeidos(pdf::imagenPagina(sinCodigo, 1)).isEmpty());
}

// The name the preview proposes for a document saved as PDF: the document, the receipt's number
// where it has one, and the declaration as its file names it.
TEST(ReportesImpresos, NombreParaGuardarComoPdf)
{
    DeclaracionDePrueba dj(QStringLiteral("05"), QStringLiteral("01"));
    const auto nombre = [&](const char* reporte) {
        const std::unique_ptr<Reporte> r = reportesDelPrograma().crear(QString::fromLatin1(reporte));
        r->leer(dj.base, {});
        return r->nombreArchivo().toStdString();
    };
    EXPECT_EQ(nombre("bolpago.rpt"), "Boleta de Pago");  // nothing read: the document alone

    dj.base.ejecutar(QStringLiteral("INSERT INTO Impresos (Para, IdCabecera, Interes, Texto) "
                                    "VALUES ('00000123', ?, ?, 'Abril     ')"),
                     {dj.idCabecera, Importe::desdeEntero(1).aColumna()});
    EXPECT_EQ(nombre("comprob.rpt"), "Comprobante 00000123 012345_0001_05_2008_04_01");

    dj.base.ejecutar(QStringLiteral("DELETE FROM Impresos"));
    dj.base.ejecutar(QStringLiteral("INSERT INTO Impresos (Para, IdCabecera, Texto, FechaV) "
                                    "VALUES ('04518236', ?, ?, '2008-05-15')"),
                     {dj.idCabecera, QStringLiteral("1(Rectificativa)000030001")});
    EXPECT_EQ(nombre("DJurada.rpt"), "Declaración Jurada 012345_0001_05_2008_04_01");

    DialogosGuionados dialogos;
    prepararCopiasBoleta(dj.base, dialogos, dj.carpeta.dir.path(),
                         boletaDe(dj, "1234.56", "0", "12.34"));
    EXPECT_EQ(nombre("bolpago.rpt"), "Boleta de Pago 012345_0001_05_2008_04_01");
}

// Amounts that no form checked and whose sums leave the currency range: the engine's error, never
// a wrong total on paper.
TEST(ReportesImpresos, TotalesFueraDeRangoSonUnError)
{
    DeclaracionDePrueba dj;
    const QVariant maximo = std::numeric_limits<qint64>::max();
    dj.base.ejecutar(QStringLiteral("INSERT INTO Impresos (Para, IdCabecera, Importe, Importe1, "
                                    "Texto, Interes) VALUES ('AGENTE', ?, ?, 0, '', ?)"),
                     {dj.idCabecera, maximo, imp("1.00")});
    const ResultadoImpresion boleta =
        imprimir(dj, QStringLiteral("bolpago.rpt"), 1, dj.pdf(QStringLiteral("b.pdf")));
    EXPECT_EQ(boleta.numero, 6);
    EXPECT_EQ(boleta.texto, QStringLiteral("Desbordamiento"));

    dj.base.ejecutar(QStringLiteral("DELETE FROM Impresos"));
    dj.base.ejecutar(QStringLiteral("INSERT INTO Impresos (Para, IdCabecera, Texto) "
                                    "VALUES ('04518236', ?, '')"),
                     {dj.idCabecera});
    for (int i = 0; i < 2; ++i)
        dj.base.ejecutar(QStringLiteral("INSERT INTO Subtotales (IdCabecera, Alicuota, TotxAlic, "
                                        "Otros_Pagos, Otro_valor) VALUES (?, ?, ?, 0, 0)"),
                         {dj.idCabecera, imp("2.50"), maximo});
    EXPECT_EQ(imprimir(dj, QStringLiteral("DJurada.rpt"), 1, dj.pdf(QStringLiteral("d.pdf"))).numero,
              6);
    EXPECT_FALSE(QFile::exists(dj.pdf(QStringLiteral("d.pdf"))));
}

} // namespace
