#include "declarations/frmCabeceras.h"

#include "common/contexto.h"
#include "common/regimenes.h"
#include "database/entorno.h"
#include "database/error_motor.h"
#include "declarations/borrado_cabecera.h"
#include "declarations/deshacer_importacion.h"
#include "declarations/edicion_cabecera.h"
#include "declarations/emision_declaracion.h"
#include "declarations/estado_cabecera.h"
#include "declarations/impresion_declaracion.h"
#include "declarations/pago_cabecera.h"
#include "declarations/rectificacion_cabecera.h"
#include "forms/avisos_error.h"
#include "forms/ayuda.h"
#include "forms/campos_edicion.h"
#include "forms/eventos_foco.h"
#include "forms/grilla_registros.h"
#include "forms/selectores.h"
#include "forms/textos_formularios.h"
#include "platform/dialogs.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>

namespace {

// The mode's query as the grid reads it: its condition with the values, and its order.
struct FuenteCabeceras {
    QString filtro;
    QVariantList valores;
    QString orden;
};

FuenteCabeceras fuenteDelModo(ModoCabeceras modo, const Entorno& entorno,
                              const std::vector<qint64>& conservadas)
{
    const OrigenCabeceras origen = origenCabeceras(modo, entorno);
    const QString desde = QStringLiteral("SELECT * FROM Cabeceras WHERE ");
    const QString ordenPor = QStringLiteral(" ORDER BY ");
    const qsizetype orden = origen.sql.lastIndexOf(ordenPor);
    Q_ASSERT(origen.sql.startsWith(desde) && orden > desde.size());

    FuenteCabeceras fuente{origen.sql.mid(desde.size(), orden - desde.size()), origen.valores,
                           origen.sql.mid(orden + ordenPor.size())};
    if (!conservadas.empty()) {
        QStringList marcas;
        for (qint64 id : conservadas) {
            marcas << QStringLiteral("?");
            fuente.valores << id;
        }
        fuente.filtro = QStringLiteral("(%1) OR IdCabecera IN (%2)")
                            .arg(fuente.filtro, marcas.join(QStringLiteral(", ")));
    }
    return fuente;
}

} // namespace

frmCabeceras::frmCabeceras(Contexto& contexto, ModoCabeceras modo, QWidget* parent)
    : QDialog(parent), contexto_(contexto), modo_(modo),
      protegido_(contexto.dialogs, Protector::Aviso::Numerado, [this] { ocultarProgreso(); })
{
    setWindowTitle(tituloModo(modo_));
    crearPantalla();
    // One help text per mode, known by the start of its caption.
    instalarAyudaF1(*this, contexto_, [this] { return claveAyudaCabeceras(windowTitle()); },
                    &protegido_);
    // The boxes as leaving them leaves them, while the month is being edited.
    alSalir(mskAnio, [this] { if (editando()) mskAnioLostFocus(); }, HaciaCancelar::Cuenta);
    alSalir(mskMes, [this] { if (editando()) mskMesLostFocus(); }, HaciaCancelar::Cuenta);
    habilitarEdicion();
    // Each opening loads the form anew, so its first activation runs here.
    protegido_([this] { primeraActivacion(); });
}

void frmCabeceras::setAccionesPolicia(AccionesPolicia acciones)
{
    policia_ = std::move(acciones);
    const bool filas = hayFilas();
    cmdIntervenciones->setEnabled(filas && policia_.intervenciones != nullptr);
    cmdDDJJPolicia->setEnabled(filas && policia_.declaracionPolicia != nullptr);
}

// ---- The rows.

void frmCabeceras::primeraActivacion()
{
    ocultarProgreso();
    consultar();
    dbgCabeceras->irAUltima();  // the oldest month, given the order
    habilitarEdicion();
    mostrarFila();
    if (!hayFilas()) {
        sinFilas();
        return;
    }
    // The police regime emits its own file and reports besides the declaration's.
    const Entorno& entorno = contexto_.entorno;
    if (entorno.regimenActual() && reglasRegimen(entorno.regimen()).policial()
        && !cmdDecJurada->isHidden()) {
        cmdDDJJPolicia->show();
        cmdIntervenciones->show();
        setAccionesPolicia(policia_);
    }
}

void frmCabeceras::consultar()
{
    const FuenteCabeceras fuente = fuenteDelModo(modo_, contexto_.entorno, conservadas_);
    dbgCabeceras->modelo().setFuente(QStringLiteral("Cabeceras"), fuente.filtro, fuente.valores);
    dbgCabeceras->consultar(fuente.orden);
}

void frmCabeceras::volverAConsultar(std::optional<qint64> id, int posicion)
{
    consultar();
    if (!id || !dbgCabeceras->irAId(*id)) dbgCabeceras->irAFila(posicion);
    habilitarEdicion();
    mostrarFila();
    if (!hayFilas()) sinFilas();
}

bool frmCabeceras::hayFilas() const
{
    return dbgCabeceras->hayFilas();
}

std::optional<qint64> frmCabeceras::idSeleccionado() const
{
    return hayFilas() ? dbgCabeceras->idActual() : std::nullopt;
}

void frmCabeceras::mostrarFila()
{
    const auto fila = dbgCabeceras->registroActual();
    if (!fila) {
        vaciarCajas();
        lblEstadoDescripcion->clear();
        return;
    }
    const Cabecera cabecera = cabeceraDe(*fila);
    mskAnio->setValor(cabecera.anio);
    mskMes->setValor(cabecera.mes);
    lblEstadoDescripcion->setText(textoEstado(cabecera.estado));
}

// The boxes only show: emptying them writes nothing.
void frmCabeceras::vaciarCajas()
{
    mskAnio->setValor(QString());
    mskMes->setValor(QString());
}

// No row to act on: every button that acts on the current row is disabled.
void frmCabeceras::sinFilas()
{
    for (QPushButton* b : {cmdBorrar, cmdModificar, cmdRectificar, cmdActivar, cmdDecJurada,
                           cmdPago, cmdDeshacer, cmdIntervenciones, cmdDDJJPolicia})
        b->setEnabled(false);
    cmdIntervenciones->hide();
    cmdDDJJPolicia->hide();
    vaciarCajas();
    lblEstadoDescripcion->clear();
}

// ---- Browsing and editing.

// The grid, the frame and the buttons as browsing or editing wants them. Borrar, Modificar and
// Activar come back after editing only when there are rows to act on.
void frmCabeceras::habilitarEdicion()
{
    const bool edita = editando();
    const bool registro = !edita && hayFilas();
    dbgCabeceras->setEnabled(!edita);
    fraCabecera->setEnabled(edita);
    cmdCrear->setEnabled(!edita);
    cmdSalir->setEnabled(!edita);
    cmdGrabar->setEnabled(edita);
    cmdCancelar->setEnabled(edita);
    for (QPushButton* b : {cmdBorrar, cmdModificar, cmdActivar}) b->setEnabled(registro);
    switch (edicion_) {
    case Edicion::Navegando: fraCabecera->setTitle(QString()); break;
    case Edicion::Agregando: fraCabecera->setTitle(QStringLiteral(" Crear ")); break;
    case Edicion::Modificando: fraCabecera->setTitle(QStringLiteral(" Modificar ")); break;
    }
}

void frmCabeceras::cmdCrearClick()
{
    if (editando()) return;
    edicion_ = Edicion::Agregando;
    habilitarEdicion();
    const AnioMes propuesta = propuestaCabecera(contexto_.reloj);
    mskAnio->setValor(propuesta.anio);
    mskMes->setValor(propuesta.mes);
    mskMes->setFocus(Qt::OtherFocusReason);
}

void frmCabeceras::cmdModificarClick()
{
    if (editando()) return;
    const auto id = idSeleccionado();
    if (!id) return;
    idEditado_ = *id;
    edicion_ = Edicion::Modificando;
    habilitarEdicion();
    mskMes->setFocus(Qt::OtherFocusReason);
}

void frmCabeceras::cmdGrabarClick()
{
    if (!editando()) return;
    // The boxes as leaving them leaves them, whichever way Grabar was reached.
    mskAnioLostFocus();
    mskMesLostFocus();
    const std::optional<qint64> id =
        edicion_ == Edicion::Modificando ? std::optional(idEditado_) : std::nullopt;
    const ResultadoGrabacion r =
        grabarCabecera(contexto_, id, {mskAnio->text(), mskMes->text()});
    switch (r.resultado) {
    case Grabacion::Grabada:
        edicion_ = Edicion::Navegando;
        volverAConsultar(r.idCabecera, dbgCabeceras->filaActual());
        break;
    case Grabacion::MesNoValido:
    case Grabacion::ClaveRepetida:
        // Still editing, the month pending, so that it can be corrected or cancelled.
        mskMes->setFocus(Qt::OtherFocusReason);
        break;
    case Grabacion::Fallida:
        break;
    }
}

void frmCabeceras::cmdCancelarClick()
{
    if (!editando()) return;
    edicion_ = Edicion::Navegando;
    habilitarEdicion();
    mostrarFila();
}

void frmCabeceras::mskAnioLostFocus()
{
    mskAnio->setValor(normalizarAnio(mskAnio->text()));
}

void frmCabeceras::mskMesLostFocus()
{
    mskMes->setValor(normalizarMes(mskMes->text()));
}

// ---- The buttons that act on the current row.

void frmCabeceras::cmdBorrarClick()
{
    if (editando()) return;
    const auto id = idSeleccionado();
    if (!id) return;
    const int posicion = dbgCabeceras->filaActual();
    if (borrarCabecera(contexto_, *id)) volverAConsultar(std::nullopt, posicion);
}

void frmCabeceras::cmdActivarClick()
{
    activar();
}

// Activar: the main window's declaration panels follow at once, its menus when the form closes.
bool frmCabeceras::activar()
{
    const auto id = idSeleccionado();
    if (!id) return false;
    if (contexto_.entorno.activarCabecera(*id)) return true;
    // The month is no longer there: the list shows what there is.
    volverAConsultar(std::nullopt, dbgCabeceras->filaActual());
    return false;
}

void frmCabeceras::cmdRectificarClick()
{
    const auto id = idSeleccionado();
    if (!id) return;
    if (rectificarCabecera(contexto_, *id) != Rectificacion::Hecha) return;
    // Open again, it no longer belongs to this list; the user still sees it, as it now stands.
    conservadas_.push_back(*id);
    volverAConsultar(*id, dbgCabeceras->filaActual());
}

void frmCabeceras::cmdDeshacerClick()
{
    const auto id = idSeleccionado();
    if (!id) return;
    const int posicion = dbgCabeceras->filaActual();
    if (deshacerImportacion(contexto_, *id)) volverAConsultar(std::nullopt, posicion);
}

void frmCabeceras::cmdDecJuradaClick()
{
    const auto id = idSeleccionado();
    if (!id) return;
    const auto alTerminar = qScopeGuard([this] { ocultarProgreso(); });
    PasosEmision pasos{[this] { return frmGuardarEn::elegir(contexto_.dialogs); },
                       [this](int valor) { progreso(valor); },
                       [this, id] { volverAConsultar(*id, dbgCabeceras->filaActual()); },
                       [this](const DeclaracionEmitida& e) { imprimirDeclaracion(contexto_, e); }};
    emitirDeclaracion(contexto_, *id, pasos);
    // Closed or not, the row shows what the database holds.
    volverAConsultar(*id, dbgCabeceras->filaActual());
}

void frmCabeceras::cmdPagoClick()
{
    const auto id = idSeleccionado();
    if (!id) return;
    // The row shows the declaration closed as soon as the slip closes it, before the print.
    imprimirBoletaPago(contexto_, *id,
                       [this, id] { volverAConsultar(*id, dbgCabeceras->filaActual()); });
}

void frmCabeceras::cmdIntervencionesClick()
{
    accionPolicia(policia_.intervenciones);
}

void frmCabeceras::cmdDDJJPoliciaClick()
{
    accionPolicia(policia_.declaracionPolicia);
}

void frmCabeceras::accionPolicia(const std::function<bool(Contexto&, qint64)>& accion)
{
    const auto id = idSeleccionado();
    if (!accion || !id) return;
    if (accion(contexto_, *id)) volverAConsultar(*id, dbgCabeceras->filaActual());
}

// The progress of the declaration file: shown when its writing starts, the label gone when it is
// complete, the bar once the operation ends.
void frmCabeceras::progreso(int valor)
{
    if (!progresoVisible_) {
        progresoVisible_ = true;
        barraProgreso->setValue(0);
        barraProgreso->show();
        lblProcesando->show();
        repaint();
    } else if (valor == 0) {
        lblProcesando->hide();
    }
    barraProgreso->setValue(valor);
}

void frmCabeceras::ocultarProgreso()
{
    progresoVisible_ = false;
    barraProgreso->setValue(0);
    barraProgreso->hide();
    lblProcesando->hide();
}

// ---- The grid, the keys, leaving.

void frmCabeceras::dbgCabecerasRowColChange()
{
    if (!editando()) mostrarFila();
}

void frmCabeceras::dbgCabecerasDblClick()
{
    // Only where Activar is offered: activate and leave.
    if (editando() || cmdActivar->isHidden()) return;
    if (activar()) cmdSalirClick();
}

void frmCabeceras::dbgCabecerasHeadClick()
{
    // The order is always the mode's.
    contexto_.dialogs.aviso(textos::SinOrdenamiento, textos::AtencionPuntos, Icono::Informacion);
}

void frmCabeceras::cmdSalirClick()
{
    reject();
}

void frmCabeceras::reject()
{
    if (editando()) return;
    QDialog::reject();
}

void abrirFrmCabeceras(Contexto& contexto, QWidget* ventana, ModoCabeceras modo,
                       frmCabeceras::AccionesPolicia policia)
{
    frmCabeceras formulario(contexto, modo, ventana);
    formulario.setAccionesPolicia(std::move(policia));
    contexto.dialogs.abrirModal(formulario);
}
