// The withholdings of a closed declaration, looked up from the Informes menu: the month's three
// receipts entered, one annulled, the month closed; then the window of receipts by declaration
// shows them with their count and totals, refuses what it cannot do, prints the month's listing
// and reprints the three receipts in one batch, one PDF with four copies of each.

#include "camino/camino.h"

#include <QHeaderView>
#include <QListWidget>

namespace {

using namespace camino;

class CaminoConsulta : public Camino {
protected:
    void grabarTresComprobantes();
    void cerrarMes();
    void consultarDeclaracion();

    const QString pdfListado = carpeta.ruta(u"listado.pdf"_s);
    const QString pdfLote = carpeta.ruta(u"lote.pdf"_s);
};

// Procesos → Grabar Ret./Perc.: receipts 1 to 3 of 1.000, 2.000 and 3.000 at 2,5 %; the second
// annulled.
void CaminoConsulta::grabarTresComprobantes()
{
    dialogos.alAbrir(u"frmRetenciones"_s, [&](QDialog& f) {
        const struct {
            const char* dia;
            const char* bruto;
        } comprobantes[] = {{"07", "1000"}, {"12", "2000"}, {"20", "3000"}};
        for (const auto& c : comprobantes) {
            pulsar(f, "cmdAgregar");
            tipear(f, "mskNroContrib", kSujeto);
            tipear(f, "mskDia", QString::fromLatin1(c.dia));
            tipear(f, "mskCodConcepto", u"00"_s);
            tipear(f, "mskImpBru", QString::fromLatin1(c.bruto));
            pulsar(f, "cmdGrabar");
            EXPECT_EQ(marco(f, "fraRetencion"), "") << "el comprobante del día " << c.dia;
        }
        elegirFila(f, "dbgRetenciones", u"Comprobante"_s, u"00000002"_s);
        dialogos.responder(u"Atención..."_s, Respuesta::Si);
        pulsar(f, "cmdAnular");
        pulsar(f, "cmdSalir");
    });
    ASSERT_NO_FATAL_FAILURE(menu("mnuRetenciones"));
    mensajes();
}

// Procesos → Emitir y generar Archivo: D.Jurada closes the month.
void CaminoConsulta::cerrarMes()
{
    ASSERT_TRUE(QDir().mkpath(diskette));
    dialogos.alAbrir(u"frmCabeceras"_s, [&](QDialog& f) {
        dialogos.responder(u"¡Atención!"_s, Respuesta::Si);
        dialogos.contestar(std::nullopt);
        dialogos.elegirCarpeta(diskette);
        dialogos.responder(u"¿Confirmar Impresión?"_s, Respuesta::Si);
        dialogos.alAbrir(u"VistaPrevia"_s, imprimirEnPdf(carpeta.ruta(u"dj.pdf"_s)));
        pulsar(f, "cmdDecJurada");
        EXPECT_EQ(rotulo(f, "lblEstadoDescripcion"), " Cerrada");
        pulsar(f, "cmdSalir");
    });
    ASSERT_NO_FATAL_FAILURE(menu("mnuCabecerasEmitir"));
    mensajes();
}

// Informes → Ver Ret./Perc. por Declaración.
void CaminoConsulta::consultarDeclaracion()
{
    dialogos.alAbrir(u"frmRetxCab"_s, [&](QDialog& f) {
        GrillaRegistros& cabeceras = grillaDe(f, u"dbgCabeceras"_s);
        GrillaRegistros& retenciones = grillaDe(f, u"dbgRetenciones"_s);
        ASSERT_EQ(cabeceras.filas(), 1);
        EXPECT_EQ(s(celdaActual(cabeceras, 6)), "Cerrada");
        EXPECT_EQ(retenciones.filas(), 3);
        // The annulled receipt is counted and added: the totals are of every row the grid shows.
        EXPECT_EQ(rotulo(f, "lblCantidad"), "3");
        EXPECT_EQ(rotulo(f, "lblTotBruto"), "6000,00");
        EXPECT_EQ(rotulo(f, "lblTotRetenido"), "150,00");
        EXPECT_EQ(s(celda(retenciones, 1, 6)), "Anulada");

        // What cannot be done is said, and changes nothing.
        Q_EMIT retenciones.horizontalHeader()->sectionClicked(2);  // "Importe Bruto"
        elegirFila(f, "dbgRetenciones", u"Comprobante"_s, u"00000001"_s);
        pulsar(f, "cmdAgregar");
        pulsar(f, "cmdAgregar");
        EXPECT_EQ(control<QListWidget>(f, u"lstComprob"_s)->count(), 1);
        // A concept the month does not use: nothing to list.
        auto* concepto = control<QComboBox>(f, u"cbxConcepto"_s);
        concepto->setCurrentIndex(2);  // "31 - PERCEPCION EN FAENA"
        Q_EMIT concepto->activated(2);
        EXPECT_EQ(retenciones.filas(), 0);
        EXPECT_FALSE(habilitado(f, u"cmdImprimir"_s));
        EXPECT_FALSE(habilitado(f, u"cmdImprimirC"_s)) << "la lista se vació";
        concepto->setCurrentIndex(0);
        Q_EMIT concepto->activated(0);
        EXPECT_EQ(retenciones.filas(), 3);

        // The month's listing.
        dialogos.responder(u"¿Confirmar Impresión?"_s, Respuesta::Si);
        dialogos.alAbrir(u"VistaPrevia"_s, imprimirEnPdf(pdfListado));
        pulsar(f, "cmdImprimir");

        // The three receipts in one batch.
        pulsar(f, "cmdAgregarT");
        dialogos.contestar(u"REIMPRESION POR EXTRAVIO"_s);
        dialogos.responder(u"¿Confirmar Impresión?"_s, Respuesta::Si);
        dialogos.alAbrir(u"VistaPrevia"_s, imprimirEnPdf(pdfLote));
        pulsar(f, "cmdImprimirC");
        pulsar(f, "cmdSalir");
    });
    ASSERT_NO_FATAL_FAILURE(menu("mnuRetxCab"));
}

TEST_F(CaminoConsulta, ListadoYTresComprobantesDeUnaDeclaracionCerrada)
{
    ASSERT_NO_FATAL_FAILURE(arrancar());
    ASSERT_NO_FATAL_FAILURE(cargarAgente());
    ASSERT_NO_FATAL_FAILURE(activarRegimen(u"01"_s, "Régimen: 01 - Retenciones - Régimen General"));
    ASSERT_NO_FATAL_FAILURE(cargarAlicuota());
    ASSERT_NO_FATAL_FAILURE(cargarVencimiento());
    ASSERT_NO_FATAL_FAILURE(cargarSujeto());
    ASSERT_NO_FATAL_FAILURE(crearYActivarDeclaracion());
    ASSERT_NO_FATAL_FAILURE(grabarTresComprobantes());
    ASSERT_NO_FATAL_FAILURE(cerrarMes());
    ASSERT_NO_FATAL_FAILURE(consultarDeclaracion());

    EXPECT_EQ(mensajes(),
              (std::vector<std::string>{
                  "No se dispone de ordenamiento por este campo.",
                  "El registro ya se encuentra en la lista de impresión de comprobantes.",
                  "ATENCION: verifique si la impresora está lista antes de confirmar.",
                  "Tipee un texto (hasta 100 caracteres) que considere necesario agregar a todos "
                  "los comprobantes o bien elija cancelar para no incluir ninguna observación:",
                  "Se imprimirá/n 3 comprobante/s.\n\nATENCION: verifique si la impresora está "
                  "lista antes de confirmar."}));

    const QString listado = pdf::texto(pdfListado);
    for (const QString& e : {u"LISTADO DE RETENCIONES / PERCEPCIONES"_s, u"ACOPIOS DEL SUR SA"_s,
                             u"00000001"_s, u"00000002"_s, u"00000003"_s, u"Anulada"_s,
                             u"6.000,00"_s, u"150,00"_s, u"3 comprobantes"_s})
        EXPECT_TRUE(listado.contains(e)) << s(e) << " no está en\n" << s(listado);

    // One document: four copies of each receipt, each with the observation.
    const auto copias = impresos();
    ASSERT_EQ(copias.size(), 12u);
    EXPECT_EQ(campo(copias[11], "Texto"), "Mayo      REIMPRESION POR EXTRAVIO");
    const QString lote = pdf::texto(pdfLote);
    for (const char* nro : {"00000001", "00000002", "00000003"})
        EXPECT_EQ(lote.count(u"Comprobante Nº "_s + QString::fromLatin1(nro)), 4) << nro;
    EXPECT_EQ(lote.count(u"REIMPRESION POR EXTRAVIO"_s), 12);
    EXPECT_EQ(lote.count(u"CUADRUPLICADO"_s), 3);
    EXPECT_EQ(lote.count(u"ANULADO"_s), 4);
    EXPECT_TRUE(lote.contains(u"PEREZ JUAN"_s));
}

} // namespace
