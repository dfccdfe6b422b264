// The import window as the user drives it: its two modes, choosing and checking the file, the run
// and its summary, the help and the instructions; and the menu items that open it.

#include "import/base_importacion.h"
#include "import/frmImportar.h"
#include "support/formularios_prueba.h"
#include "shell/formularios_menu.h"
#include "forms/frmAyuda.h"
#include "shell/leame.h"
#include "support/ventana_principal.h"

#include <QFocusEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRegularExpression>
#include <algorithm>

namespace {

using namespace prueba_importacion;

class frmImportarTest : public BaseImportacion {
protected:
    std::unique_ptr<frmImportar> abrir(const QString& titulo)
    {
        return std::make_unique<frmImportar>(contexto, titulo,
                                             [this](const QString& doc) { documentos << doc; });
    }
    static QString info(const frmImportar& f) { return control<QPlainTextEdit>(f, QStringLiteral("txtInfo"))->toPlainText(); }
    static void salirDelArchivo(const frmImportar& f)
    {
        QFocusEvent salida(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(control<QWidget>(f, QStringLiteral("txtArchivo")), &salida);
    }

    // Storing any withholding fails, as a database that refuses it would.
    void fallarAlGuardarRetenciones()
    {
        base.ejecutar(QStringLiteral("CREATE TRIGGER falla AFTER INSERT ON Retenciones "
                                     "BEGIN SELECT RAISE(ABORT, 'falla de prueba'); END"));
    }

    QStringList documentos;
};

TEST_F(frmImportarTest, SusDosModosSegunElTitulo)
{
    const std::tuple<QString, ModoImportacion, const char*> modos[] = {
        {kTituloImportarSujetos, ModoImportacion::Sujetos, "Importar_Sujetos.doc"},
        {kTituloImportarDDJJ, ModoImportacion::Declaracion, "Importar_DDJJ.doc"}};
    for (const auto& [titulo, modo, documento] : modos) {
        SCOPED_TRACE(titulo.toStdString());
        auto f = abrir(titulo);
        EXPECT_EQ(f->windowTitle(), titulo);
        EXPECT_EQ(f->modo(), modo);
        EXPECT_EQ(control<QLabel>(*f, QStringLiteral("Label1"))->text(),
                  QStringLiteral(" Archivo origen de datos:"));
        EXPECT_EQ(control<QAbstractButton>(*f, QStringLiteral("cmdBuscar"))->text(), QStringLiteral("&Buscar..."));
        EXPECT_EQ(control<QAbstractButton>(*f, QStringLiteral("cmdImportar"))->text(), QStringLiteral("&Importar"));
        EXPECT_EQ(control<QAbstractButton>(*f, QStringLiteral("cmdInstrucciones"))->text(),
                  QStringLiteral("I&nstrucciones..."));
        EXPECT_EQ(control<QAbstractButton>(*f, QStringLiteral("cmdCerrar"))->text(), QStringLiteral("&Cerrar"));
        EXPECT_FALSE(habilitado(*f, QStringLiteral("cmdImportar")));
        EXPECT_TRUE(info(*f).isEmpty());

        pulsar(*f, QStringLiteral("cmdInstrucciones"));
        EXPECT_EQ(documentos.takeLast(), QString::fromLatin1(documento));

        // F1: the help stored under the caption.
        QString ayuda;
        dialogos.alAbrir = [&](QDialog& v) {
            if (auto* a = qobject_cast<frmAyuda*>(&v)) ayuda = a->texto();
        };
        dialogos.clavesAyuda.clear();
        soltarF1(*control<QWidget>(*f, QStringLiteral("txtArchivo")));
        EXPECT_EQ(dialogos.clavesAyuda, QStringList{titulo});
        EXPECT_TRUE(ayuda.startsWith(titulo.toUpper())) << ayuda.toStdString();
        dialogos.alAbrir = {};
    }
    // Any caption but the subjects one is the declaration mode.
    EXPECT_EQ(abrir(QStringLiteral("Importar..."))->modo(), ModoImportacion::Declaracion);
}

TEST_F(frmImportarTest, BuscarVerificaEImportar)
{
    const QString ruta = archivo({C{}.linea(), R{}.linea(), R{.dia = "00"}.linea(), "BASURA"});
    entorno.activarAgente(QStringLiteral("000123"));
    entorno.activarSucursal(QStringLiteral("0001"));
    auto f = abrir(kTituloImportarDDJJ);
    dialogos.rutas = {ruta};
    pulsar(*f, QStringLiteral("cmdBuscar"));
    EXPECT_EQ(texto(*f, QStringLiteral("txtArchivo")), ruta);
    const QString listo = info(*f);
    EXPECT_TRUE(listo.startsWith(QString::fromUtf8("\n   Listo para crear declaración del mes de Mayo")));
    ASSERT_TRUE(habilitado(*f, QStringLiteral("cmdImportar")));

    // The summary, and right under it the discarded count, are in the window while the final
    // message is on the screen.
    QString alTerminar;
    dialogos.alMostrar = [&](const Mensaje& m) {
        if (m.titulo == QStringLiteral("Fin del Proceso")) alTerminar = info(*f);
    };
    pulsar(*f, QStringLiteral("cmdImportar"));
    dialogos.alMostrar = {};
    const QString resumen = listo + QString::fromUtf8(
                                        "\n\n   Importando...\n\n"
                                        "\n   Fin del proceso:\n\n"
                                        "     Se importaron 2 registros incluyendo 1 con error.\n"
                                        "     Se descartó 1 línea.\n");
    EXPECT_EQ(alTerminar, resumen);
    EXPECT_EQ(info(*f), resumen);
    // The progress bar is gone once the run ends.
    EXPECT_FALSE(control<QProgressBar>(*f, QStringLiteral("prgImportacion"))->isVisible());
    EXPECT_FALSE(habilitado(*f, QStringLiteral("cmdImportar")));
    ASSERT_FALSE(dialogos.mensajes.empty());
    EXPECT_EQ(dialogos.mensajes.back().titulo, QStringLiteral("Fin del Proceso"));
    EXPECT_EQ(comprobantes(idImportada()), QStringList({"00000042 5 I", "00000043 5 E"}));
    // The active branch shows its counter as the run left it.
    ASSERT_TRUE(entorno.sucursalActual());
    EXPECT_EQ(entorno.sucursalActual()->nroComprobante, QStringLiteral("00000043"));

    // Leaving the box again checks the file again: the month now holds receipts.
    dialogos.mensajes.clear();
    dialogos.respuestas = {Respuesta::Si};
    salirDelArchivo(*f);
    EXPECT_TRUE(habilitado(*f, QStringLiteral("cmdImportar")));
    EXPECT_TRUE(info(*f).startsWith(QStringLiteral("\n   Listo para Eliminar Retenciones")));
    // ... and once it stands, leaving the box does not ask again.
    salirDelArchivo(*f);
    EXPECT_EQ(dialogos.mensajes.size(), 1u);
}

// A run that keeps nothing: the window ends with what happened, and Importar tries again, checking
// the file anew first (with its question, since the file may have changed in the meantime).
TEST_F(frmImportarTest, TrasUnaCorridaFallidaDiceQuePasoYSePuedeReintentar)
{
    const QString ruta = archivo({C{}.linea(), R{}.linea()});
    auto f = abrir(kTituloImportarDDJJ);
    escribir(*f, QStringLiteral("txtArchivo"), ruta);
    salirDelArchivo(*f);
    const QString listo = info(*f);
    ASSERT_TRUE(habilitado(*f, QStringLiteral("cmdImportar")));

    // The log's name is taken by a folder: the run cannot start its log.
    const QString log = carpeta.ruta(QStringLiteral("DDJJ.TXT.log"));
    ASSERT_TRUE(QDir().mkpath(log));
    pulsar(*f, QStringLiteral("cmdImportar"));
    ASSERT_EQ(dialogos.mensajes.size(), 1u);
    EXPECT_EQ(dialogos.mensajes[0].titulo, QStringLiteral("Error 75"));
    const QString causa = dialogos.mensajes[0].texto.section(QStringLiteral("\n\n"), 0, 0);
    EXPECT_TRUE(causa.startsWith(QStringLiteral("No se pudo crear el archivo de reporte"))) << causa.toStdString();
    EXPECT_EQ(info(*f), listo + QString::fromUtf8("\n\n   Importando...\n\n   No se importó nada: ")
                            + causa + QLatin1Char('\n'));
    EXPECT_FALSE(control<QProgressBar>(*f, QStringLiteral("prgImportacion"))->isVisible());
    EXPECT_TRUE(habilitado(*f, QStringLiteral("cmdImportar")));
    EXPECT_FALSE(f->importando());
    EXPECT_EQ(valor("SELECT COUNT(*) FROM Cabeceras").toLongLong(), 0);

    // The user frees the name and tries again from the window.
    ASSERT_TRUE(QDir(log).removeRecursively());
    dialogos.mensajes.clear();
    pulsar(*f, QStringLiteral("cmdImportar"));
    ASSERT_EQ(dialogos.mensajes.size(), 1u);
    EXPECT_EQ(dialogos.mensajes[0].titulo, QStringLiteral("Fin del Proceso"));
    EXPECT_TRUE(info(*f).startsWith(listo + QStringLiteral("\n\n   Importando...\n\n\n   Fin del proceso:")))
        << info(*f).toStdString();
    EXPECT_FALSE(habilitado(*f, QStringLiteral("cmdImportar")));
    EXPECT_EQ(comprobantes(idImportada()), QStringList({"00000042 5 I"}));

    // Once more with a run that fails, and a file that is gone when the user tries again: the check
    // refuses it, and Importar stays off.
    fallarAlGuardarRetenciones();
    dialogos.respuestas = {Respuesta::Si};
    salirDelArchivo(*f);
    pulsar(*f, QStringLiteral("cmdImportar"));
    EXPECT_TRUE(dialogos.respuestas.empty());
    EXPECT_TRUE(info(*f).contains(QString::fromUtf8("   No se importó nada: ")));
    ASSERT_TRUE(QFile::remove(ruta));
    dialogos.mensajes.clear();
    pulsar(*f, QStringLiteral("cmdImportar"));
    ASSERT_EQ(dialogos.mensajes.size(), 1u);
    EXPECT_EQ(dialogos.mensajes[0].titulo, QStringLiteral("Error 53"));
    EXPECT_TRUE(info(*f).isEmpty());
    EXPECT_FALSE(habilitado(*f, QStringLiteral("cmdImportar")));
    EXPECT_EQ(comprobantes(idImportada()), QStringList({"00000042 5 I"}));
}

TEST_F(frmImportarTest, CadaCambioDelNombrePideOtraVerificacion)
{
    const QString ruta = archivo({S{}.linea()}, QStringLiteral("SUJ.TXT"));
    auto f = abrir(kTituloImportarSujetos);
    escribir(*f, QStringLiteral("txtArchivo"), ruta);
    salirDelArchivo(*f);
    EXPECT_EQ(info(*f), QStringLiteral("\n   Listo para importar sujetos:\n\n"));
    EXPECT_TRUE(habilitado(*f, QStringLiteral("cmdImportar")));

    escribir(*f, QStringLiteral("txtArchivo"), ruta + QStringLiteral("X"));
    EXPECT_TRUE(info(*f).isEmpty());
    EXPECT_FALSE(habilitado(*f, QStringLiteral("cmdImportar")));

    salirDelArchivo(*f);
    ASSERT_EQ(dialogos.mensajes.size(), 1u);
    EXPECT_EQ(dialogos.mensajes[0].titulo, QStringLiteral("Error 53"));
    EXPECT_EQ(dialogos.mensajes[0].icono, Icono::Critico);
    EXPECT_TRUE(info(*f).isEmpty());
    EXPECT_FALSE(habilitado(*f, QStringLiteral("cmdImportar")));

    // A file that is not a subjects file: its name as typed.
    const QString otro = archivo({C{}.linea()}, QStringLiteral("OTRO.TXT"));
    escribir(*f, QStringLiteral("txtArchivo"), otro);
    salirDelArchivo(*f);
    EXPECT_EQ(dialogos.mensajes.back().titulo, QStringLiteral("No se puede importar..."));
    EXPECT_EQ(dialogos.mensajes.back().texto,
              QStringLiteral("El archivo %1 no tiene el formato requerido.").arg(otro));

    // An empty name, or a search the user cancels, checks nothing.
    dialogos.mensajes.clear();
    escribir(*f, QStringLiteral("txtArchivo"), QString());
    salirDelArchivo(*f);
    pulsar(*f, QStringLiteral("cmdBuscar"));
    EXPECT_TRUE(texto(*f, QStringLiteral("txtArchivo")).isEmpty());
    EXPECT_TRUE(dialogos.mensajes.empty());
}

// The instructions the program ships: rich text in plain 7-bit characters, opened from the data
// folder like the read-me; the example records they show are records the import accepts.
TEST_F(frmImportarTest, LasInstruccionesMuestranRegistrosQueLaImportacionAcepta)
{
    const QString recursos = QStringLiteral(TARQUEL_FIXTURES "/../../resources");
    int ejemplos = 0;
    for (const char* nombre : {"Importar_Sujetos.doc", "Importar_DDJJ.doc"}) {
        SCOPED_TRACE(nombre);
        QFile doc(QDir(recursos).filePath(QString::fromLatin1(nombre)));
        ASSERT_TRUE(doc.open(QIODevice::ReadOnly));
        const QByteArray rtf = doc.readAll();
        EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
        EXPECT_TRUE(std::all_of(rtf.begin(), rtf.end(),
                                [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
        static const QRegularExpression ejemplo(QStringLiteral("\\\\f2\\\\fs18 ([^\\\\]*)\\\\par"));
        for (const auto& m : ejemplo.globalMatch(QString::fromLatin1(rtf))) {
            const LineaImportada l = LineaImportada::de(m.captured(1).toLatin1());
            EXPECT_TRUE(leerSujeto(l) || leerCabecera(l) || leerRetencion(l) || leerDetalle(l))
                << m.captured(1).toStdString();
            ++ejemplos;
        }

        DialogosGuionados d;
        mostrarDocumento(d, carpeta.dir.path(), QString::fromLatin1(nombre), {recursos});
        EXPECT_EQ(d.abiertos, QStringList{carpeta.ruta(QString::fromLatin1(nombre))});
        EXPECT_TRUE(d.mensajes.empty());
    }
    EXPECT_EQ(ejemplos, 4);
}

class MenuImportarTest : public VentanaPrincipalTest {};

TEST_F(MenuImportarTest, CadaItemAbreLaVentanaEnSuModo)
{
    iniciar();
    conectarFormularios(ventana, contexto);
    ventana.actualizarMenus();
    QStringList titulos;
    dialogs.guion.alAbrir = [&](QDialog& v) {
        if (auto* f = qobject_cast<frmImportar*>(&v)) titulos << f->windowTitle();
    };
    for (const char* item : {"mnuImportarSuj", "mnuImportarRet"}) {
        EXPECT_TRUE(habilitado(item)) << item;
        ventana.accion(QString::fromLatin1(item))->trigger();
    }
    EXPECT_EQ(titulos, QStringList({"Importar Sujetos", "Importar DDJJ"}));
}

} // namespace
