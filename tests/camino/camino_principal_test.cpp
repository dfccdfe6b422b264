// The program's main road, walked as a user walks it on a new install: start the program, load
// the agent, regime, rate, due date and subject from the Administración menu, create and activate
// the month's declaration, enter two receipts and annul one, print a receipt, close the month into
// its declaration file with the printed declaration, print the payment slip, close the program.
// Everything is reached from the menus and done with the forms' own fields and buttons; the
// database is only read, to see what a step left behind.

#include "camino/camino.h"

namespace {

using namespace camino;

const QString kArchivo = u"DJ_123459_0000_01_2024_05_00.TXT"_s;

class CaminoPrincipal : public Camino {
protected:
    void grabarComprobantes();
    void emitirDeclaracion();
    void imprimirBoleta();
};

// Procesos → Grabar Ret./Perc.: receipt 00000001 with the subject from the picker, 00000002 with
// the subject typed and the concept from the picker; the second annulled; the first printed.
void CaminoPrincipal::grabarComprobantes()
{
    const QString pdfComprobante = carpeta.ruta(u"comprobante.pdf"_s);
    dialogos.alAbrir(u"frmRetenciones"_s, [&](QDialog& f) {
        EXPECT_EQ(s(f.windowTitle()), "Retenciones/Percepciones del mes de Mayo de 2024");

        pulsar(f, "cmdAgregar");
        dialogos.alAbrir(u"frmContribuyentes"_s, [&](QDialog& lista) {
            pulsar(lista, "cmdSeleccionar");  // the one subject is the current row
        });
        pulsar(f, "cmdContribuyentes");
        EXPECT_EQ(rotulo(f, "lblRazonSocial"), "PEREZ JUAN");
        EXPECT_EQ(rotulo(f, "lblAlicuota"), "2,5");
        tipear(f, "mskDia", u"07"_s);
        tipear(f, "mskCodConcepto", u"00"_s);
        EXPECT_EQ(rotulo(f, "lblDescConcepto"), "OPERACIONES EN GENERAL");
        tipear(f, "mskImpBru", u"1000"_s);
        EXPECT_EQ(rotulo(f, "lblImporteRet"), "25,00");
        pulsar(f, "cmdGrabar");
        EXPECT_EQ(marco(f, "fraRetencion"), "") << "el comprobante 1 no se grabó";

        pulsar(f, "cmdAgregar");
        tipear(f, "mskNroContrib", kSujeto);
        EXPECT_EQ(rotulo(f, "lblRazonSocial"), "PEREZ JUAN");
        tipear(f, "mskDia", u"20"_s);
        dialogos.alAbrir(u"frmConceptos"_s, [&](QDialog& lista) {
            elegirFila(lista, "dbgConceptos", u"Código"_s, u"00"_s);
            pulsar(lista, "cmdSeleccionar");
        });
        pulsar(f, "cmdConceptos");
        EXPECT_EQ(rotulo(f, "lblDescConcepto"), "OPERACIONES EN GENERAL");
        tipear(f, "mskImpBru", u"2000"_s);
        EXPECT_EQ(rotulo(f, "lblImporteRet"), "50,00");
        pulsar(f, "cmdGrabar");
        EXPECT_EQ(marco(f, "fraRetencion"), "") << "el comprobante 2 no se grabó";
        EXPECT_EQ(grillaDe(f).filas(), 2);

        elegirFila(f, "dbgRetenciones", u"Comprobante"_s, u"00000002"_s);
        dialogos.responder(u"Atención..."_s, Respuesta::Si);
        pulsar(f, "cmdAnular");
        EXPECT_EQ(rotulo(f, "lblEstado"), "Anulada");

        elegirFila(f, "dbgRetenciones", u"Comprobante"_s, u"00000001"_s);
        dialogos.contestar(u"ORIGINAL"_s);  // the receipt's observation
        dialogos.responder(u"¿Confirmar Impresión?"_s, Respuesta::Si);
        dialogos.alAbrir(u"VistaPrevia"_s, imprimirEnPdf(pdfComprobante));
        pulsar(f, "cmdReimprimir");

        pulsar(f, "cmdSalir");
    });
    ASSERT_NO_FATAL_FAILURE(menu("mnuRetenciones"));

    // Only the questions the user answered were asked.
    EXPECT_EQ(mensajes(),
              (std::vector<std::string>{
                  "¿Confirma la anulación del registro seleccionado?.",
                  "Tipee un texto (hasta 100 caracteres) que considere necesario agregar al "
                  "comprobante o bien elija cancelar para no incluir ninguna observación:",
                  "ATENCION: verifique si la impresora está lista antes de confirmar."}));
    std::vector<std::string> guardadas;
    for (const QSqlRecord& r :
         base.filas(u"SELECT * FROM Retenciones ORDER BY Nro_Comprobante"_s))
        guardadas.push_back(campo(r, "Nro_Comprobante") + "|" + campo(r, "Nro_Contrib") + "|"
                            + campo(r, "Dia") + "|" + campo(r, "Cod_Concepto") + "|"
                            + importe(r, "Importe_Bruto") + "|" + importe(r, "Importe_Ret") + "|"
                            + campo(r, "Estado") + "|" + campo(r, "MarcaImp"));
    EXPECT_EQ(guardadas, (std::vector<std::string>{"00000001|0000123459|07|00|1000.00|25.00|5|",
                                                   "00000002|0000123459|20|00|2000.00|50.00|4|"}));

    // The receipt's two copies, and the receipt as printed.
    const auto copias = impresos();
    ASSERT_EQ(copias.size(), 2u);
    for (const QSqlRecord& c : copias) {
        EXPECT_EQ(campo(c, "Para"), "00000001");
        EXPECT_EQ(campo(c, "Texto"), "Mayo      ORIGINAL");
    }
    const QString impreso = pdf::texto(pdfComprobante);
    for (const QString& esperado : {u"Comprobante Nº 00000001"_s, u"PEREZ JUAN"_s,
                                    u"ACOPIOS DEL SUR SA"_s, u"07/05/2024"_s, u"1.000,00"_s,
                                    u"$ 25,00"_s, u"ORIGINAL"_s, u"DUPLICADO"_s})
        EXPECT_TRUE(impreso.contains(esperado)) << s(esperado) << " no está en\n" << s(impreso);
}

// Procesos → Emitir y generar Archivo: the declaration is "Abierta"; D.Jurada closes it, writes
// its file into the chosen folder and prints the declaration with the file's control code.
void CaminoPrincipal::emitirDeclaracion()
{
    ASSERT_TRUE(QDir().mkpath(diskette));
    const QString pdfDeclaracion = carpeta.ruta(u"declaracion.pdf"_s);
    dialogos.alAbrir(u"frmCabeceras"_s, [&](QDialog& f) {
        EXPECT_EQ(s(f.windowTitle()), "Emitir y Generar Diskette");
        EXPECT_EQ(rotulo(f, "lblEstadoDescripcion"), " Abierta");
        dialogos.responder(u"¡Atención!"_s, Respuesta::Si);  // close the month
        dialogos.contestar(std::nullopt);                     // no observation
        dialogos.elegirCarpeta(diskette);
        dialogos.responder(u"¿Confirmar Impresión?"_s, Respuesta::Si);
        dialogos.alAbrir(u"VistaPrevia"_s, imprimirEnPdf(pdfDeclaracion));
        pulsar(f, "cmdDecJurada");
        EXPECT_EQ(rotulo(f, "lblEstadoDescripcion"), " Cerrada");
        pulsar(f, "cmdSalir");
    });
    ASSERT_NO_FATAL_FAILURE(menu("mnuCabecerasEmitir"));

    // Closing the active declaration leaves none active.
    EXPECT_EQ(panelesDeclaracion(),
              (std::vector<std::string>{"Anio: (ninguno)", "Mes: (ninguno)", "R: 00"}));
    EXPECT_FALSE(menuHabilitado("mnuRetenciones"));
    EXPECT_EQ(valor(u"SELECT Estado FROM Cabeceras"_s), "3");

    // The file: the header, the valid receipt, the annulled one, each ending in "*" and CR LF;
    // 101 characters the header, 78 a receipt entered by hand.
    EXPECT_EQ(QDir(diskette).entryList(QDir::Files), QStringList{kArchivo});
    QFile archivo(QDir(diskette).filePath(kArchivo));
    ASSERT_TRUE(archivo.open(QIODevice::ReadOnly));
    const QByteArray bytes = archivo.readAll();
    ASSERT_TRUE(bytes.endsWith("\r\n"));
    const QList<QByteArray> lineas = bytes.chopped(1).split('\n');
    ASSERT_EQ(lineas.size(), 3);
    const struct {
        char tipo;
        qsizetype largo;
        const char* contiene;
    } registros[] = {{'C', 101, "12345901202405000000"},  // agent, regime, year, month, rect, branch
                     {'R', 78, "00000001"},
                     {'A', 78, "00000002"}};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(lineas[i].toStdString());
        ASSERT_TRUE(lineas[i].endsWith('\r'));
        const QByteArray registro = lineas[i].chopped(1);
        EXPECT_EQ(registro.front(), registros[i].tipo);
        EXPECT_EQ(registro.size(), registros[i].largo);
        EXPECT_TRUE(registro.contains(registros[i].contiene));
        if (i > 0) { EXPECT_TRUE(registro.startsWith(registros[i].tipo + kSujeto.toLatin1())); }
        EXPECT_EQ(registro.back(), '*');
    }

    // The success message names the file and the folder only; the control code is on the printed
    // declaration, and it is the code of the file as written.
    const std::string codigo = codigoDeControl(bytes);
    EXPECT_EQ(mensajes(),
              (std::vector<std::string>{
                  "Esta función cerrará la cabecera correspondiente a las "
                  "retenciones/percepciones del mes de Mayo de 2024.\nDespués de esto no podrá "
                  "hacer ningún cambio en ella\na menos que la rectifique.\n\n¿Confirma?",
                  "Tipee un texto (hasta 100 caracteres) que considere necesario agregar a la "
                  "declaración o bien elija cancelar para no incluir ninguna observación:",
                  s(u"El archivo "_s + kArchivo + u"\nha sido generado con éxito en:\n"_s
                    + QDir::toNativeSeparators(diskette) + QDir::separator()),
                  "ATENCION: verifique si la impresora está lista antes de confirmar."}));
    const auto declaracion = impresos();
    ASSERT_EQ(declaracion.size(), 1u);
    EXPECT_EQ(campo(declaracion[0], "Para"), codigo);
    EXPECT_EQ(importe(declaracion[0], "Importe"), "25.00");   // the tax computed
    EXPECT_EQ(importe(declaracion[0], "Importe1"), "25.00");  // the amounts withheld
    EXPECT_EQ(campo(declaracion[0], "FechaV"), "2024-06-17");
    // Receipts present, not a rectification, one valid, one annulled, no observation.
    EXPECT_EQ(campo(declaracion[0], "Texto"), "1" + std::string(15, ' ') + "000010001");
    const QString impreso = pdf::texto(pdfDeclaracion);
    EXPECT_EQ(impreso.count(QString::fromStdString(codigo)), 2) << s(impreso);  // two copies
    EXPECT_TRUE(impreso.contains(u"ACOPIOS DEL SUR SA"_s));
}

// Procesos → Emitir y generar Archivo again: B. de Pago of the closed month, paid ten days late.
void CaminoPrincipal::imprimirBoleta()
{
    const QString pdfBoleta = carpeta.ruta(u"boleta.pdf"_s);
    dialogos.alAbrir(u"frmCabeceras"_s, [&](QDialog& f) {
        EXPECT_EQ(rotulo(f, "lblEstadoDescripcion"), " Cerrada");
        dialogos.contestar(u"27/06/2024"_s);  // the payment date
        dialogos.contestar(std::nullopt);       // no other payments
        dialogos.responder(u"¿Confirmar Impresión?"_s, Respuesta::Si);
        dialogos.alAbrir(u"VistaPrevia"_s, imprimirEnPdf(pdfBoleta));
        pulsar(f, "cmdPago");
        EXPECT_EQ(rotulo(f, "lblEstadoDescripcion"), " Cerrada");
        pulsar(f, "cmdSalir");
    });
    ASSERT_NO_FATAL_FAILURE(menu("mnuCabecerasEmitir"));
    EXPECT_EQ(mensajes().size(), 3u);  // the two input boxes and the print question

    // 25.00 at the seeded 1.80 % a month, for ten days: 25.00 x 1.80 % / 30 x 10 = 0.15.
    const auto copias = impresos();
    ASSERT_EQ(copias.size(), 3u);
    const char* para[] = {"AGENTE", "BANCO", "ORVALEN"};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(para[i]);
        EXPECT_EQ(campo(copias[i], "Para"), para[i]);
        EXPECT_EQ(importe(copias[i], "Importe"), "25.00");
        EXPECT_EQ(importe(copias[i], "Importe1"), "0.00");
        EXPECT_EQ(importe(copias[i], "Interes"), "0.15");
        EXPECT_EQ(campo(copias[i], "FechaV"), "2024-06-17");
        EXPECT_EQ(campo(copias[i], "FechaP"), "2024-06-27");
        EXPECT_TRUE(QString::fromStdString(campo(copias[i], "Texto"))
                        .endsWith(u"VEINTICINCO CON 15/100"_s));
        EXPECT_EQ(copias[i].value(u"CodBar"_s).isNull(), i < 2);
    }
    // The slip as the bank sees it: three copies of the total, and the barcode its scanner reads:
    // agent, branch, regime, year, month, total, other payments, interest, rectification.
    const QStringList paginas = pdf::paginas(pdfBoleta);
    ASSERT_EQ(paginas.size(), 1);
    EXPECT_EQ(paginas[0].count(u"$ 25,15"_s), 3) << s(paginas[0]);
    EXPECT_EQ(pdf::codigosLeidos(pdf::imagenPagina(pdfBoleta, 1)),
              QStringList{u"CODE-128:"_s + kAgente + u"00" "01" "24" "05" "00002500" "00000000"
                          "0000015" "00" "*"_s});
}

TEST_F(CaminoPrincipal, DeUnaInstalacionNuevaALaBoletaDePago)
{
    ASSERT_NO_FATAL_FAILURE(arrancar());

    // 1. Administración: the agent with its branch, the regime, a rate and a due date, a subject.
    ASSERT_NO_FATAL_FAILURE(cargarAgente());
    ASSERT_NO_FATAL_FAILURE(verSucursal("00000000"));
    ASSERT_NO_FATAL_FAILURE(
        activarRegimen(u"01"_s, "Régimen: 01 - Retenciones - Régimen General"));
    ASSERT_NO_FATAL_FAILURE(cargarAlicuota());
    ASSERT_NO_FATAL_FAILURE(cargarVencimiento());
    ASSERT_NO_FATAL_FAILURE(cargarSujeto());

    // 2. The month's declaration, created and activated.
    ASSERT_NO_FATAL_FAILURE(crearYActivarDeclaracion());

    // 3. Two receipts, one annulled, one printed; the branch has issued two numbers.
    ASSERT_NO_FATAL_FAILURE(grabarComprobantes());
    ASSERT_NO_FATAL_FAILURE(verSucursal("00000002"));

    // 4. The month closed into its file and printed declaration.
    ASSERT_NO_FATAL_FAILURE(emitirDeclaracion());

    // 5. The payment slip of the closed month.
    ASSERT_NO_FATAL_FAILURE(imprimirBoleta());

    // 6. The end of the day.
    ASSERT_NO_FATAL_FAILURE(cerrarPrograma("01"));
}

} // namespace
