#include "shell/formularios_menu.h"

#include "common/contexto.h"
#include "declarations/frmCabeceras.h"
#include "entry/apertura_entrada.h"
#include "platform/dialogs.h"
#include "reference/frmAgentes.h"
#include "reference/frmRegimenes.h"
#include "reference/frmSucursales.h"
#include "shell/frmPrincipal.h"
#include "shell/menu_principal.h"

// Each opener shows its form modally over the main window through contexto.dialogs.abrirModal;
// the main window sets its menus again when the opener returns. One line per form, for example:
//
//   ventana.setAbridor(QStringLiteral("mnuAgentes"), [&] {
//       frmAgentes f(contexto, &ventana); contexto.dialogs.abrirModal(f); });
//
// What each opener does besides showing its form:
//   mnuConceptos, mnuContribuyentes, MnuPolicia   the form in maintenance mode (Seleccionar hidden)
//   mnuAgentes, mnuSucursales, mnuRegimenes, mnuAlicuotas, mnuVencimientos, mnuTasas
//                                                 the form as it is
//   mnuGanado, mnuCereales, mnuAlimentos          frmTipos after Setear_seleccion(claseTipos(item))
//   MnuRemesas                                    frmRemesas (the window itself refuses the command
//                                                 while no agent is active)
//   mnuRetenciones                                the form named by formularioDeEntrada(regime code)
//   mnuCabecerasActivar, mnuCabecerasABM, mnuCabecerasRect, mnuCabecerasEmitir, mnuDeshacerCabImp
//                                                 frmCabeceras with the caption tituloCabeceras(item)
//   MnuTurnos                                     FrmTurnos_Policia
//   mnuAdministracionIntervenciones               frmIntervenciones
//   mnuRetxCab                                    frmRetxCab
//   mnuDetalleIntervenciones                      the print of DetalleIntervenciones.rpt for the
//                                                 active declaration, after confirming the printer
//   mnuImportarSuj, mnuImportarRet                frmImportar with the caption "Importar Sujetos" or
//                                                 "Importar DDJJ"
namespace {

template <typename Formulario>
void abrir(frmPrincipal& ventana, Contexto& contexto)
{
    Formulario formulario(contexto, &ventana);
    contexto.dialogs.abrirModal(formulario);
}

} // namespace

void conectarFormularios(frmPrincipal& ventana, Contexto& contexto)
{
    // Reference data
    ventana.setAbridor(QStringLiteral("mnuAgentes"), [&] { abrir<frmAgentes>(ventana, contexto); });
    ventana.setAbridor(QStringLiteral("mnuSucursales"),
                       [&] { abrir<frmSucursales>(ventana, contexto); });
    ventana.setAbridor(QStringLiteral("mnuRegimenes"),
                       [&] { abrir<frmRegimenes>(ventana, contexto); });

    // Entry
    ventana.setAbridor(QStringLiteral("mnuRetenciones"), [&] {
        ServiciosEntrada servicios;
        if (abrirEntradaRetenciones(contexto, &ventana, servicios) == AperturaEntrada::NoDisponible)
            contexto.dialogs.aviso(QStringLiteral("La carga de retenciones de este régimen todavía "
                                                  "no está disponible en esta versión."),
                                   QStringLiteral("Atención..."));
    });

    // Declarations
    ventana.setAbridor(QStringLiteral("mnuCabecerasActivar"), [&] {
        abrirFrmCabeceras(contexto, &ventana,
                          tituloCabeceras(QStringLiteral("mnuCabecerasActivar")));
    });
    ventana.setAbridor(QStringLiteral("mnuCabecerasABM"), [&] {
        abrirFrmCabeceras(contexto, &ventana, tituloCabeceras(QStringLiteral("mnuCabecerasABM")));
    });
    ventana.setAbridor(QStringLiteral("mnuCabecerasRect"), [&] {
        abrirFrmCabeceras(contexto, &ventana, tituloCabeceras(QStringLiteral("mnuCabecerasRect")));
    });
    ventana.setAbridor(QStringLiteral("mnuCabecerasEmitir"), [&] {
        abrirFrmCabeceras(contexto, &ventana,
                          tituloCabeceras(QStringLiteral("mnuCabecerasEmitir")));
    });
    ventana.setAbridor(QStringLiteral("mnuDeshacerCabImp"), [&] {
        abrirFrmCabeceras(contexto, &ventana, tituloCabeceras(QStringLiteral("mnuDeshacerCabImp")));
    });
}
