// The program's main road, walked as a user walks it on a new install: start the program, load
// the agent, regime, rate, due date and subject from the Administración menu, create and activate
// the month's declaration, enter two receipts and annul one, print a receipt, close the month into
// its declaration file with the printed declaration, print the payment slip, close the program.
// Everything is reached from the menus and done with the forms' own fields and buttons; the
// database is only read, to see what a step left behind.

#include "camino/dialogos_del_camino.h"
#include "common/contexto.h"
#include "database/base_datos.h"
#include "database/entorno.h"
#include "database/importe.h"
#include "forms/grilla_registros.h"
#include "shell/arranque.h"
#include "shell/bloqueo_carpeta.h"
#include "shell/formularios_menu.h"
#include "shell/frmAcercaDe.h"
#include "shell/frmPrincipal.h"
#include "support/carpeta_temporal.h"
#include "support/entorno_prueba.h"
#include "support/filas_prueba.h"
#include "support/formularios_prueba.h"
#include "support/impresora_del_programa.h"
#include "support/pdf_prueba.h"
#include "support/reloj_fijo.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>

#include <string>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

// The agent and its subject; both numbers carry valid check digits. The month is May 2024.
const QString kAgente = u"123459"_s;
const QString kSujeto = u"0000123459"_s;
const QString kArchivo = u"DJ_123459_0000_01_2024_05_00.TXT"_s;

// What the user reads is compared as std::string, so that a failure prints it as text.
std::string s(const QString& texto) { return texto.toStdString(); }

// ---- What a user does in a form, and what the user reads there.


// Types over a box and leaves it with Tab.
void tipear(QWidget& formulario, const char* caja, const QString& valor)
{
    escribir(formulario, QString::fromLatin1(caja), valor);
    salirDe(formulario, QString::fromLatin1(caja));
}

void elegirEnLista(QWidget& formulario, const char* combo, int item)
{
    control<QComboBox>(formulario, QString::fromLatin1(combo))->setCurrentIndex(item);
}

// Clicks the row of a grid whose column `titulo` shows `valor`.
void elegirFila(QWidget& formulario, const char* grilla, const QString& titulo,
                const QString& valor)
{
    auto* g = control<GrillaRegistros>(formulario, QString::fromLatin1(grilla));
    ASSERT_TRUE(g);
    const auto& m = g->modelo();
    for (int c = 0; c < m.columnCount(); ++c) {
        if (m.headerData(c, Qt::Horizontal).toString() != titulo) continue;
        for (int r = 0; r < m.rowCount(); ++r)
            if (celda(*g, r, c) == valor) {
                g->setCurrentIndex(m.index(r, c));
                return;
            }
    }
    FAIL() << "no hay fila con " << s(titulo) << " = " << s(valor);
}

std::string caja(const QWidget& formulario, const char* nombre)
{
    return s(texto(formulario, QString::fromLatin1(nombre)));
}
std::string rotulo(const QWidget& formulario, const char* nombre)
{
    const auto* l = control<QLabel>(formulario, QString::fromLatin1(nombre));
    return l ? s(l->text()) : std::string();
}
// The caption of an edit frame: empty while browsing, so a save that landed leaves it empty.
std::string marco(const QWidget& formulario, const char* nombre)
{
    return s(tituloMarco(formulario, QString::fromLatin1(nombre)));
}

// In the preview, the user prints on a PDF printer with the preview's page set-up and closes it.
DialogosDelCamino::Accion imprimirEnPdf(const QString& archivo)
{
    return [archivo](QDialog& ventana) {
        auto* vista = qobject_cast<QPrintPreviewDialog*>(&ventana);
        ASSERT_TRUE(vista);
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(archivo);
        pdf.setPageLayout(vista->printer()->pageLayout());
        pdf.setFullPage(vista->printer()->fullPage());
        Q_EMIT vista->paintRequested(&pdf);
        vista->close();
    };
}

// The control code of a declaration file, computed from its bytes: each printable character's
// code times its position in its line, summed over every line, last eight digits.
std::string codigoDeControl(const QByteArray& archivo)
{
    qint64 suma = 0;
    for (QByteArray linea : archivo.split('\n')) {
        if (linea.endsWith('\r')) linea.chop(1);
        for (int i = 0; i < linea.size(); ++i) {
            const auto c = static_cast<unsigned char>(linea[i]);
            if (c >= 32 && c <= 126) suma += qint64(c) * (i + 1);
        }
    }
    return s(QString::number(suma % 100000000).rightJustified(8, u'0'));
}

std::string campo(const QSqlRecord& fila, const char* nombre)
{
    return s(fila.value(QString::fromLatin1(nombre)).toString());
}
// An amount column as "1234.56".
std::string importe(const QSqlRecord& fila, const char* nombre)
{
    return s(Importe::desdeColumna(fila.value(QString::fromLatin1(nombre))).conPunto());
}

// ---- The program, started as main() starts it, on a new install's data folder.

class CaminoPrincipal : public ::testing::Test {
protected:
    CaminoPrincipal() { carpeta.crearBaseInstalada(); }

    // A menu item as the user reaches it: its menu and the item itself must be enabled. Every
    // window and answer the step prepared must have been used by the time the command returns.
    void menu(const char* item)
    {
        QAction* accion = ventana.accion(QString::fromLatin1(item));
        ASSERT_TRUE(accion) << item;
        ASSERT_TRUE(menuHabilitado(item)) << item << " no se puede elegir";
        accion->trigger();
        EXPECT_EQ(dialogos.sinUsar(), QStringList())
            << "tras " << item << ": " << s(dialogos.sinUsar().join(u", "_s));
    }

    // Whether the user can reach the item: its menu enabled, the item enabled and shown.
    bool menuHabilitado(const char* item) const
    {
        const QAction* accion = ventana.accion(QString::fromLatin1(item));
        for (const QMenu* m : ventana.findChildren<QMenu*>())
            if (m->actions().contains(accion))
                return m->isEnabled() && accion->isEnabled() && accion->isVisible();
        return false;
    }

    std::string panelDe(const QString& clave) const { return s(ventana.textoPanel(clave)); }
    std::vector<std::string> panelesDeclaracion() const
    {
        return {panelDe(panel::Anio), panelDe(panel::Mes), panelDe(panel::Rectifica)};
    }

    // The messages and questions shown since the last look.
    std::vector<std::string> mensajes()
    {
        std::vector<std::string> t;
        for (const QString& m : dialogos.mensajesNuevos()) t.push_back(s(m));
        return t;
    }

    std::string valor(const QString& sql, const QVariantList& valores = {})
    {
        return s(base.valor(sql, valores).toString());
    }
    std::vector<QSqlRecord> impresos()
    {
        return base.filas(u"SELECT * FROM Impresos ORDER BY rowid"_s);
    }

    // ---- The steps of the road, in order.
    void arrancar();
    void cargarAgente();
    void verSucursal(const char* ultimoComprobante);
    void activarRegimen();
    void cargarAlicuotaYVencimiento();
    void cargarSujeto();
    void crearYActivarDeclaracion();
    void grabarComprobantes();
    void emitirDeclaracion();
    void imprimirBoleta();
    void cerrarPrograma();

    CarpetaTemporal carpeta;
    const QString datos = carpeta.dir.path();
    const QString diskette = carpeta.ruta(u"diskette"_s);
    BloqueoCarpeta bloqueo{datos};
    DialogosDelCamino dialogos;
    BaseDatos base;
    Entorno entorno{base};
    RelojFijo reloj{QDate(2024, 5, 20)};
    MotorReportes impresora{base, dialogos, reportesDelPrograma(), ningunaImpresora};
    Contexto contexto{base, entorno, dialogos, reloj, impresora, datos};
    Arranque arranque{entorno, dialogos, datos};
    frmPrincipal ventana{contexto, arranque};
};

void CaminoPrincipal::arrancar()
{
    ASSERT_TRUE(bloqueo.tomar(dialogos));
    dialogos.alAbrir(u"frmAcercaDe"_s, [](QDialog& presentacion) { presentacion.close(); });
    mostrarPresentacion(dialogos);
    conectarFormularios(ventana, contexto);
    ASSERT_EQ(arranque.iniciar(), FinArranque::Continuar);
    ventana.show();

    // A new install has no Entorno.mem: the start says so and nothing is active.
    EXPECT_EQ(mensajes(), std::vector<std::string>{"No se encontró el archivo de inicialización "
                                                   "'Entorno.mem'. Deberá reinicial el programa"});
    EXPECT_EQ(panelDe(panel::Agente), "Agente: (ninguno)");
    EXPECT_FALSE(menuHabilitado("mnuSucursales"));
    EXPECT_FALSE(menuHabilitado("mnuCabecerasABM"));
}

// Administración → Agentes: the new agent, typed in; Activar makes it and its branch active.
void CaminoPrincipal::cargarAgente()
{
    dialogos.alAbrir(u"frmAgentes"_s, [&](QDialog& f) {
        clic(f, "cmdAgregar");
        tipear(f, "mskNroAgente", kAgente);
        elegirEnLista(f, "cboIVA", 0);  // "Resp. Inscripto"
        tipear(f, "mskCUIT", u"30500000003"_s);
        tipear(f, "txtRazonSocial", u"acopios del sur sa"_s);
        tipear(f, "txtDomicilio", u"san martin 100"_s);
        tipear(f, "txtLocalidad", u"rosario"_s);
        clic(f, "cmdGrabar");
        EXPECT_EQ(marco(f, "fraAgente"), "") << "el agente no se grabó";
        EXPECT_EQ(caja(f, "mskNroAgente"), "12345-9");
        EXPECT_EQ(caja(f, "txtRazonSocial"), "ACOPIOS DEL SUR SA");
        clic(f, "cmdActivar");
        clic(f, "cmdSalir");
    });
    ASSERT_NO_FATAL_FAILURE(menu("mnuAgentes"));
    EXPECT_EQ(mensajes(), std::vector<std::string>());
    EXPECT_EQ(panelDe(panel::Agente), "Agente: 12345-9 - ACOPIOS DEL SUR SA");
    EXPECT_EQ(panelDe(panel::Sucursal), "Sucursal: 0000 - SAN MARTIN 100");
    EXPECT_TRUE(menuHabilitado("mnuSucursales"));
}

// Administración → Sucursales: the agent's one branch, "0000", made with it, and its counter.
void CaminoPrincipal::verSucursal(const char* ultimoComprobante)
{
    dialogos.alAbrir(u"frmSucursales"_s, [&](QDialog& f) {
        EXPECT_EQ(grillaDe(f).filas(), 1);
        EXPECT_EQ(caja(f, "mskSucursal"), "0000");
        EXPECT_EQ(caja(f, "mskNroComprobante"), ultimoComprobante);
        clic(f, "cmdSalir");
    });
    ASSERT_NO_FATAL_FAILURE(menu("mnuSucursales"));
    EXPECT_EQ(mensajes(), std::vector<std::string>());
}

// Administración → Régimenes: "01" clicked in the list and activated; the processes menu opens.
void CaminoPrincipal::activarRegimen()
{
    dialogos.alAbrir(u"frmRegimenes"_s, [&](QDialog& f) {
        elegirFila(f, "dbgRegimenes", u"Código"_s, u"01"_s);
        clic(f, "cmdActivar");
        clic(f, "cmdSalir");
    });
    ASSERT_NO_FATAL_FAILURE(menu("mnuRegimenes"));
    EXPECT_EQ(mensajes(), std::vector<std::string>());
    EXPECT_EQ(panelDe(panel::Regimen), "Régimen: 01 - Retenciones - Régimen General");
    EXPECT_TRUE(menuHabilitado("mnuCabecerasABM"));
    EXPECT_FALSE(menuHabilitado("mnuRetenciones"));  // no declaration yet
}

// Administración → Alícuotas and Vencimientos: a new install has no rate for a local subject in
// regime "01" and no due date for any month; the user enters both.
void CaminoPrincipal::cargarAlicuotaYVencimiento()
{
    dialogos.alAbrir(u"frmAlicuotas"_s, [&](QDialog& f) {
        clic(f, "cmdAgregar");
        tipear(f, "txtCodReg", u"01"_s);
        elegirEnLista(f, "cboTipo", 0);  // "0 - Obligado Directo"
        tipear(f, "txtAlic", u"2,5"_s);
        clic(f, "cmdGrabar");
        EXPECT_EQ(marco(f, "fraAlicuota"), "") << "la alícuota no se grabó";
        clic(f, "cmdSalir");
    });
    ASSERT_NO_FATAL_FAILURE(menu("mnuAlicuotas"));

    dialogos.alAbrir(u"frmVencimientos"_s, [&](QDialog& f) {
        clic(f, "cmdAgregar");
        tipear(f, "txtMes", u"5"_s);
        tipear(f, "txtAnio", u"2024"_s);
        tipear(f, "txtFecha", u"17/06/2024"_s);
        clic(f, "cmdGrabar");
        EXPECT_EQ(marco(f, "fraVencimiento"), "") << "el vencimiento no se grabó";
        clic(f, "cmdSalir");
    });
    ASSERT_NO_FATAL_FAILURE(menu("mnuVencimientos"));
    EXPECT_EQ(mensajes(), std::vector<std::string>());
}

// Administración → Sujetos: a local subject (jurisdiction "000") typed in.
void CaminoPrincipal::cargarSujeto()
{
    dialogos.alAbrir(u"frmContribuyentes"_s, [&](QDialog& f) {
        EXPECT_TRUE(control<QWidget>(f, u"cmdSeleccionar"_s)->isHidden());
        clic(f, "cmdAgregar");
        tipear(f, "mskNroContrib", kSujeto);
        tipear(f, "mskCUIT", u"20123456786"_s);
        tipear(f, "txtRazonSocial", u"perez juan"_s);
        tipear(f, "txtDomicilio", u"mitre 200"_s);
        clic(f, "cmdGrabar");
        EXPECT_EQ(marco(f, "fraContribuyente"), "") << "el sujeto no se grabó";
        EXPECT_EQ(caja(f, "mskNroContrib"), "000-012345-9");
        clic(f, "cmdSalir");
    });
    ASSERT_NO_FATAL_FAILURE(menu("mnuContribuyentes"));
    EXPECT_EQ(mensajes(), std::vector<std::string>());
    // A local subject is an "Obligado Directo": the rate just entered is its rate.
    EXPECT_EQ(valor(u"SELECT Cod_Tipo FROM Contribuyentes WHERE Nro_Contrib = ?"_s, {kSujeto}), "0");
}

// Procesos → Altas/Bajas/Modificaciones: this month's declaration; Activar Declaración.
void CaminoPrincipal::crearYActivarDeclaracion()
{
    dialogos.alAbrir(u"frmCabeceras"_s, [&](QDialog& f) {
        EXPECT_EQ(s(f.windowTitle()), "Altas, Bajas y Modificaciones de Declaraciones");
        clic(f, "cmdCrear");
        EXPECT_EQ(caja(f, "mskAnio") + "/" + caja(f, "mskMes"), "2024/05");
        clic(f, "cmdGrabar");
        EXPECT_EQ(rotulo(f, "lblEstadoDescripcion"), " Vacía");
        clic(f, "cmdSalir");
    });
    ASSERT_NO_FATAL_FAILURE(menu("mnuCabecerasABM"));

    dialogos.alAbrir(u"frmCabeceras"_s, [&](QDialog& f) {
        EXPECT_EQ(s(f.windowTitle()), "Activar Declaración");
        clic(f, "cmdActivar");
        clic(f, "cmdSalir");
    });
    ASSERT_NO_FATAL_FAILURE(menu("mnuCabecerasActivar"));
    EXPECT_EQ(mensajes(), std::vector<std::string>());
    EXPECT_EQ(panelesDeclaracion(), (std::vector<std::string>{"Año: 2024", "Mes: 05", "R: 00"}));
    EXPECT_TRUE(menuHabilitado("mnuRetenciones"));
}

// Procesos → Grabar Ret./Perc.: receipt 00000001 with the subject from the picker, 00000002 with
// the subject typed and the concept from the picker; the second annulled; the first printed.
void CaminoPrincipal::grabarComprobantes()
{
    const QString pdfComprobante = carpeta.ruta(u"comprobante.pdf"_s);
    dialogos.alAbrir(u"frmRetenciones"_s, [&](QDialog& f) {
        EXPECT_EQ(s(f.windowTitle()), "Retenciones/Percepciones del mes de Mayo de 2024");

        clic(f, "cmdAgregar");
        dialogos.alAbrir(u"frmContribuyentes"_s, [&](QDialog& lista) {
            clic(lista, "cmdSeleccionar");  // the one subject is the current row
        });
        clic(f, "cmdContribuyentes");
        EXPECT_EQ(rotulo(f, "lblRazonSocial"), "PEREZ JUAN");
        EXPECT_EQ(rotulo(f, "lblAlicuota"), "2,5");
        tipear(f, "mskDia", u"07"_s);
        tipear(f, "mskCodConcepto", u"00"_s);
        EXPECT_EQ(rotulo(f, "lblDescConcepto"), "OPERACIONES EN GENERAL");
        tipear(f, "mskImpBru", u"1000"_s);
        EXPECT_EQ(rotulo(f, "lblImporteRet"), "25,00");
        clic(f, "cmdGrabar");
        EXPECT_EQ(marco(f, "fraRetencion"), "") << "el comprobante 1 no se grabó";

        clic(f, "cmdAgregar");
        tipear(f, "mskNroContrib", kSujeto);
        EXPECT_EQ(rotulo(f, "lblRazonSocial"), "PEREZ JUAN");
        tipear(f, "mskDia", u"20"_s);
        dialogos.alAbrir(u"frmConceptos"_s, [&](QDialog& lista) {
            elegirFila(lista, "dbgConceptos", u"Código"_s, u"00"_s);
            clic(lista, "cmdSeleccionar");
        });
        clic(f, "cmdConceptos");
        EXPECT_EQ(rotulo(f, "lblDescConcepto"), "OPERACIONES EN GENERAL");
        tipear(f, "mskImpBru", u"2000"_s);
        EXPECT_EQ(rotulo(f, "lblImporteRet"), "50,00");
        clic(f, "cmdGrabar");
        EXPECT_EQ(marco(f, "fraRetencion"), "") << "el comprobante 2 no se grabó";
        EXPECT_EQ(grillaDe(f).filas(), 2);

        elegirFila(f, "dbgRetenciones", u"Comprobante"_s, u"00000002"_s);
        dialogos.responder(u"Atención..."_s, Respuesta::Si);
        clic(f, "cmdAnular");
        EXPECT_EQ(rotulo(f, "lblEstado"), "Anulada");

        elegirFila(f, "dbgRetenciones", u"Comprobante"_s, u"00000001"_s);
        dialogos.contestar(u"ORIGINAL"_s);  // the receipt's observation
        dialogos.responder(u"¿Confirmar Impresión?"_s, Respuesta::Si);
        dialogos.alAbrir(u"QPrintPreviewDialog"_s, imprimirEnPdf(pdfComprobante));
        clic(f, "cmdReimprimir");

        clic(f, "cmdSalir");
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
        dialogos.alAbrir(u"QPrintPreviewDialog"_s, imprimirEnPdf(pdfDeclaracion));
        clic(f, "cmdDecJurada");
        EXPECT_EQ(rotulo(f, "lblEstadoDescripcion"), " Cerrada");
        clic(f, "cmdSalir");
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
        dialogos.alAbrir(u"QPrintPreviewDialog"_s, imprimirEnPdf(pdfBoleta));
        clic(f, "cmdPago");
        EXPECT_EQ(rotulo(f, "lblEstadoDescripcion"), " Cerrada");
        clic(f, "cmdSalir");
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

// Closing the main window saves the environment: agent, branch and regime, no declaration.
void CaminoPrincipal::cerrarPrograma()
{
    ventana.close();
    EXPECT_FALSE(base.abierta());
    QFile mem(carpeta.ruta(u"Entorno.mem"_s));
    ASSERT_TRUE(mem.open(QIODevice::ReadOnly));
    EXPECT_EQ(mem.readAll().toStdString(),
              "AgenteAct = 123459\r\nSucursalAct = 0000\r\nRegimenAct = 01\r\n");
    const auto dichos = mensajes();
    ASSERT_EQ(dichos.size(), 1u);
    EXPECT_TRUE(dichos[0].starts_with("Recuerde que es necesario realizar COPIAS DE SEGURIDAD"));
}

TEST_F(CaminoPrincipal, DeUnaInstalacionNuevaALaBoletaDePago)
{
    ASSERT_NO_FATAL_FAILURE(arrancar());

    // 1. Administración: the agent with its branch, the regime, a rate and a due date, a subject.
    ASSERT_NO_FATAL_FAILURE(cargarAgente());
    ASSERT_NO_FATAL_FAILURE(verSucursal("00000000"));
    ASSERT_NO_FATAL_FAILURE(activarRegimen());
    ASSERT_NO_FATAL_FAILURE(cargarAlicuotaYVencimiento());
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
    ASSERT_NO_FATAL_FAILURE(cerrarPrograma());
}

} // namespace
