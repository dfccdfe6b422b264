#include "shell/frmPrincipal.h"

#include "database/entorno.h"
#include "shell/arranque.h"
#include "support/carpeta_temporal.h"

#include <QLabel>
#include <QStatusBar>
#include <gtest/gtest.h>

namespace {

TEST(frmPrincipal, TituloYPanelesSiguenAlEntorno)
{
    CarpetaTemporal carpeta;
    carpeta.crearBaseInstalada();
    BaseDatos base;
    Entorno entorno(base);
    DialogosGuionados dialogs;
    Arranque arranque(entorno, dialogs, carpeta.dir.path());
    frmPrincipal ventana(entorno, arranque);
    ASSERT_EQ(arranque.iniciar(), FinArranque::Continuar);

    EXPECT_TRUE(ventana.windowTitle().startsWith(QStringLiteral("Tarquel  -  Versión ")));
    const auto* barra1 = ventana.findChild<QStatusBar*>(QStringLiteral("StatusBar1"));
    const auto* barra2 = ventana.findChild<QStatusBar*>(QStringLiteral("StatusBar2"));
    ASSERT_TRUE(barra1 && barra2);
    EXPECT_TRUE(barra1->findChild<QLabel*>(panel::Agente));
    EXPECT_TRUE(barra2->findChild<QLabel*>(panel::Rectifica));
    EXPECT_EQ(ventana.textoPanel(panel::Anio), QStringLiteral("Año: (ninguno)"));

    entorno.Regimen_Actual = entorno.leerRegimen(QStringLiteral("01"));
    entorno.setPanel(panel::Regimen, QStringLiteral("Régimen: 01 - X"));
    entorno.Limpiar_Cabecera_Actual();
    EXPECT_EQ(ventana.textoPanel(panel::Regimen), QStringLiteral("Régimen: 01 - X"));
    EXPECT_EQ(ventana.textoPanel(panel::Anio), QStringLiteral("Anio: (ninguno)"));

    // Closing the window saves the environment and closes the database.
    ventana.close();
    EXPECT_FALSE(base.abierta());
    QFile f(carpeta.ruta(QStringLiteral("Entorno.mem")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("RegimenAct = 01\r\n"));
}

} // namespace
