// The main window: caption, status bars, menus and the commands it carries out itself.

#include "shell/menu_principal.h"
#include "support/ventana_principal.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>

namespace {

using frmPrincipalTest = VentanaPrincipalTest;

TEST_F(frmPrincipalTest, TituloYPanelesSiguenAlEntorno)
{
    iniciar();
    EXPECT_TRUE(ventana.windowTitle().startsWith(QStringLiteral("Tarquel  -  Versión ")));
    const auto* barra1 = ventana.findChild<QStatusBar*>(QStringLiteral("StatusBar1"));
    const auto* barra2 = ventana.findChild<QStatusBar*>(QStringLiteral("StatusBar2"));
    ASSERT_TRUE(barra1 && barra2);
    EXPECT_TRUE(barra1->findChild<QLabel*>(panel::Agente));
    EXPECT_TRUE(barra2->findChild<QLabel*>(panel::Rectifica));
    EXPECT_EQ(ventana.textoPanel(panel::Anio), QStringLiteral("Año: (ninguno)"));

    entorno.activarRegimen(QStringLiteral("01"));
    const QString regimen = ventana.textoPanel(panel::Regimen);
    EXPECT_TRUE(regimen.startsWith(QStringLiteral("Régimen: 01 - "))) << regimen.toStdString();
    entorno.limpiarCabeceraActual();
    EXPECT_EQ(ventana.textoPanel(panel::Regimen), regimen);
    EXPECT_EQ(ventana.textoPanel(panel::Anio), QStringLiteral("Anio: (ninguno)"));

    // Salir saves the environment and closes the database.
    ventana.accion(QStringLiteral("mnuSalir"))->trigger();
    EXPECT_FALSE(base.abierta());
    EXPECT_EQ(leer(QStringLiteral("Entorno.mem")), QByteArray("RegimenAct = 01\r\n"));
}

TEST_F(frmPrincipalTest, ElArbolDeMenusConSusTitulos)
{
    QStringList barra;
    for (const DefMenu& menu : arbolMenus()) {
        const auto* qmenu = ventana.findChild<QMenu*>(menu.nombre);
        ASSERT_TRUE(qmenu) << menu.nombre.toStdString();
        barra << qmenu->title();
        QStringList items;
        for (const QAction* accion : qmenu->actions()) {
            items << accion->objectName();
            EXPECT_TRUE(accion->shortcut().isEmpty());
        }
        QStringList esperados;
        for (const DefItemMenu& item : menu.items) {
            esperados << item.nombre;
            const QAction* accion = ventana.accion(item.nombre);
            ASSERT_TRUE(accion) << item.nombre.toStdString();
            EXPECT_EQ(accion->isSeparator(), item.esSeparador());
            if (!item.esSeparador()) { EXPECT_EQ(accion->text(), item.titulo); }
        }
        EXPECT_EQ(items, esperados);
    }
    EXPECT_EQ(barra, (QStringList{"&Archivo", "Ad&ministración", "&Procesos", "&Informes", "&Servicios"}));
    EXPECT_EQ(ventana.accion(QStringLiteral("mnuContribuyentes"))->text(),
              QStringLiteral("S&ujetos ret./perc. ..."));
}

TEST_F(frmPrincipalTest, UnItemSinSuFormularioQuedaDeshabilitadoHastaQueSeLoDan)
{
    iniciar();
    // The commands of the window itself are there from the start; the forms still to come are not.
    for (const char* item : {"mnuLeame", "mnuSalir", "mnuCompactDB", "mnuEliminarSuj", "MnuActualizaciones"})
        EXPECT_TRUE(habilitado(item)) << item;
    for (const char* item : {"mnuConceptos", "mnuAgentes", "mnuSucursales", "mnuRetxCab", "mnuImportarSuj"})
        EXPECT_FALSE(habilitado(item)) << item;
    EXPECT_FALSE(habilitado("mnuCabeceras"));
    EXPECT_FALSE(visible("mnuGanado"));

    // An agents form that activates an agent: the menus follow.
    int abiertos = 0;
    ventana.setAbridor(QStringLiteral("mnuAgentes"), [&] {
        ++abiertos;
        entorno.activarAgente(QStringLiteral("012345"));
    });
    ventana.setAbridor(QStringLiteral("mnuSucursales"), [&] { ++abiertos; });
    EXPECT_TRUE(habilitado("mnuAgentes"));
    EXPECT_FALSE(habilitado("mnuSucursales"));
    ventana.accion(QStringLiteral("mnuAgentes"))->trigger();
    EXPECT_TRUE(habilitado("mnuSucursales"));
    ventana.accion(QStringLiteral("mnuSucursales"))->trigger();
    EXPECT_EQ(abiertos, 2);

    // The regime shows the police items; they stay disabled while they have no form.
    activarSucursal(QStringLiteral("012345"), QStringLiteral("0000"));
    activarRegimen(QStringLiteral("13"));
    EXPECT_TRUE(habilitado("mnuCabeceras"));
    EXPECT_TRUE(visible("MnuPolicia") && visible("MnuTurnos") && visible("mnuCereales"));
    EXPECT_FALSE(habilitado("MnuPolicia"));
    ventana.setAbridor(QStringLiteral("MnuPolicia"), [] {});
    EXPECT_TRUE(habilitado("MnuPolicia"));
    ventana.setAbridor(QStringLiteral("mnuAdministracionIntervenciones"), [] {});
    EXPECT_FALSE(habilitado("mnuAdministracionIntervenciones"));  // no declaration active
    activarRegimen(QStringLiteral("05"));
    EXPECT_FALSE(visible("MnuPolicia") || visible("MnuTurnos") || visible("mnuCereales"));
}

TEST_F(frmPrincipalTest, RemesasSinAgenteAvisaYNoAbre)
{
    iniciar();
    int abiertos = 0;
    ventana.setAbridor(QStringLiteral("MnuRemesas"), [&] { ++abiertos; });
    activarRegimen(QStringLiteral("10"));
    ventana.ejecutar(QStringLiteral("MnuRemesas"));
    EXPECT_EQ(abiertos, 0);
    ASSERT_EQ(dialogs.guion.mensajes.size(), 1U);
    EXPECT_EQ(dialogs.guion.mensajes[0].texto, QStringLiteral("Aún no ha seleccionado el Agente"));
    EXPECT_EQ(dialogs.guion.mensajes[0].titulo, QStringLiteral("Tarquel"));
    EXPECT_EQ(dialogs.guion.mensajes[0].icono, Icono::Critico);

    activarAgente(QStringLiteral("012345"));
    ventana.accion(QStringLiteral("MnuRemesas"))->trigger();
    EXPECT_EQ(abiertos, 1);
}

TEST_F(frmPrincipalTest, F1MuestraLaAyudaDeLaVentanaPrincipal)
{
    iniciar();
    const QString texto = base.valor(QStringLiteral("SELECT Texto FROM Ayudas WHERE Clave = 'frmPrincipal'"))
                              .toString();
    ASSERT_FALSE(texto.isEmpty());
    QKeyEvent otra(QEvent::KeyRelease, Qt::Key_F2, Qt::NoModifier);
    QApplication::sendEvent(&ventana, &otra);
    EXPECT_TRUE(dialogs.ventanas.isEmpty());
    QKeyEvent f1(QEvent::KeyRelease, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(&ventana, &f1);
    EXPECT_EQ(dialogs.guion.clavesAyuda, QStringList{"frmPrincipal"});
    EXPECT_EQ(dialogs.ventanas, QStringList{"frmAyuda"});
    EXPECT_EQ(dialogs.textosAyuda, QStringList{texto});
}

TEST_F(frmPrincipalTest, LeameYActualizacionesSeAbrenDesdeElMenu)
{
    iniciar();
    escribir(QStringLiteral("Leame.doc"), "{\\rtf1 propio}");
    ventana.accion(QStringLiteral("mnuLeame"))->trigger();
    EXPECT_EQ(dialogs.guion.abiertos, QStringList{carpeta.ruta(QStringLiteral("Leame.doc"))});
    ventana.accion(QStringLiteral("MnuActualizaciones"))->trigger();
    EXPECT_EQ(dialogs.ventanas, QStringList{"Frm_Actualizaciones"});
    EXPECT_TRUE(dialogs.guion.mensajes.empty());
}

} // namespace
