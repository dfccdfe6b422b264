// Which window each menu item opens: every form that exists is reachable from its own item, and an
// item wired to another item's form fails here.

#include "shell/formularios_menu.h"
#include "shell/menu_principal.h"
#include "support/ventana_principal.h"

#include <QDialog>
#include <map>

namespace {

class FormulariosMenuTest : public VentanaPrincipalTest {};

// An item, the regime whose declaration is active when it is chosen (one that shows the item),
// and the window it opens: its class and caption, which tell apart the modes of one form.
struct ItemVentana {
    const char* item;
    const char* regimen;
    const char* ventana;
};

const ItemVentana kItems[] = {
    {"mnuConceptos", "13", "frmConceptos: Conceptos de Retenciones/Percepciones"},
    {"mnuContribuyentes", "13", "frmContribuyentes: Sujetos"},
    {"mnuAgentes", "13", "frmAgentes: Administración de Agentes de Retención/Percepción"},
    {"mnuSucursales", "13", "frmSucursales: Administración de Sucursales"},
    {"mnuRegimenes", "13", "frmRegimenes: Regímenes"},
    {"mnuAlicuotas", "13", "frmAlicuotas: Alícuotas"},
    {"mnuVencimientos", "13", "frmVencimientos: Vencimientos"},
    {"mnuTasas", "13", "frmTasas: Tasas"},
    {"mnuGanado", "09", "frmTipos: Tipos de Ganado"},
    {"MnuRemesas", "13", "frmRemesas: Remesas"},
    {"mnuCereales", "13", "frmTipos: Tipos de Cereales"},
    {"MnuPolicia", "13", "frmPolicias: Agentes Policiales"},
    {"mnuAlimentos", "15", "frmTipos: Tipos de Alimentos"},
    // The entry form is the one of the active declaration's regime.
    {"mnuRetenciones", "01", "frmRetenciones: Retenciones/Percepciones del mes de Mayo de 2024"},
    {"mnuRetenciones", "09", "frmRetencionesB: Retenciones/Percepciones del mes de Mayo de 2024"},
    {"mnuRetenciones", "13", "frmRetencionesC: Retenciones/Percepciones del mes de Mayo de 2024"},
    {"mnuCabecerasActivar", "13", "frmCabeceras: Activar Declaración"},
    {"mnuCabecerasABM", "13", "frmCabeceras: Altas, Bajas y Modificaciones de Declaraciones"},
    {"mnuCabecerasRect", "13", "frmCabeceras: Rectificar Declaraciones"},
    {"MnuTurnos", "13", "frmTurnosPolicia: Rendiciones Parciales Policía"},
    {"mnuAdministracionIntervenciones", "13", "frmIntervenciones: Intervenciones"},
    {"mnuCabecerasEmitir", "13", "frmCabeceras: Emitir y Generar Diskette"},
    {"mnuRetxCab", "13", "frmRetxCab: Consulta de Retenciones/Percepciones por Declaración"},
    // A report shown on screen, once the printer question is answered.
    {"mnuDetalleIntervenciones", "13", "VistaPrevia: Vista previa - Detalle de intervenciones"},
    {"mnuImportarSuj", "13", "frmImportar: Importar Sujetos"},
    {"mnuImportarRet", "13", "frmImportar: Importar DDJJ"},
    {"mnuDeshacerCabImp", "13", "frmCabeceras: Deshacer Declaraciones Importadas"},
    {"MnuActualizaciones", "13", "frmActualizaciones: Actualizaciones"},
};

// The items that open no window of their own: a document the desktop shows, the end of the run,
// and the maintenance tasks, whose progress window is tested with the tasks.
const QStringList kSinVentana = {"mnuLeame", "mnuSalir", "mnuCompactDB", "mnuEliminarSuj"};

TEST_F(FormulariosMenuTest, CadaItemAbreSuVentana)
{
    QStringList enTabla;
    for (const ItemVentana& i : kItems) enTabla << QString::fromLatin1(i.item);
    for (const DefMenu& menu : arbolMenus()) {
        for (const DefItemMenu& item : menu.items) {
            if (!item.esSeparador() && !kSinVentana.contains(item.nombre)) {
                EXPECT_TRUE(enTabla.contains(item.nombre)) << item.nombre.toStdString();
            }
        }
    }

    iniciar();
    conectarFormularios(ventana, contexto);
    activarAgente(QStringLiteral("012345"));
    activarSucursal(QStringLiteral("012345"), QStringLiteral("0000"));
    QStringList abiertas;
    dialogs.guion.alAbrir = [&abiertas](QDialog& v) {
        abiertas << QString::fromLatin1(v.metaObject()->className()) + QStringLiteral(": ")
                        + v.windowTitle();
    };
    std::map<QString, qint64> declaraciones;
    for (const ItemVentana& i : kItems) {
        SCOPED_TRACE(i.item);
        const QString regimen = QString::fromLatin1(i.regimen);
        if (!declaraciones.contains(regimen))
            declaraciones[regimen] = prueba::cabecera(base, QStringLiteral("012345"),
                                                      QStringLiteral("0000"), QStringLiteral("05"),
                                                      regimen);
        activarRegimen(regimen);
        entorno.activarCabecera(declaraciones[regimen]);
        ventana.actualizarMenus();
        if (!habilitado(i.item) || !visible(i.item)) {
            ADD_FAILURE() << "el item no se puede elegir";
            continue;
        }

        abiertas.clear();
        ventana.accion(QString::fromLatin1(i.item))->trigger();
        // As text, so that a failure reads: one window, nothing or several.
        EXPECT_EQ(abiertas.join(QStringLiteral(" | ")).toStdString(), std::string(i.ventana));
    }
}

} // namespace
