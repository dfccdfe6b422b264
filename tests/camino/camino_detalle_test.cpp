// The road of the regimes whose receipts carry detail rows, walked from the menus of a new
// install: the agency's stamp remittances registered with their control numbers, a grain receipt
// of regime "10" with two stamps on one waybill, a livestock receipt of regime "11" with an
// advance deducted, both printed, and each month closed into its declaration file, whose detail
// ("D") and other-amounts ("O") records carry them byte for byte.

#include "camino/camino.h"

namespace {

using namespace camino;

// Another collection agent, to whom an advance was paid; its check digit is right.
const QString kOtroAgente = u"000123"_s;

class CaminoDetalle : public Camino {
protected:
    void cargarRemesas();
    void consultarStock(const std::vector<std::string>& esperado);
    void grabarObleas();
    void grabarAnticipo();
    // Procesos → Emitir: closes the active month into its file, whose lines (without CR LF) it
    // gives.
    QList<QByteArray> emitir(const QString& archivo);
};

// Administración → Remesas: two remittances of 1000 stamps, "A" and "B"; a control number typed
// wrong is refused and nothing is registered.
void CaminoDetalle::cargarRemesas()
{
    dialogos.alAbrir(u"frmRemesas"_s, [&](QDialog& f) {
        EXPECT_EQ(caja(f, "TxtAgente"), "12345-9");
        const auto remesa = [&](const char* nro, const char* tipo, const char* control) {
            pulsar(f, "cmdAgregar");
            tipear(f, "TxtRemesa", QString::fromLatin1(nro));
            tipear(f, "txtTipo", QString::fromLatin1(tipo));
            tipear(f, "TxtDesde", u"1"_s);
            tipear(f, "TxtHasta", u"1000"_s);
            tipear(f, "TxtControl", QString::fromLatin1(control));
            pulsar(f, "cmdGrabar");
        };
        remesa("1", "a", "374026");
        EXPECT_EQ(marco(f, "fraRemesas"), " Agregar ");
        tipear(f, "TxtControl", u"374025"_s);
        pulsar(f, "cmdGrabar");
        EXPECT_EQ(marco(f, "fraRemesas"), "") << "la remesa 1 no se grabó";
        remesa("2", "b", "374365");
        EXPECT_EQ(marco(f, "fraRemesas"), "") << "la remesa 2 no se grabó";
        EXPECT_EQ(grillaDe(f).filas(), 2);
        pulsar(f, "cmdSalir");
    });
    ASSERT_NO_FATAL_FAILURE(menu("MnuRemesas"));
    EXPECT_EQ(mensajes(), std::vector<std::string>{"El Nº de Control es incorrecto"});
    EXPECT_EQ(valor(u"SELECT group_concat(TipoEstampilla || Nro_desde || '-' || Nro_Hasta) "
                    u"FROM Remesas WHERE Nro_Agente = ?"_s,
                    {kAgente}),
              "A1-1000,B1-1000");
}

// Administración → Remesas → Consultar StocK.
void CaminoDetalle::consultarStock(const std::vector<std::string>& esperado)
{
    dialogos.alAbrir(u"frmRemesas"_s, [&](QDialog& f) {
        pulsar(f, "Cmd_stock");
        pulsar(f, "cmdSalir");
    });
    ASSERT_NO_FATAL_FAILURE(menu("MnuRemesas"));
    EXPECT_EQ(mensajes(), esperado);
}

// Procesos → Grabar Ret./Perc.: a receipt of regime "10" whose amount is its two stamps, both on
// waybill 0001-00002222, the second's concept from the goods-types list; printed.
void CaminoDetalle::grabarObleas()
{
    const QString pdf = carpeta.ruta(u"comprobante_10.pdf"_s);
    dialogos.alAbrir(u"frmRetenciones_B"_s, [&](QDialog& f) {
        EXPECT_FALSE(control<QWidget>(f, u"mskImpBru"_s)->isVisible());
        pulsar(f, "cmdAgregar");
        tipear(f, "mskNroContrib", kSujeto);
        EXPECT_EQ(rotulo(f, "lblRazonSocial"), "PEREZ JUAN");
        tipear(f, "mskDia", u"07"_s);

        dialogos.alAbrir(u"frmGuias"_s, [&](QDialog& g) {
            EXPECT_EQ(s(g.windowTitle()), "Carga de Obleas");
            const auto oblea = [&](const char* numero) {
                tipear(g, "TxtNroGuia", QString::fromLatin1(numero));
                tipear(g, "TxtPorte1", u"1"_s);
                tipear(g, "TxtPorte2", u"2222"_s);
                pulsar(g, "cmdGrabar");
            };
            pulsar(g, "cmdAgregar");
            tipear(g, "mskCodConcepto", u"1"_s);
            EXPECT_EQ(rotulo(g, "lblDescConcepto"), "SOJA / GIRASOL / FORRAJERAS");
            oblea("a1");
            EXPECT_EQ(marco(g, "fraGuia"), "") << "la oblea A no se grabó";
            pulsar(g, "cmdAgregar");
            dialogos.alAbrir(u"frmTipos"_s, [&](QDialog& lista) {
                EXPECT_EQ(s(lista.windowTitle()), "Tipos de Cereales");
                elegirFila(lista, "dbgTipos", u"Tipo"_s, u"2"_s);
                pulsar(lista, "cmdSeleccionar");
            });
            pulsar(g, "cmdConceptos");
            EXPECT_EQ(caja(g, "mskCodConcepto"), "02");
            oblea("b2");
            EXPECT_EQ(marco(g, "fraGuia"), "") << "la oblea B no se grabó";
            EXPECT_EQ(rotulo(g, "Lbl_total_general"), "$ 110,00");
            pulsar(g, "cmdSalir");
        });
        pulsar(f, "Cmd_Guias");
        EXPECT_EQ(rotulo(f, "LblImporte"), "$ 110,00");
        pulsar(f, "cmdGrabar");
        EXPECT_EQ(marco(f, "fraRetencion"), "") << "el comprobante no se grabó";

        dialogos.contestar(u"CAMION AB 123 CD"_s);
        dialogos.responder(u"¿Confirmar Impresión?"_s, Respuesta::Si);
        dialogos.alAbrir(u"VistaPrevia"_s, imprimirEnPdf(pdf));
        pulsar(f, "cmdReimprimir");
        pulsar(f, "cmdSalir");
    });
    ASSERT_NO_FATAL_FAILURE(menu("mnuRetenciones"));
    EXPECT_EQ(mensajes().size(), 2U);  // the observation and the print question

    EXPECT_EQ(valor(u"SELECT group_concat(Nro_Comprobante || ' ' || NroGuia || ' ' || Nro_porte, "
                    u"', ') FROM Guias"_s),
              "00000001 A0000001 0001-00002222, 00000001 B0000002 0001-00002222");
    EXPECT_EQ(valor(u"SELECT Texto FROM Impresos ORDER BY rowid LIMIT 1"_s),
              "Mayo      A0000001000100002222 CAMION AB 123 CD");
    const QString impreso = pdf::texto(pdf);
    for (const QString& esperado :
         {u"Comprobante Nº 00000001"_s, u"A0000001"_s, u"B0000002"_s, u"0001-00002222"_s,
          u"$ 110,00"_s, u"CAMION AB 123 CD"_s, u"ORIGINAL"_s, u"DUPLICADO"_s})
        EXPECT_TRUE(impreso.contains(esperado)) << s(esperado) << " no está en\n" << s(impreso);
}

// Procesos → Grabar Ret./Perc.: a receipt of regime "11" of 10.000 at 1 %, from which an advance
// of 50 paid to another agent is deducted; printed.
void CaminoDetalle::grabarAnticipo()
{
    const QString pdf = carpeta.ruta(u"comprobante_11.pdf"_s);
    dialogos.alAbrir(u"frmRetenciones_B"_s, [&](QDialog& f) {
        pulsar(f, "cmdAgregar");
        tipear(f, "mskNroContrib", kSujeto);
        tipear(f, "mskDia", u"08"_s);
        EXPECT_EQ(caja(f, "mskCodConcepto"), "97");
        tipear(f, "mskImpBru", u"10000"_s);
        EXPECT_EQ(rotulo(f, "lblImporteRet"), "$ 100,00");

        dialogos.alAbrir(u"frmAnticipos"_s, [&](QDialog& a) {
            pulsar(a, "cmdAgregar");
            tipear(a, "mskNroAgente", kOtroAgente);
            tipear(a, "TxtNro_Anticipo", u"77"_s);
            tipear(a, "mskMonto", u"50"_s);
            pulsar(a, "cmdGrabar");
            EXPECT_EQ(marco(a, "fraGuia"), "") << "el anticipo no se grabó";
            pulsar(a, "cmdSalir");
        });
        pulsar(f, "Cmd_Guias");
        EXPECT_EQ(rotulo(f, "LblImporte"), "$ 50,00");
        EXPECT_EQ(rotulo(f, "Lbl_total_retencion"), "$ 50,00");
        pulsar(f, "cmdGrabar");
        EXPECT_EQ(marco(f, "fraRetencion"), "") << "el comprobante no se grabó";

        dialogos.contestar(std::nullopt);
        dialogos.responder(u"¿Confirmar Impresión?"_s, Respuesta::Si);
        dialogos.alAbrir(u"VistaPrevia"_s, imprimirEnPdf(pdf));
        pulsar(f, "cmdReimprimir");
        pulsar(f, "cmdSalir");
    });
    ASSERT_NO_FATAL_FAILURE(menu("mnuRetenciones"));
    EXPECT_EQ(mensajes().size(), 2U);

    // The branch numbers its receipts whatever their regime.
    EXPECT_EQ(valor(u"SELECT Otras_Reten FROM Retenciones_B WHERE Nro_Comprobante = '00000002'"_s),
              "500000");
    const QString impreso = pdf::texto(pdf);
    for (const QString& esperado : {u"Comprobante Nº 00000002"_s, u"ANTICIPOS DEDUCIDOS"_s,
                                    u"00012-3"_s, u"77"_s, u"$ 50,00"_s, u"10.000,00"_s})
        EXPECT_TRUE(impreso.contains(esperado)) << s(esperado) << " no está en\n" << s(impreso);
}

QList<QByteArray> CaminoDetalle::emitir(const QString& archivo)
{
    const QString diskette = carpeta.ruta(u"diskette"_s);
    QDir().mkpath(diskette);
    dialogos.alAbrir(u"frmCabeceras"_s, [&](QDialog& f) {
        dialogos.responder(u"¡Atención!"_s, Respuesta::Si);  // close the month
        dialogos.contestar(std::nullopt);                     // no observation
        dialogos.elegirCarpeta(diskette);
        dialogos.responder(u"¿Confirmar Impresión?"_s, Respuesta::No);
        pulsar(f, "cmdDecJurada");
        EXPECT_EQ(rotulo(f, "lblEstadoDescripcion"), " Cerrada");
        pulsar(f, "cmdSalir");
    });
    menu("mnuCabecerasEmitir");
    mensajes();
    QFile file(QDir(diskette).filePath(archivo));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << s(archivo);
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    QList<QByteArray> lineas;
    for (const QByteArray& l : bytes.split('\n'))
        if (!l.isEmpty()) lineas << l.chopped(1);
    return lineas;
}

TEST_F(CaminoDetalle, RemesasObleasYAnticiposHastaElArchivo)
{
    ASSERT_NO_FATAL_FAILURE(arrancar());
    ASSERT_NO_FATAL_FAILURE(cargarAgente());
    ASSERT_NO_FATAL_FAILURE(activarRegimen(u"10"_s, "Régimen: 10 - Municip. Cereales-Frutihort."));
    ASSERT_NO_FATAL_FAILURE(cargarVencimiento());
    ASSERT_NO_FATAL_FAILURE(cargarSujeto());

    // 1. The agency's remittances, and the stock they give.
    ASSERT_NO_FATAL_FAILURE(cargarRemesas());
    const std::string sinRemesa = "   - No hay ninguna Remesa cargada de ese Tipo de Oblea";
    ASSERT_NO_FATAL_FAILURE(consultarStock(
        {"Error al calcular Obleas tipo C" + sinRemesa, "Error al calcular Obleas tipo D" + sinRemesa,
         "Obleas A: 1000\n\nObleas B: 1000\n\nObleas C: 0\n\nObleas D: 0\n\n"}));

    // 2. Regime "10": a receipt of two stamps, printed; one stamp of each type sold.
    ASSERT_NO_FATAL_FAILURE(crearYActivarDeclaracion());
    ASSERT_NO_FATAL_FAILURE(grabarObleas());
    ASSERT_NO_FATAL_FAILURE(consultarStock(
        {"Error al calcular Obleas tipo C" + sinRemesa, "Error al calcular Obleas tipo D" + sinRemesa,
         "Obleas A: 999\n\nObleas B: 999\n\nObleas C: 0\n\nObleas D: 0\n\n"}));

    // 3. Its month closed: the receipt's "R" record, then one "D" record per stamp, each with its
    //    receipt, type, unit value and waybill.
    const QList<QByteArray> archivo10 = emitir(u"DJ_123459_0000_10_2024_05_00.TXT"_s);
    ASSERT_EQ(archivo10.size(), 4);
    EXPECT_TRUE(archivo10[1].startsWith("R0000123459"));
    EXPECT_EQ(archivo10[2].toStdString(),
              std::string("D" "00000001" "000000" "0       " "A0000001" "01" "001" "0000065,00"
                                     "0001-00002222" "*"));
    EXPECT_EQ(archivo10[3].toStdString(),
              std::string("D" "00000001" "000000" "0       " "B0000002" "02" "001" "0000045,00"
                                     "0001-00002222" "*"));

    // 4. Regime "11": a receipt with an advance deducted, printed, its month closed: after its "R"
    //    record, the "O" record with the advances deducted and the "D" record of the advance.
    ASSERT_NO_FATAL_FAILURE(activarRegimen(u"11"_s, "Régimen: 11 - Semovientes-Prod. Apícolas"));
    ASSERT_NO_FATAL_FAILURE(crearYActivarDeclaracion());
    ASSERT_NO_FATAL_FAILURE(grabarAnticipo());
    const QList<QByteArray> archivo11 = emitir(u"DJ_123459_0000_11_2024_05_00.TXT"_s);
    ASSERT_EQ(archivo11.size(), 4);
    EXPECT_TRUE(archivo11[1].startsWith("R0000123459"));
    EXPECT_TRUE(archivo11[1].contains("00000002"));
    EXPECT_EQ(archivo11[2].toStdString(),
              std::string("O" "00000002" "0000050,00" "0000000.00" "*"));
    EXPECT_EQ(archivo11[3].toStdString(),
              std::string("D" "00000002" "000123" "77      " "0       " "00" "001" "0000050,00"
                                     "0            " "*"));

    ASSERT_NO_FATAL_FAILURE(cerrarPrograma("11"));
}

} // namespace
