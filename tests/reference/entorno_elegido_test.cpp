// The whole road of choosing the environment through the windows: a new agent with its branch
// "0000", the agent, the branch and a regime active, and what the next start will find.

#include "forms/grilla_registros.h"
#include "reference/frmAgentes.h"
#include "reference/frmRegimenes.h"
#include "reference/frmSucursales.h"
#include "shell/arranque.h"
#include "support/entorno_prueba.h"
#include "support/filas_prueba.h"
#include "support/formularios_prueba.h"
#include "support/impresora_del_programa.h"

#include <QComboBox>
#include <QFile>

using namespace Qt::Literals::StringLiterals;

namespace {

TEST(EntornoElegido, AgenteSucursalYRegimenQuedanEnEntornoMem)
{
    // A new install's data folder, opened as the program starts.
    EntornoDePrueba e(BaseDePrueba::Ninguna);
    copiarBaseInstalada(e.carpeta.base());
    auto& [carpeta, base, entorno, paneles, dialogs, reloj, impresora, contexto] = e;
    Arranque arranque(entorno, dialogs, carpeta.dir.path());
    ASSERT_EQ(arranque.iniciar(), FinArranque::Continuar);
    dialogs.mensajes.clear();

    {
        frmAgentes agentes(contexto);
        pulsar(agentes, u"cmdAgregar"_s);
        escribir(agentes, u"mskNroAgente"_s, u"000017"_s);
        control<QComboBox>(agentes, u"cboIVA"_s)->setCurrentIndex(0);
        escribir(agentes, u"mskCUIT"_s, u"20123456786"_s);
        escribir(agentes, u"txtRazonSocial"_s, u"acopio del sur"_s);
        escribir(agentes, u"txtDomicilio"_s, u"ruta 8 km 3"_s);
        escribir(agentes, u"txtLocalidad"_s, u"venado tuerto"_s);
        pulsar(agentes, u"cmdGrabar"_s);
        pulsar(agentes, u"cmdActivar"_s);
    }
    EXPECT_EQ(paneles.texto(panel::Agente), u"Agente: 00001-7 - ACOPIO DEL SUR"_s);
    EXPECT_EQ(paneles.texto(panel::Sucursal), u"Sucursal: 0000 - RUTA 8 KM 3"_s);
    {
        frmSucursales sucursales(contexto);
        EXPECT_EQ(texto(sucursales, u"mskSucursal"_s), u"0000"_s);
        pulsar(sucursales, u"cmdActivar"_s);
    }
    {
        frmRegimenes regimenes(contexto);
        GrillaRegistros& g = grillaDe(regimenes, u"dbgRegimenes"_s);
        g.irAFila(0);
        regimenes.cmdActivarClick();
    }
    EXPECT_TRUE(dialogs.mensajes.empty()) << dialogs.textosMostrados().join(u'|').toStdString();
    EXPECT_TRUE(entorno.agenteActual() && entorno.sucursalActual() && entorno.regimenActual());
    EXPECT_TRUE(paneles.texto(panel::Regimen).startsWith(u"Régimen: 01 - "_s));

    arranque.cerrar();
    QFile archivo(carpeta.ruta(u"Entorno.mem"_s));
    ASSERT_TRUE(archivo.open(QIODevice::ReadOnly));
    EXPECT_EQ(archivo.readAll(),
              QByteArray("AgenteAct = 000017\r\nSucursalAct = 0000\r\nRegimenAct = 01\r\n"));
}

} // namespace
