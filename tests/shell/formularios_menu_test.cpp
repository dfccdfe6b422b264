// Which menu items have their form: every form that exists is reachable from the menu.

#include "shell/formularios_menu.h"
#include "support/ventana_principal.h"

namespace {

class FormulariosMenuTest : public VentanaPrincipalTest {};

TEST_F(FormulariosMenuTest, CadaFormularioExistenteTieneSuItem)
{
    iniciar();
    const qint64 id = prueba::cabecera(base, QStringLiteral("012345"), QStringLiteral("0000"),
                                       QStringLiteral("05"), QStringLiteral("13"));
    conectarFormularios(ventana, contexto);
    activarAgente(QStringLiteral("012345"));
    activarSucursal(QStringLiteral("012345"), QStringLiteral("0000"));
    activarRegimen(QStringLiteral("13"));
    entorno.activarCabecera(id);
    ventana.actualizarMenus();

    for (const char* item :
         {"mnuConceptos", "mnuContribuyentes", "mnuAgentes", "mnuSucursales", "mnuRegimenes",
          "mnuAlicuotas", "mnuVencimientos", "mnuTasas", "mnuCereales", "mnuRetenciones",
          "mnuCabecerasActivar", "mnuCabecerasABM", "mnuCabecerasRect", "mnuCabecerasEmitir",
          "mnuDeshacerCabImp", "mnuImportarSuj", "mnuImportarRet", "MnuPolicia", "MnuTurnos",
          "mnuAdministracionIntervenciones", "MnuRemesas", "mnuDetalleIntervenciones",
          "mnuRetxCab"})
        EXPECT_TRUE(habilitado(item)) << item;
}

} // namespace
