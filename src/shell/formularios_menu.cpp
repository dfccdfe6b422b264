#include "shell/formularios_menu.h"

#include "common/contexto.h"
#include "database/entorno.h"
#include "declarations/frmCabeceras.h"
#include "details/apertura_detalle.h"
#include "details/frmRemesas.h"
#include "details/frmRetxCab.h"
#include "entry/apertura_entrada.h"
#include "import/frmImportar.h"
#include "platform/dialogs.h"
#include "police/frmTurnosPolicia.h"
#include "police/archivo_policia.h"
#include "police/frmIntervenciones.h"
#include "police/boleta_turno.h"
#include "police/detalle_intervenciones.h"
#include "police/frmPolicias.h"
#include "police/frmRetencionesC.h"
#include "police/informe_intervenciones.h"
#include "police/rendicion_turno.h"
#include "reference/frmAgentes.h"
#include "reference/frmAlicuotas.h"
#include "reference/frmConceptos.h"
#include "reference/frmContribuyentes.h"
#include "reference/frmRegimenes.h"
#include "reference/frmSucursales.h"
#include "reference/frmTasas.h"
#include "reference/frmTipos.h"
#include "reference/frmVencimientos.h"
#include "shell/frmPrincipal.h"
#include "shell/leame.h"
#include "shell/menu_principal.h"

// Each opener shows its form modally over the main window through contexto.dialogs.abrirModal;
// the main window sets its menus again when the opener returns. An item without an opener here
// stays disabled.
namespace {

template <typename Formulario>
void abrir(frmPrincipal& ventana, Contexto& contexto)
{
    Formulario formulario(contexto, &ventana);
    contexto.dialogs.abrirModal(formulario);
}

// A record form as a pick list: the code the user chose, nothing when the list was left.
template <typename Formulario>
std::optional<QString> elegir(Contexto& contexto)
{
    Formulario lista(contexto);
    lista.mostrarSeleccionar();
    contexto.dialogs.abrirModal(lista);
    return lista.seleccion();
}

void conectarReferencias(frmPrincipal& ventana, Contexto& contexto)
{
    ventana.setAbridor(QStringLiteral("mnuAgentes"), [&] { abrir<frmAgentes>(ventana, contexto); });
    ventana.setAbridor(QStringLiteral("mnuSucursales"),
                       [&] { abrir<frmSucursales>(ventana, contexto); });
    ventana.setAbridor(QStringLiteral("mnuRegimenes"),
                       [&] { abrir<frmRegimenes>(ventana, contexto); });
    ventana.setAbridor(QStringLiteral("mnuConceptos"),
                       [&] { abrir<frmConceptos>(ventana, contexto); });
    ventana.setAbridor(QStringLiteral("mnuContribuyentes"),
                       [&] { abrir<frmContribuyentes>(ventana, contexto); });
    ventana.setAbridor(QStringLiteral("mnuAlicuotas"),
                       [&] { abrir<frmAlicuotas>(ventana, contexto); });
    ventana.setAbridor(QStringLiteral("mnuVencimientos"),
                       [&] { abrir<frmVencimientos>(ventana, contexto); });
    ventana.setAbridor(QStringLiteral("mnuTasas"), [&] { abrir<frmTasas>(ventana, contexto); });
    for (const QString& item :
         {QStringLiteral("mnuGanado"), QStringLiteral("mnuCereales"), QStringLiteral("mnuAlimentos")}) {
        ventana.setAbridor(item, [&ventana, &contexto, item] {
            frmTipos tipos(contexto, &ventana);
            tipos.setearSeleccion(claseTipos(item));
            contexto.dialogs.abrirModal(tipos);
        });
    }
    // The agent's stamp remittances (the main window refuses the item while no agent is active).
    ventana.setAbridor(QStringLiteral("MnuRemesas"), [&] { abrir<frmRemesas>(ventana, contexto); });
}

// The entry form of the active regime, with the pick lists and the detail window it opens; the
// police regime's form is handed to the opener from here.
void conectarEntrada(frmPrincipal& ventana, Contexto& contexto)
{
    ventana.setAbridor(QStringLiteral("mnuRetenciones"), [&] {
        ServiciosEntrada servicios;
        servicios.selectores.contribuyente = [&] { return elegir<frmContribuyentes>(contexto); };
        servicios.selectores.concepto = [&] { return elegir<frmConceptos>(contexto); };
        servicios.selectores.policia = [&] { return elegir<frmPolicias>(contexto); };
        servicios.detalle = [&](QWidget* duenio, const ComprobanteDetalle& comprobante) {
            return abrirDetalleComprobante(contexto, duenio, comprobante);
        };
        abrirEntradaRetenciones(contexto, &ventana, servicios, crearFrmRetencionesC);
    });
}

void conectarPolicia(frmPrincipal& ventana, Contexto& contexto)
{
    ventana.setAbridor(QStringLiteral("MnuPolicia"), [&] { abrir<frmPolicias>(ventana, contexto); });
    ventana.setAbridor(QStringLiteral("MnuTurnos"), [&] {
        ServiciosTurnos servicios;
        servicios.rendicion = [&](const Turno& turno) { imprimirRendicionTurno(contexto, turno); };
        servicios.boletaDeposito = [&](const Turno& turno) { imprimirBoletaTurno(contexto, turno); };
        frmTurnosPolicia turnos(contexto, servicios, &ventana);
        contexto.dialogs.abrirModal(turnos);
    });
    ventana.setAbridor(QStringLiteral("mnuAdministracionIntervenciones"), [&] {
        // The item is enabled only while a declaration is active: its interventions are kept.
        if (contexto.entorno.cabeceraActual()) abrir<frmIntervenciones>(ventana, contexto);
    });
    ventana.setAbridor(QStringLiteral("mnuDetalleIntervenciones"),
                       [&] { imprimirDetalleIntervenciones(contexto); });
}

// The declarations form in each of its modes; the police regime's buttons of the form do that
// regime's work.
void conectarCabeceras(frmPrincipal& ventana, Contexto& contexto)
{
    const frmCabeceras::AccionesPolicia policia{
        .intervenciones = [](Contexto& c, qint64 id) { return imprimirIntervenciones(c, id); },
        .declaracionPolicia = [](Contexto& c, qint64 id) {
            return emitirDeclaracionPolicia(c, id);
        }};
    for (const QString& item :
         {QStringLiteral("mnuCabecerasActivar"), QStringLiteral("mnuCabecerasABM"),
          QStringLiteral("mnuCabecerasRect"), QStringLiteral("mnuCabecerasEmitir"),
          QStringLiteral("mnuDeshacerCabImp")}) {
        const ModoCabeceras modo = *modoCabeceras(item);
        ventana.setAbridor(item, [&ventana, &contexto, modo, policia] {
            abrirFrmCabeceras(contexto, &ventana, modo, policia);
        });
    }
}

void conectarImportaciones(frmPrincipal& ventana, Contexto& contexto)
{
    const AbrirDocumento instrucciones = [&contexto](const QString& documento) {
        mostrarDocumento(contexto.dialogs, contexto.carpeta, documento);
    };
    ventana.setAbridor(QStringLiteral("mnuImportarSuj"), [&, instrucciones] {
        abrirFrmImportar(contexto, &ventana, kTituloImportarSujetos, instrucciones);
    });
    ventana.setAbridor(QStringLiteral("mnuImportarRet"), [&, instrucciones] {
        abrirFrmImportar(contexto, &ventana, kTituloImportarDDJJ, instrucciones);
    });
}

} // namespace

void conectarFormularios(frmPrincipal& ventana, Contexto& contexto)
{
    conectarReferencias(ventana, contexto);
    conectarEntrada(ventana, contexto);
    conectarPolicia(ventana, contexto);
    // Reports: the withholdings of any declaration.
    ventana.setAbridor(QStringLiteral("mnuRetxCab"), [&] { abrir<frmRetxCab>(ventana, contexto); });
    conectarCabeceras(ventana, contexto);
    conectarImportaciones(ventana, contexto);
}
