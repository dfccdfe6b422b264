// The receipts of the detail-row regimes: what the text of their copies says of the first detail
// row, which report each prints on, and each report read back from its PDF.

#include "entry/impresion_comprobante.h"
#include "entry/piezas_comprobante.h"

#include "support/datos_entrada.h"
#include "support/datos_policiales.h"
#include "support/impresora_guionada.h"
#include "support/pdf_prueba.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

using prueba::guia;

TEST(PiezasComprobante, LoQueElTextoDiceDeLaPrimeraFila)
{
    struct Caso {
        const char* nombre;
        const char* regimen;
        std::optional<Guia> primera;
        QString texto;
        bool sinOblea;
    };
    const Caso casos[] = {
        {"guías", "09", guia(u"00000123"_s, u"-00000000"_s), u"0000000000000"_s, false},
        {"alimentos", "15", guia({}, u"0001-00000077"_s), u"0000000000000"_s, false},
        {"obleas", "10", guia(u"A0000015"_s, u"0012-00004567"_s), u"A0000015001200004567 "_s, false},
        {"oblea corta", "10", guia(u"123"_s, u"0012-00004567"_s), u"     123001200004567 "_s, false},
        {"oblea sin carta de porte", "10", guia(u"A0000015"_s), u"A0000015000000000000 "_s, false},
        {"oblea sin número", "10", guia({}, u"0012-00004567"_s), u"       0001200004567 "_s, false},
        {"obleas de la policía", "13", guia(u"A15"_s, u"0012-00004567"_s), u"A15001200004567 "_s, false},
        {"anticipo con oblea", "12", guia(u"B0000002"_s, u"0003-00000333"_s),
         u"B0000002000300000333 "_s, false},
        {"anticipo sin oblea", "12", guia({}, u"0003-00000333"_s), u"0000300000333 "_s, true},
        {"anticipo", "11", guia(u"0"_s, u"0"_s, u"77"_s), u"000000770000000000123"_s, false},
        {"anticipo sin número", "16", guia(u"0"_s, u"0"_s), u"000000000000000000123"_s, false},
        {"sin filas", "10", std::nullopt, u"000000000000000000000"_s, false},
        {"sin filas, anticipos", "11", std::nullopt, u"000000000000000000000"_s, false},
        {"sin filas, anticipos con oblea", "12", std::nullopt, u"00000000000000"_s, true},
    };
    for (const Caso& c : casos) {
        const PiezasComprobante p =
            piezasComprobante(reglasRegimen(QString::fromLatin1(c.regimen)), c.primera);
        EXPECT_EQ(p.texto(), c.texto) << c.nombre;
        EXPECT_EQ(p.sinOblea, c.sinOblea) << c.nombre;
    }
}

// One receipt, 00000007, of the active declaration, with its detail rows; printed as the detail
// form prints it, into a PDF.
struct ComprobanteDetalle : DatosEntrada {
    explicit ComprobanteDetalle(const QString& regimen) : DatosEntrada(regimen)
    {
        importada(u"00000007"_s, QString());
    }
    void fila(prueba::DatosGuia g)
    {
        g.comprobante = u"00000007"_s;
        g.idCabecera = idCabecera;
        if (!g.agente.isValid()) g.agente = u"000000"_s;
        prueba::guia(base, g);
    }
    // The report printed on, and the text of the PDF.
    QString imprimir(const QString& observacion = u"OBS"_s)
    {
        const QString archivo = carpeta.ruta(u"comprobante.pdf"_s);
        ImpresoraGuionada impresora(base, archivo);
        dialogs.textos = {observacion};
        imprimirComprobante(contexto, u"frmRetenciones_B"_s,
                            *leerRetencion(base, {idCabecera, u"00000007"_s}), impresora);
        EXPECT_EQ(impresora.trabajos.size(), 1U);
        reporte = impresora.trabajos.empty() ? QString() : impresora.trabajos[0].reporte;
        return pdf::texto(archivo);
    }
    QString texto()
    {
        return valor("SELECT Texto FROM Impresos ORDER BY rowid LIMIT 1").toString();
    }

    QString reporte;
};

void contiene(const QString& impreso, const QStringList& esperados)
{
    for (const QString& e : esperados)
        EXPECT_TRUE(impreso.contains(e)) << e.toStdString() << " no está en\n" << impreso.toStdString();
}

TEST(ImpresionDetalle, GuiasDeGanado)
{
    ComprobanteDetalle f(u"09"_s);
    f.fila({.nroGuia = u"00000123"_s, .tipo = 6, .cantidad = 2.5,
            .valorUnitario = prueba::monto("3.50"), .total = prueba::monto("8.75"),
            .nroPorte = u"-00000000"_s});
    const QString impreso = f.imprimir();
    EXPECT_EQ(f.reporte, u"comprob_09.rpt"_s);
    EXPECT_EQ(f.texto(), u"Mayo      0000000000000OBS"_s);
    contiene(impreso, {u"GUÍAS DE TRASLADO"_s, u"00000123"_s, u"TERNEROS"_s, u"2,5"_s,
                       u"$ 3,50"_s, u"$ 8,75"_s, u"OBS"_s, u"ORIGINAL"_s, u"DUPLICADO"_s});
    EXPECT_FALSE(impreso.contains(u"0000000000000OBS"_s));
}

TEST(ImpresionDetalle, ConceptosDeAlimentos)
{
    ComprobanteDetalle f(u"15"_s);
    f.fila({.tipo = 1, .cantidad = 3, .valorUnitario = prueba::monto("12"),
            .total = prueba::monto("36"), .nroPorte = u"0001-00000077"_s});
    const QString impreso = f.imprimir();
    EXPECT_EQ(f.reporte, u"comprob_09.rpt"_s);
    EXPECT_EQ(f.texto(), u"Mayo      0000000000000OBS"_s);
    contiene(impreso, {u"CONCEPTOS TRANSPORTADOS"_s, u"Bovino (media res)"_s, u"0001-00000077"_s,
                       u"$ 36,00"_s});
}

TEST(ImpresionDetalle, ObleasConSuCartaDePorte)
{
    ComprobanteDetalle f(u"10"_s);
    f.fila({.nroGuia = u"A0000015"_s, .tipo = 1, .cantidad = 1, .valorUnitario = prueba::monto("65"),
            .total = prueba::monto("65"), .nroPorte = u"0012-00004567"_s});
    f.fila({.nroGuia = u"B0000016"_s, .tipo = 2, .cantidad = 1, .valorUnitario = prueba::monto("45"),
            .total = prueba::monto("45"), .nroPorte = u"0012-00004568"_s});
    const QString impreso = f.imprimir();
    EXPECT_EQ(f.reporte, u"comprob_10.rpt"_s);
    EXPECT_EQ(f.texto(), u"Mayo      A0000015001200004567 OBS"_s);
    contiene(impreso, {u"OBLEAS"_s, u"A0000015"_s, u"B0000016"_s, u"0012-00004567"_s,
                       u"0012-00004568"_s, u"SOJA / GIRASOL / FORRAJERAS"_s, u"$ 110,00"_s});
}

TEST(ImpresionDetalle, AnticiposDeducidos)
{
    for (const char* regimen : {"11", "16"}) {
        SCOPED_TRACE(regimen);
        ComprobanteDetalle f(QString::fromLatin1(regimen));
        f.fila({.agente = u"000123"_s, .nroGuia = u"0"_s, .tipo = 0, .total = prueba::monto("50"),
                .nroAnticipo = u"77"_s, .nroPorte = u"0"_s});
        prueba::otrasRetenciones(f.base, f.idCabecera, u"00000007"_s, prueba::monto("50"));
        const QString impreso = f.imprimir();
        EXPECT_EQ(f.reporte, u"comprob_11.rpt"_s);
        EXPECT_EQ(f.texto(), u"Mayo      000000770000000000123OBS"_s);
        contiene(impreso, {u"ANTICIPOS DEDUCIDOS"_s, u"00012-3"_s, u"77"_s, u"$ 50,00"_s,
                           u"Otras retenciones deducidas"_s});
    }
}

TEST(ImpresionDetalle, AnticiposConYSinOblea)
{
    ComprobanteDetalle f(u"12"_s);
    f.fila({.agente = u"000123"_s, .nroGuia = u"B0000002"_s, .tipo = 0,
            .total = prueba::monto("30"), .nroAnticipo = u"5"_s, .nroPorte = u"0003-00000333"_s});
    QString impreso = f.imprimir();
    EXPECT_EQ(f.reporte, u"comprob_12.rpt"_s);
    EXPECT_EQ(f.texto(), u"Mayo      B0000002000300000333 OBS"_s);
    contiene(impreso, {u"B0000002"_s, u"0003-00000333"_s, u"$ 30,00"_s});

    // Without detail rows the receipt prints on the report of receipts without a stamp.
    f.sql("DELETE FROM Guias");
    impreso = f.imprimir(u"SIN OBLEA"_s);
    EXPECT_EQ(f.reporte, u"comprob_12b.rpt"_s);
    EXPECT_EQ(f.texto(), u"Mayo      00000000000000SIN OBLEA"_s);
    contiene(impreso, {u"No se dedujeron anticipos."_s, u"SIN OBLEA"_s});
}

// The police receipt: its stamps with their waybills, and the fine with the officer who collected
// it, also when that officer has since been deleted.
TEST(ImpresionDetalle, ComprobantePolicialConSuMulta)
{
    DatosPoliciales f;
    f.importada(u"00000007"_s, QString());
    for (const char* oblea : {"A0000015", "B0000002"})
        prueba::guia(f.base, {.comprobante = u"00000007"_s, .agente = u"012345"_s,
                              .nroGuia = QString::fromLatin1(oblea), .tipo = oblea[0] - 'A' + 1,
                              .cantidad = 1, .valorUnitario = prueba::monto("20"),
                              .total = prueba::monto("20"), .nroPorte = u"0012-00004567"_s,
                              .idCabecera = f.idCabecera});
    prueba::multa(f.base, {.idCabecera = f.idCabecera, .comprobante = u"00000007"_s,
                           .policia = f.garcia, .importe = prueba::monto("120"),
                           .fecha = u"2008-05-10"_s, .hora = u"11:30:00"_s, .codTurno = 1});
    const QString archivo = f.carpeta.ruta(u"policial.pdf"_s);
    const auto imprimir = [&] {
        ImpresoraGuionada impresora(f.base, archivo);
        f.dialogs.textos = {u"CONTROL RUTA 9"_s};
        imprimirComprobante(f.contexto, u"frmRetenciones_C"_s,
                            *leerRetencion(f.base, {f.idCabecera, u"00000007"_s}), impresora);
        EXPECT_EQ(impresora.trabajos.size(), 1U);
        if (!impresora.trabajos.empty()) {
            EXPECT_EQ(impresora.trabajos[0].reporte, u"comprob_13.rpt"_s);
        }
        return pdf::texto(archivo);
    };
    QString impreso = imprimir();
    EXPECT_EQ(f.valor("SELECT Texto FROM Impresos ORDER BY rowid LIMIT 1").toString(),
              u"Mayo      A0000015001200004567 CONTROL RUTA 9"_s);
    contiene(impreso, {u"OBLEAS"_s, u"A0000015"_s, u"B0000002"_s, u"0012-00004567"_s,
                       u"$ 40,00"_s, u"GARCIA JUAN"_s, u"10/05/2008 11:30"_s, u"$ 120,00"_s,
                       u"CONTROL RUTA 9"_s, u"ORIGINAL"_s, u"DUPLICADO"_s});

    f.sql("DELETE FROM Policias WHERE CodPolicia = ?", {f.garcia});
    impreso = imprimir();
    contiene(impreso, {u"(no registrado)"_s, u"$ 120,00"_s});
}

// A receipt with many rows does not fit on half a sheet: each copy on its own.
TEST(ImpresionDetalle, UnComprobanteLargoOcupaUnaHojaPorCopia)
{
    ComprobanteDetalle f(u"10"_s);
    for (int i = 1; i <= 12; ++i)
        f.fila({.nroGuia = u"A%1"_s.arg(i, 7, 10, QLatin1Char('0')), .tipo = 1, .cantidad = 1,
                .valorUnitario = prueba::monto("65"), .total = prueba::monto("65"),
                .nroPorte = u"0012-00004567"_s});
    f.imprimir();
    const QStringList paginas = pdf::paginas(f.carpeta.ruta(u"comprobante.pdf"_s));
    ASSERT_EQ(paginas.size(), 2);
    EXPECT_TRUE(paginas[0].contains(u"ORIGINAL"_s));
    EXPECT_TRUE(paginas[1].contains(u"DUPLICADO"_s));
    EXPECT_TRUE(paginas[1].contains(u"A0000012"_s));
}

} // namespace
