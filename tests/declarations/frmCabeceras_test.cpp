// The declarations form as the user drives it: each mode's caption, buttons and rows; creating,
// modifying and deleting a month; activating; rectifying; emitting the declaration file; undoing
// an import; the police regime's buttons; and the menu items that open it.

#include "declarations/frmCabeceras.h"
#include "forms/frmAyuda.h"
#include "forms/modelo_grilla.h"
#include "shell/arranque.h"
#include "shell/formularios_menu.h"
#include "shell/frmPrincipal.h"
#include "shell/menu_principal.h"
#include "support/base_declaraciones.h"
#include "support/entorno_prueba.h"
#include "support/filas_prueba.h"
#include "support/formularios_prueba.h"
#include "support/impresora_del_programa.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QTableView>
#include <QDir>
#include <QFocusEvent>
#include <QKeySequence>
#include <QLabel>
#include <QSet>
#include <QLayout>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

using namespace prueba_declaraciones;

const QString kBotones[] = {u"cmdCrear"_s,      u"CmdModificar"_s,      u"cmdBorrar"_s,
                            u"cmdRectificar"_s, u"cmdGrabar"_s,         u"cmdDeshacer"_s,
                            u"cmdIntervenciones"_s, u"cmdCancelar"_s,   u"cmdDecJurada"_s,
                            u"cmdActivar"_s,    u"cmdPago"_s,           u"cmdSalir"_s,
                            u"Cmd_DDJJ_Policia"_s};

class FrmCabecerasTest : public BaseDeclaraciones {
protected:
    FrmCabecerasTest() { activarEntorno(); }

    std::unique_ptr<frmCabeceras> abrir(ModoCabeceras modo)
    {
        auto form = std::make_unique<frmCabeceras>(contexto, modo);
        form->layout()->activate();
        return form;
    }

    // The rows listed, as "yyyymm/rect/state".
    static QStringList filas(const frmCabeceras& form)
    {
        const GrillaRegistros& grilla = grillaDe(form, u"dbgCabeceras"_s);
        QStringList t;
        for (int r = 0; r < grilla.filas(); ++r) t << fila(grilla, r);
        return t;
    }
    static QString fila(const GrillaRegistros& grilla, int r)
    {
        return celda(grilla, r, 3) + celda(grilla, r, 4) + u'/' + celda(grilla, r, 5) + u'/'
               + celda(grilla, r, 6);
    }
    static QString actual(const frmCabeceras& form)
    {
        const GrillaRegistros& grilla = grillaDe(form, u"dbgCabeceras"_s);
        const int r = grilla.currentIndex().row();
        return r < 0 ? QString() : fila(grilla, r);
    }
    // The buttons shown, top to bottom.
    static QStringList mostrados(const frmCabeceras& form)
    {
        std::vector<const QPushButton*> botones;
        for (const QString& nombre : kBotones) {
            const auto* b = control<QPushButton>(form, nombre);
            if (b && !b->isHidden()) botones.push_back(b);
        }
        std::sort(botones.begin(), botones.end(),
                  [](auto* a, auto* b) { return a->geometry().y() < b->geometry().y(); });
        QStringList t;
        for (const QPushButton* b : botones) t << b->objectName();
        return t;
    }
    static QStringList habilitados(const frmCabeceras& form)
    {
        QStringList t;
        for (const QString& nombre : kBotones)
            if (!control<QPushButton>(form, nombre)->isHidden() && habilitado(form, nombre)) t << nombre;
        return t;
    }
    // The access keys (Alt+letter) of the buttons shown, in the order of mostrados().
    static QStringList teclasDeAcceso(const frmCabeceras& form)
    {
        QStringList teclas;
        for (const QString& nombre : mostrados(form)) {
            const QKeySequence tecla = QKeySequence::mnemonic(control<QPushButton>(form, nombre)->text());
            if (!tecla.isEmpty()) teclas << tecla.toString();
        }
        return teclas;
    }
    static QString estado(const frmCabeceras& form)
    {
        return control<QLabel>(form, u"lblEstadoDescripcion"_s)->text();
    }
    static void dobleClick(const frmCabeceras& form)
    {
        auto* grilla = control<QAbstractItemView>(form, u"dbgCabeceras"_s);
        Q_EMIT grilla->doubleClicked(grilla->currentIndex());
    }

};

TEST_F(FrmCabecerasTest, cadaModoConSuTituloSusBotonesYSusFilas)
{
    cabecera({.mes = u"01"_s, .estado = u"1"_s});
    cabecera({.mes = u"03"_s, .estado = u"2"_s});
    cabecera({.mes = u"02"_s, .estado = u"3"_s});
    cabecera({.anio = u"2005"_s, .mes = u"01"_s, .rectifica = u"01"_s, .estado = u"2"_s, .origen = u"I"_s});
    // Another agent's imported month: only the undo mode lists it.
    cabecera({.agente = u"000999"_s, .mes = u"06"_s, .estado = u"1"_s, .origen = u"I"_s});

    struct Caso {
        ModoCabeceras modo;
        QString titulo;
        QStringList botones;
        QStringList habilitados;
        QStringList filas;
        QString estado;  // of the current row, the last one
        QString clave;   // of F1
    };
    const Caso casos[] = {
        {ModoCabeceras::Mantenimiento, u"Altas, Bajas y Modificaciones de Declaraciones"_s,
         {u"cmdCrear"_s, u"CmdModificar"_s, u"cmdBorrar"_s, u"cmdGrabar"_s, u"cmdCancelar"_s,
          u"cmdActivar"_s, u"cmdSalir"_s},
         {u"cmdCrear"_s, u"CmdModificar"_s, u"cmdBorrar"_s, u"cmdActivar"_s, u"cmdSalir"_s},
         {u"200401/00/1"_s}, u" Vacía"_s, u"frmC-Altas, Bajas y "_s},
        {ModoCabeceras::Activacion, u"Activar Declaración"_s, {u"cmdActivar"_s, u"cmdSalir"_s},
         {u"cmdActivar"_s, u"cmdSalir"_s},
         {u"200501/01/2"_s, u"200403/00/2"_s, u"200401/00/1"_s}, u" Vacía"_s,
         u"frmC-Activar Declara"_s},
        {ModoCabeceras::Emision, u"Emitir y Generar Diskette"_s,
         {u"cmdDecJurada"_s, u"cmdPago"_s, u"cmdSalir"_s},
         {u"cmdDecJurada"_s, u"cmdPago"_s, u"cmdSalir"_s},
         {u"200501/01/2"_s, u"200403/00/2"_s, u"200402/00/3"_s, u"200401/00/1"_s}, u" Vacía"_s,
         u"frmC-Emitir y Genera"_s},
        {ModoCabeceras::Rectificacion, u"Rectificar Declaraciones"_s,
         {u"cmdRectificar"_s, u"cmdSalir"_s}, {u"cmdRectificar"_s, u"cmdSalir"_s},
         {u"200402/00/3"_s}, u" Cerrada"_s, u"frmC-Rectificar Decl"_s},
        {ModoCabeceras::Deshacer, u"Deshacer Declaraciones Importadas"_s,
         {u"cmdDeshacer"_s, u"cmdSalir"_s}, {u"cmdDeshacer"_s, u"cmdSalir"_s},
         {u"200501/01/2"_s, u"200406/00/1"_s}, u" Vacía"_s, u"frmC-Deshacer Declar"_s},
    };
    for (const Caso& c : casos) {
        const auto form = abrir(c.modo);
        const std::string caso = c.titulo.toStdString();
        EXPECT_EQ(form->windowTitle(), c.titulo) << caso;
        EXPECT_EQ(mostrados(*form), c.botones) << caso;
        const QStringList teclas = teclasDeAcceso(*form);
        EXPECT_EQ(QSet<QString>(teclas.begin(), teclas.end()).size(), teclas.size()) << caso;
        EXPECT_EQ(habilitados(*form), c.habilitados) << caso;
        EXPECT_EQ(filas(*form), c.filas) << caso;
        EXPECT_EQ(actual(*form), c.filas.back()) << caso;
        EXPECT_EQ(estado(*form), c.estado) << caso;
        EXPECT_EQ(texto(*form, u"mskMes"_s), c.filas.back().mid(4, 2)) << caso;
        EXPECT_FALSE(habilitado(*form, u"fraCabecera"_s)) << caso;
        EXPECT_TRUE(control<QProgressBar>(*form, u"ProgressBar1"_s)->isHidden()) << caso;

        // F1 from any control, and a header click, which never reorders.
        QString ayuda;
        dialogs.alAbrir = [&](QDialog& v) {
            if (auto* f = qobject_cast<frmAyuda*>(&v)) ayuda = f->texto();
        };
        dialogs.clavesAyuda.clear();
        soltarF1(*control<QWidget>(*form, u"dbgCabeceras"_s));
        EXPECT_EQ(dialogs.clavesAyuda, QStringList{c.clave}) << caso;
        EXPECT_FALSE(ayuda.isEmpty()) << caso;
        dialogs.mensajes.clear();
        Q_EMIT control<QTableView>(*form, u"dbgCabeceras"_s)->horizontalHeader()->sectionClicked(3);
        ASSERT_EQ(dialogs.mensajes.size(), 1u) << caso;
        EXPECT_EQ(dialogs.mensajes[0].texto, u"No se dispone de ordenamiento por este campo."_s);
        EXPECT_EQ(dialogs.mensajes[0].titulo, u"Atención..."_s);
        EXPECT_EQ(filas(*form), c.filas) << caso;
    }
}

TEST_F(FrmCabecerasTest, sinFilasNingunBotonActuaSobreUnaFila)
{
    activarEntorno(u"0001"_s, u"13"_s);
    for (ModoCabeceras modo : {ModoCabeceras::Mantenimiento, ModoCabeceras::Activacion,
                               ModoCabeceras::Emision, ModoCabeceras::Rectificacion,
                               ModoCabeceras::Deshacer}) {
        const auto form = abrir(modo);
        const QStringList esperados = modo == ModoCabeceras::Mantenimiento
            ? QStringList{u"cmdCrear"_s, u"cmdSalir"_s}
            : QStringList{u"cmdSalir"_s};
        EXPECT_EQ(habilitados(*form), esperados) << tituloModo(modo).toStdString();
        EXPECT_EQ(texto(*form, u"mskAnio"_s), QString());
        EXPECT_EQ(estado(*form), QString());
        // The police regime's buttons only show with a month to act on.
        EXPECT_TRUE(control<QWidget>(*form, u"Cmd_DDJJ_Policia"_s)->isHidden());
        EXPECT_TRUE(control<QWidget>(*form, u"cmdIntervenciones"_s)->isHidden());
    }
}

TEST_F(FrmCabecerasTest, crearUnMesYNoRepetirlo)
{
    const auto form = abrir(ModoCabeceras::Mantenimiento);
    pulsar(*form, u"cmdCrear"_s);
    EXPECT_EQ(tituloMarco(*form, u"fraCabecera"_s), u" Crear "_s);
    EXPECT_EQ(texto(*form, u"mskAnio"_s) + texto(*form, u"mskMes"_s), u"200703"_s);
    EXPECT_EQ(enfocado(*form), u"mskMes"_s);
    EXPECT_EQ(habilitados(*form), (QStringList{u"cmdGrabar"_s, u"cmdCancelar"_s}));
    EXPECT_FALSE(habilitado(*form, u"dbgCabeceras"_s));

    // What the boxes do on leaving them.
    const std::pair<QString, QString> anios[] = {{u"07"_s, u"2007"_s}, {u"50"_s, u"1950"_s}, {u""_s, u"2000"_s}};
    for (const auto& [escrito, queda] : anios) {
        escribir(*form, u"mskAnio"_s, escrito);
        salirDe(*form, u"mskAnio"_s);
        EXPECT_EQ(texto(*form, u"mskAnio"_s), queda) << escrito.toStdString();
    }
    escribir(*form, u"mskAnio"_s, u"2007"_s);
    escribir(*form, u"mskMes"_s, u"1"_s);
    salirDe(*form, u"mskMes"_s);
    EXPECT_EQ(texto(*form, u"mskMes"_s), u"01"_s);

    escribir(*form, u"mskMes"_s, u"13"_s);
    pulsar(*form, u"cmdGrabar"_s);
    EXPECT_EQ(dialogs.textosMostrados(), QStringList{u"13 no es un mes válido."_s});
    EXPECT_TRUE(form->editando());

    escribir(*form, u"mskMes"_s, u"3"_s);
    pulsar(*form, u"cmdGrabar"_s);
    EXPECT_EQ(dialogs.mensajes.size(), 1u);
    EXPECT_FALSE(form->editando());
    EXPECT_EQ(filas(*form), QStringList{u"200703/00/1"_s});
    EXPECT_EQ(actual(*form), u"200703/00/1"_s);
    EXPECT_EQ(estado(*form), u" Vacía"_s);
    EXPECT_EQ(tituloMarco(*form, u"fraCabecera"_s), QString());
    EXPECT_EQ(habilitados(*form), (QStringList{u"cmdCrear"_s, u"CmdModificar"_s, u"cmdBorrar"_s,
                                              u"cmdActivar"_s, u"cmdSalir"_s}));

    // The same month again: told once, still editing with the month to correct, or cancelled.
    dialogs.mensajes.clear();
    pulsar(*form, u"cmdCrear"_s);
    pulsar(*form, u"cmdGrabar"_s);
    ASSERT_EQ(dialogs.mensajes.size(), 1u);
    EXPECT_EQ(dialogs.mensajes[0].titulo, u"Clave Repetida"_s);
    EXPECT_EQ(dialogs.mensajes[0].texto, u"Ya existe una cabecera con estos datos,\ncorríjala o cancele."_s);
    EXPECT_TRUE(form->editando());
    EXPECT_EQ(tituloMarco(*form, u"fraCabecera"_s), u" Crear "_s);
    EXPECT_EQ(enfocado(*form), u"mskMes"_s);
    // Salir and the window's close button wait while a month is pending.
    form->reject();
    EXPECT_TRUE(form->editando());

    pulsar(*form, u"cmdCancelar"_s);
    EXPECT_FALSE(form->editando());
    EXPECT_EQ(filas(*form), QStringList{u"200703/00/1"_s});
    EXPECT_EQ(texto(*form, u"mskMes"_s), u"03"_s);
    EXPECT_EQ(dialogs.mensajes.size(), 1u);
}

TEST_F(FrmCabecerasTest, modificarLaActivaLaMuestraEnLosPaneles)
{
    const qint64 id = cabecera({.anio = u"2006"_s, .mes = u"10"_s, .estado = u"1"_s});
    entorno.activarCabecera(id);
    const auto form = abrir(ModoCabeceras::Mantenimiento);
    pulsar(*form, u"CmdModificar"_s);
    EXPECT_EQ(tituloMarco(*form, u"fraCabecera"_s), u" Modificar "_s);
    EXPECT_EQ(enfocado(*form), u"mskMes"_s);
    escribir(*form, u"mskMes"_s, u"11"_s);
    pulsar(*form, u"cmdGrabar"_s);
    EXPECT_TRUE(dialogs.mensajes.empty());
    EXPECT_EQ(filas(*form), QStringList{u"200611/00/1"_s});
    EXPECT_EQ(paneles(), (QStringList{u"Año: 2006"_s, u"Mes: 11"_s, u"R: 00"_s}));
}

TEST_F(FrmCabecerasTest, borrarSoloSinMovimientosYLaActivaDejaDeSerlo)
{
    const qint64 conFilas = cabecera({.mes = u"03"_s, .estado = u"1"_s});
    retencion(conFilas, {.comprobante = u"00000001"_s});
    const qint64 activa = cabecera({.mes = u"02"_s, .estado = u"1"_s});
    const qint64 ultima = cabecera({.mes = u"01"_s, .estado = u"1"_s});
    entorno.activarCabecera(ultima);
    const auto form = abrir(ModoCabeceras::Mantenimiento);
    EXPECT_EQ(actual(*form), u"200401/00/1"_s);

    // The active month, the last row: the one before it becomes current.
    dialogs.respuestas = {Respuesta::Si};
    pulsar(*form, u"cmdBorrar"_s);
    EXPECT_EQ(dialogs.textosMostrados(),
              QStringList{u"El registro seleccionado es la cabecera activa.\n¿Confirma su eliminación?"_s});
    EXPECT_FALSE(entorno.cabeceraActual());
    EXPECT_EQ(paneles(), (QStringList{u"Anio: (ninguno)"_s, u"Mes: (ninguno)"_s, u"R: 00"_s}));
    EXPECT_EQ(filas(*form), (QStringList{u"200403/00/1"_s, u"200402/00/1"_s}));
    EXPECT_EQ(actual(*form), u"200402/00/1"_s);

    dialogs.mensajes.clear();
    dialogs.respuestas = {Respuesta::Si};
    pulsar(*form, u"cmdBorrar"_s);
    EXPECT_EQ(contar("Cabeceras", activa), 0);

    // A month with receipts is refused before any question.
    dialogs.mensajes.clear();
    pulsar(*form, u"cmdBorrar"_s);
    ASSERT_EQ(dialogs.mensajes.size(), 1u);
    EXPECT_EQ(dialogs.mensajes[0].botones, Botones::Aceptar);
    EXPECT_EQ(filas(*form), QStringList{u"200403/00/1"_s});

    // The last row gone: nothing left to act on.
    base.ejecutar(u"DELETE FROM Retenciones"_s);
    dialogs.respuestas = {Respuesta::Si};
    pulsar(*form, u"cmdBorrar"_s);
    EXPECT_EQ(filas(*form), QStringList());
    EXPECT_EQ(habilitados(*form), (QStringList{u"cmdCrear"_s, u"cmdSalir"_s}));
    EXPECT_EQ(texto(*form, u"mskAnio"_s) + texto(*form, u"mskMes"_s), QString());
    EXPECT_EQ(estado(*form), QString());
}

TEST_F(FrmCabecerasTest, activarYElDobleClickDondeActivarSeOfrece)
{
    cabecera({.anio = u"2006"_s, .mes = u"11"_s, .estado = u"2"_s});
    cabecera({.agente = u"000999"_s, .anio = u"2006"_s, .mes = u"11"_s, .estado = u"2"_s,
              .origen = u"I"_s});
    {
        const auto form = abrir(ModoCabeceras::Activacion);
        int cerrado = 0;
        QObject::connect(form.get(), &QDialog::rejected, [&] { ++cerrado; });
        pulsar(*form, u"cmdActivar"_s);
        EXPECT_EQ(paneles(), (QStringList{u"Año: 2006"_s, u"Mes: 11"_s, u"R: 00"_s}));
        EXPECT_EQ(cerrado, 0);

        entorno.limpiarCabeceraActual();
        dobleClick(*form);
        EXPECT_TRUE(entorno.cabeceraActual());
        EXPECT_EQ(cerrado, 1);
    }
    for (ModoCabeceras modo : {ModoCabeceras::Emision, ModoCabeceras::Deshacer}) {
        entorno.limpiarCabeceraActual();
        const auto form = abrir(modo);
        int cerrado = 0;
        QObject::connect(form.get(), &QDialog::rejected, [&] { ++cerrado; });
        dobleClick(*form);
        EXPECT_FALSE(entorno.cabeceraActual()) << tituloModo(modo).toStdString();
        EXPECT_EQ(cerrado, 0);
    }
    EXPECT_TRUE(dialogs.mensajes.empty());
}

TEST_F(FrmCabecerasTest, rectificarDejaLaFilaAbiertaALaVista)
{
    cabecera({.mes = u"01"_s, .estado = u"3"_s});
    cabecera({.mes = u"02"_s, .rectifica = u"01"_s, .estado = u"3"_s});
    const auto form = abrir(ModoCabeceras::Rectificacion);
    EXPECT_EQ(actual(*form), u"200401/00/3"_s);

    dialogs.respuestas = {Respuesta::Si};
    pulsar(*form, u"cmdRectificar"_s);
    EXPECT_EQ(filas(*form), (QStringList{u"200402/01/3"_s, u"200401/01/2"_s}));
    EXPECT_EQ(actual(*form), u"200401/01/2"_s);
    EXPECT_EQ(estado(*form), u" Abierta"_s);

    // Open again, it is not rectified twice.
    dialogs.mensajes.clear();
    pulsar(*form, u"cmdRectificar"_s);
    EXPECT_EQ(dialogs.textosMostrados(), QStringList{u"Solo puede rectificar una cabecera cerrada."_s});
    EXPECT_EQ(filas(*form), (QStringList{u"200402/01/3"_s, u"200401/01/2"_s}));
}

TEST_F(FrmCabecerasTest, laDeclaracionJuradaEscribeElArchivoYCierraLaFila)
{
    vencimiento(2004, 5, u"2004-06-15"_s);
    const qint64 id = cabecera({.estado = u"2"_s});
    retencion(id, {.comprobante = u"00000042"_s});
    retencion(id, {.comprobante = u"00000043"_s, .estado = u"4"_s});
    entorno.activarCabecera(id);
    const QString destino = carpeta.ruta(u"diskette"_s);
    QDir().mkpath(destino);

    const auto form = abrir(ModoCabeceras::Emision);
    // At the success message the file is complete: the label is gone, the bar still shown, and
    // the month already shows closed, in the state label and in the grid.
    QStringList progreso;
    QStringList mostrado;
    dialogs.alMostrar = [&](const Mensaje& m) {
        const auto* barra = control<QProgressBar>(*form, u"ProgressBar1"_s);
        progreso << m.titulo + u": "_s + (barra->isHidden() ? u"-"_s : QString::number(barra->value()))
                + (control<QWidget>(*form, u"lblProcesando"_s)->isHidden() ? u""_s : u" procesando"_s);
        mostrado << m.titulo + u":"_s + estado(*form) + u" "_s + actual(*form);
    };
    dialogs.respuestas = {Respuesta::Si, Respuesta::No};  // close it; no print for now
    dialogs.rutas = {destino};
    pulsar(*form, u"cmdDecJurada"_s);

    EXPECT_EQ(QDir(destino).entryList(QDir::Files), QStringList{u"DJ_000123_0001_01_2004_05_00.TXT"_s});
    EXPECT_EQ(progreso.mid(0, 2), (QStringList{u"¡Atención!: -"_s, u"Información: 0"_s}));
    EXPECT_EQ(mostrado.mid(0, 2), (QStringList{u"¡Atención!: Abierta 200405/00/2"_s,
                                               u"Información: Cerrada 200405/00/3"_s}));
    // The printed declaration followed the file: its row is written before the print question.
    EXPECT_EQ(contar("Impresos", id), 1);
    EXPECT_EQ(campo(id, "Estado"), u"3"_s);
    EXPECT_EQ(filas(*form), QStringList{u"200405/00/3"_s});
    EXPECT_EQ(estado(*form), u" Cerrada"_s);
    EXPECT_FALSE(entorno.cabeceraActual());
    EXPECT_EQ(paneles(), (QStringList{u"Anio: (ninguno)"_s, u"Mes: (ninguno)"_s, u"R: 00"_s}));
    EXPECT_TRUE(control<QProgressBar>(*form, u"ProgressBar1"_s)->isHidden());

    // A closed month is emitted again without the question; a cancelled folder changes nothing.
    dialogs.mensajes.clear();
    dialogs.alMostrar = nullptr;
    pulsar(*form, u"cmdDecJurada"_s);
    EXPECT_TRUE(dialogs.textosMostrados().filter(u"¿Confirma?"_s).isEmpty());
    EXPECT_EQ(QDir(destino).entryList(QDir::Files).size(), 1);
    EXPECT_EQ(estado(*form), u" Cerrada"_s);
    EXPECT_TRUE(control<QProgressBar>(*form, u"ProgressBar1"_s)->isHidden());
}

TEST_F(FrmCabecerasTest, laBoletaDePagoCierraLaFilaQueMuestra)
{
    vencimiento(2004, 5, u"2004-06-15"_s);
    const qint64 id = cabecera({.estado = u"2"_s});
    retencion(id, {.comprobante = u"00000042"_s});
    entorno.activarCabecera(id);
    const auto form = abrir(ModoCabeceras::Emision);

    // Stopped at the closing question: nothing changes.
    dialogs.respuestas = {Respuesta::No};
    pulsar(*form, u"cmdPago"_s);
    EXPECT_EQ(estado(*form), u" Abierta"_s);
    EXPECT_EQ(entorno.idCabecera(), id);

    // Paid on the due date, no other payments, not printed: closed all the same, and shown
    // closed by the time the print is asked for.
    QString alPreguntar;
    dialogs.alMostrar = [&](const Mensaje& m) {
        if (m.titulo == u"¿Confirmar Impresión?"_s) alPreguntar = estado(*form) + u" "_s + actual(*form);
    };
    dialogs.respuestas = {Respuesta::Si, Respuesta::No};
    dialogs.textos = {u"15/06/2004"_s, std::nullopt};
    pulsar(*form, u"cmdPago"_s);
    EXPECT_EQ(alPreguntar, u" Cerrada 200405/00/3"_s);
    EXPECT_EQ(campo(id, "Estado"), u"3"_s);
    EXPECT_EQ(filas(*form), QStringList{u"200405/00/3"_s});
    EXPECT_EQ(estado(*form), u" Cerrada"_s);
    EXPECT_FALSE(entorno.cabeceraActual());
    EXPECT_EQ(paneles(), (QStringList{u"Anio: (ninguno)"_s, u"Mes: (ninguno)"_s, u"R: 00"_s}));
}

TEST_F(FrmCabecerasTest, deshacerUnaImportacionDeCualquierAgente)
{
    const qint64 propia = cabecera({.mes = u"01"_s, .estado = u"2"_s, .origen = u"I"_s});
    retencion(propia, {.comprobante = u"00000001"_s, .marca = u"I"_s});
    const qint64 tocada = cabecera({.mes = u"03"_s, .estado = u"2"_s, .origen = u"I"_s});
    retencion(tocada, {.comprobante = u"00000002"_s, .marca = u"C"_s});
    const qint64 ajena = cabecera({.agente = u"000999"_s, .mes = u"02"_s, .estado = u"2"_s,
                                   .origen = u"I"_s});
    entorno.activarCabecera(propia);

    const auto form = abrir(ModoCabeceras::Deshacer);
    EXPECT_EQ(filas(*form), (QStringList{u"200403/00/2"_s, u"200402/00/2"_s, u"200401/00/2"_s}));

    dialogs.respuestas = {Respuesta::Si};
    pulsar(*form, u"cmdDeshacer"_s);
    EXPECT_EQ(contar("Cabeceras", propia) + contar("Retenciones", propia), 0);
    EXPECT_FALSE(entorno.cabeceraActual());
    EXPECT_EQ(actual(*form), u"200402/00/2"_s);

    dialogs.respuestas = {Respuesta::Si};
    pulsar(*form, u"cmdDeshacer"_s);
    EXPECT_EQ(contar("Cabeceras", ajena), 0);
    EXPECT_EQ(actual(*form), u"200403/00/2"_s);

    // Corrected by hand after the import: refused, once.
    dialogs.mensajes.clear();
    pulsar(*form, u"cmdDeshacer"_s);
    ASSERT_EQ(dialogs.mensajes.size(), 1u);
    EXPECT_EQ(dialogs.mensajes[0].titulo, u"Imposible Deshacer"_s);
    EXPECT_EQ(contar("Cabeceras", tocada), 1);

    base.ejecutar(u"UPDATE Retenciones SET MarcaImp = 'E'"_s);
    dialogs.respuestas = {Respuesta::Si};
    pulsar(*form, u"cmdDeshacer"_s);
    EXPECT_EQ(filas(*form), QStringList());
    EXPECT_FALSE(habilitado(*form, u"cmdDeshacer"_s));
}

TEST_F(FrmCabecerasTest, losBotonesDelRegimenPolicial)
{
    activarEntorno(u"0001"_s, u"13"_s);
    const qint64 id = cabecera({.regimen = u"13"_s, .estado = u"2"_s});
    {
        // Shown where the emit mode puts them, disabled until the opener hands in their work.
        const auto form = abrir(ModoCabeceras::Emision);
        EXPECT_EQ(mostrados(*form), (QStringList{u"cmdDecJurada"_s, u"cmdPago"_s, u"Cmd_DDJJ_Policia"_s,
                                                u"cmdIntervenciones"_s, u"cmdSalir"_s}));
        EXPECT_EQ(habilitados(*form), (QStringList{u"cmdDecJurada"_s, u"cmdPago"_s, u"cmdSalir"_s}));
        // Each button shown answers its own Alt key.
        const QStringList teclas = teclasDeAcceso(*form);
        EXPECT_EQ(QSet<QString>(teclas.begin(), teclas.end()).size(), teclas.size())
            << teclas.join(u' ').toStdString();
    }
    for (ModoCabeceras modo : {ModoCabeceras::Activacion, ModoCabeceras::Rectificacion}) {
        const auto form = abrir(modo);
        EXPECT_TRUE(control<QWidget>(*form, u"Cmd_DDJJ_Policia"_s)->isHidden());
    }

    const auto form = abrir(ModoCabeceras::Emision);
    QList<qint64> pedidos;
    form->setAccionesPolicia({.intervenciones = [&](Contexto& c, qint64 i) {
                                  pedidos << i;
                                  c.base.ejecutar(u"UPDATE Cabeceras SET Estado = '3'"_s);
                                  return true;
                              },
                              .declaracionPolicia = {}});
    EXPECT_EQ(habilitados(*form), (QStringList{u"cmdIntervenciones"_s, u"cmdDecJurada"_s,
                                              u"cmdPago"_s, u"cmdSalir"_s}));
    pulsar(*form, u"cmdIntervenciones"_s);
    EXPECT_EQ(pedidos, QList<qint64>{id});
    EXPECT_EQ(estado(*form), u" Cerrada"_s);
}

TEST(FrmCabecerasMenu, cadaItemAbreElFormularioEnSuModo)
{
    EntornoDePrueba e(BaseDePrueba::Instalada, RelojFijo{QDate(2007, 3, 14), QTime(10, 0)});
    auto& [carpeta, base, entorno, paneles, dialogs, reloj, impresora, contexto] = e;
    Arranque arranque{entorno, dialogs, carpeta.dir.path()};
    frmPrincipal ventana{contexto, arranque};
    conectarFormularios(ventana, contexto);

    QStringList abiertos;
    dialogs.alAbrir = [&](QDialog& v) {
        abiertos << v.objectName() + u": "_s + v.windowTitle()
                + (v.parentWidget() == &ventana ? u""_s : u" (sin dueño)"_s);
    };
    for (const char* item : {"mnuCabecerasActivar", "mnuCabecerasABM", "mnuCabecerasRect",
                             "mnuCabecerasEmitir", "mnuDeshacerCabImp"})
        ventana.ejecutar(QString::fromLatin1(item));
    EXPECT_EQ(abiertos, (QStringList{u"frmCabeceras: Activar Declaración"_s,
                                     u"frmCabeceras: Altas, Bajas y Modificaciones de Declaraciones"_s,
                                     u"frmCabeceras: Rectificar Declaraciones"_s,
                                     u"frmCabeceras: Emitir y Generar Diskette"_s,
                                     u"frmCabeceras: Deshacer Declaraciones Importadas"_s}));
}

} // namespace
