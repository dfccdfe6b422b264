#include "camino/camino.h"

namespace camino {

void Camino::arrancar()
{
    ASSERT_TRUE(bloqueo.tomar(dialogos));
    dialogos.alAbrir(u"frmAcercaDe"_s, [](QDialog& presentacion) { presentacion.close(); });
    mostrarPresentacion(dialogos);
    conectarFormularios(ventana, contexto);
    ASSERT_EQ(arranque.iniciar(), FinArranque::Continuar);
    ventana.show();

    // A new install has no Entorno.mem: the start says so and nothing is active.
    EXPECT_EQ(mensajes(), std::vector<std::string>{"No se encontró el archivo de inicialización "
                                                   "'Entorno.mem'. Deberá reiniciar el programa"});
    EXPECT_EQ(panelDe(panel::Agente), "Agente: (ninguno)");
    EXPECT_FALSE(menuHabilitado("mnuSucursales"));
    EXPECT_FALSE(menuHabilitado("mnuCabecerasABM"));
}

// Administración → Agentes: the new agent, typed in; Activar makes it and its branch active.
void Camino::cargarAgente()
{
    dialogos.alAbrir(u"frmAgentes"_s, [&](QDialog& f) {
        pulsar(f, "cmdAgregar");
        tipear(f, "mskNroAgente", kAgente);
        elegirEnLista(f, "cboIVA", 0);  // "Resp. Inscripto"
        tipear(f, "mskCUIT", u"30500000003"_s);
        tipear(f, "txtRazonSocial", u"acopios del sur sa"_s);
        tipear(f, "txtDomicilio", u"san martin 100"_s);
        tipear(f, "txtLocalidad", u"rosario"_s);
        pulsar(f, "cmdGrabar");
        EXPECT_EQ(marco(f, "fraAgente"), "") << "el agente no se grabó";
        EXPECT_EQ(caja(f, "mskNroAgente"), "12345-9");
        EXPECT_EQ(caja(f, "txtRazonSocial"), "ACOPIOS DEL SUR SA");
        pulsar(f, "cmdActivar");
        pulsar(f, "cmdSalir");
    });
    ASSERT_NO_FATAL_FAILURE(menu("mnuAgentes"));
    EXPECT_EQ(mensajes(), std::vector<std::string>());
    EXPECT_EQ(panelDe(panel::Agente), "Agente: 12345-9 - ACOPIOS DEL SUR SA");
    EXPECT_EQ(panelDe(panel::Sucursal), "Sucursal: 0000 - SAN MARTIN 100");
    EXPECT_TRUE(menuHabilitado("mnuSucursales"));
}

// Administración → Sucursales: the agent's one branch, "0000", made with it, and its counter.
void Camino::verSucursal(const char* ultimoComprobante)
{
    dialogos.alAbrir(u"frmSucursales"_s, [&](QDialog& f) {
        EXPECT_EQ(grillaDe(f).filas(), 1);
        EXPECT_EQ(caja(f, "mskSucursal"), "0000");
        EXPECT_EQ(caja(f, "mskNroComprobante"), ultimoComprobante);
        pulsar(f, "cmdSalir");
    });
    ASSERT_NO_FATAL_FAILURE(menu("mnuSucursales"));
    EXPECT_EQ(mensajes(), std::vector<std::string>());
}

// Administración → Régimenes: the regime clicked in the list and activated; the processes menu
// opens, without a declaration yet.
void Camino::activarRegimen(const QString& codigo, const char* panel)
{
    dialogos.alAbrir(u"frmRegimenes"_s, [&](QDialog& f) {
        elegirFila(f, "dbgRegimenes", u"Código"_s, codigo);
        pulsar(f, "cmdActivar");
        pulsar(f, "cmdSalir");
    });
    ASSERT_NO_FATAL_FAILURE(menu("mnuRegimenes"));
    EXPECT_EQ(mensajes(), std::vector<std::string>());
    EXPECT_EQ(panelDe(panel::Regimen), panel);
    EXPECT_TRUE(menuHabilitado("mnuCabecerasABM"));
    EXPECT_FALSE(menuHabilitado("mnuRetenciones"));  // no declaration yet
}

// Administración → Alícuotas: a new install has no rate for a local subject in regime "01"; the
// user enters it.
void Camino::cargarAlicuota()
{
    dialogos.alAbrir(u"frmAlicuotas"_s, [&](QDialog& f) {
        pulsar(f, "cmdAgregar");
        tipear(f, "txtCodReg", u"01"_s);
        elegirEnLista(f, "cboTipo", 0);  // "0 - Obligado Directo"
        tipear(f, "txtAlic", u"2,5"_s);
        pulsar(f, "cmdGrabar");
        EXPECT_EQ(marco(f, "fraAlicuota"), "") << "la alícuota no se grabó";
        pulsar(f, "cmdSalir");
    });
    ASSERT_NO_FATAL_FAILURE(menu("mnuAlicuotas"));
    EXPECT_EQ(mensajes(), std::vector<std::string>());
}

// Administración → Vencimientos: a new install has no due date for any month; the user enters
// May 2024's.
void Camino::cargarVencimiento()
{
    dialogos.alAbrir(u"frmVencimientos"_s, [&](QDialog& f) {
        pulsar(f, "cmdAgregar");
        tipear(f, "txtMes", u"5"_s);
        tipear(f, "txtAnio", u"2024"_s);
        tipear(f, "txtFecha", u"17/06/2024"_s);
        pulsar(f, "cmdGrabar");
        EXPECT_EQ(marco(f, "fraVencimiento"), "") << "el vencimiento no se grabó";
        pulsar(f, "cmdSalir");
    });
    ASSERT_NO_FATAL_FAILURE(menu("mnuVencimientos"));
    EXPECT_EQ(mensajes(), std::vector<std::string>());
}

// Administración → Sujetos: a local subject (jurisdiction "000") typed in.
void Camino::cargarSujeto()
{
    dialogos.alAbrir(u"frmContribuyentes"_s, [&](QDialog& f) {
        EXPECT_TRUE(control<QWidget>(f, u"cmdSeleccionar"_s)->isHidden());
        pulsar(f, "cmdAgregar");
        tipear(f, "mskNroContrib", kSujeto);
        tipear(f, "mskCUIT", u"20123456786"_s);
        tipear(f, "txtRazonSocial", u"perez juan"_s);
        tipear(f, "txtDomicilio", u"mitre 200"_s);
        pulsar(f, "cmdGrabar");
        EXPECT_EQ(marco(f, "fraContribuyente"), "") << "el sujeto no se grabó";
        EXPECT_EQ(caja(f, "mskNroContrib"), "000-012345-9");
        pulsar(f, "cmdSalir");
    });
    ASSERT_NO_FATAL_FAILURE(menu("mnuContribuyentes"));
    EXPECT_EQ(mensajes(), std::vector<std::string>());
    // A local subject is an "Obligado Directo": the rate just entered is its rate.
    EXPECT_EQ(valor(u"SELECT Cod_Tipo FROM Contribuyentes WHERE Nro_Contrib = ?"_s, {kSujeto}), "0");
}

// Procesos → Altas/Bajas/Modificaciones: this month's declaration; Activar Declaración.
void Camino::crearYActivarDeclaracion()
{
    dialogos.alAbrir(u"frmCabeceras"_s, [&](QDialog& f) {
        EXPECT_EQ(s(f.windowTitle()), "Altas, Bajas y Modificaciones de Declaraciones");
        pulsar(f, "cmdCrear");
        EXPECT_EQ(caja(f, "mskAnio") + "/" + caja(f, "mskMes"), "2024/05");
        pulsar(f, "cmdGrabar");
        EXPECT_EQ(rotulo(f, "lblEstadoDescripcion"), " Vacía");
        pulsar(f, "cmdSalir");
    });
    ASSERT_NO_FATAL_FAILURE(menu("mnuCabecerasABM"));

    dialogos.alAbrir(u"frmCabeceras"_s, [&](QDialog& f) {
        EXPECT_EQ(s(f.windowTitle()), "Activar Declaración");
        pulsar(f, "cmdActivar");
        pulsar(f, "cmdSalir");
    });
    ASSERT_NO_FATAL_FAILURE(menu("mnuCabecerasActivar"));
    EXPECT_EQ(mensajes(), std::vector<std::string>());
    EXPECT_EQ(panelesDeclaracion(), (std::vector<std::string>{"Año: 2024", "Mes: 05", "R: 00"}));
    EXPECT_TRUE(menuHabilitado("mnuRetenciones"));
}

// Closing the main window saves the environment: agent, branch and regime, no declaration.
void Camino::cerrarPrograma(const char* regimen)
{
    ventana.close();
    EXPECT_FALSE(base.abierta());
    QFile mem(carpeta.ruta(u"Entorno.mem"_s));
    ASSERT_TRUE(mem.open(QIODevice::ReadOnly));
    EXPECT_EQ(mem.readAll().toStdString(),
              "AgenteAct = 123459\r\nSucursalAct = 0000\r\nRegimenAct = " + std::string(regimen)
                  + "\r\n");
    const auto dichos = mensajes();
    ASSERT_EQ(dichos.size(), 1u);
    EXPECT_TRUE(dichos[0].starts_with("Recuerde que es necesario realizar COPIAS DE SEGURIDAD"));
}

} // namespace camino
