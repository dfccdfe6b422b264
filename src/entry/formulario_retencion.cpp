#include "entry/formulario_retencion.h"

#include "common/aviso_no_inscripto.h"
#include "common/ciclo_cabecera.h"
#include "common/contexto.h"
#include "database/base_datos.h"
#include "database/entorno.h"
#include "entry/controles_entrada.h"
#include "entry/grabacion_retenciones.h"
#include "entry/importe_retenido.h"
#include "entry/numeros_pantalla.h"
#include "forms/avisos_error.h"
#include "forms/ayuda.h"
#include "forms/campos_edicion.h"
#include "forms/eventos_foco.h"
#include "forms/grilla_registros.h"
#include "forms/textos_formularios.h"
#include "platform/reloj.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTimer>

namespace {

// The decimal separator the gross amount is typed and read with: the locale's.
QChar separadorDecimal()
{
    const QString decimal = QLocale().decimalPoint();
    return decimal.size() == 1 ? decimal.front() : QLatin1Char(',');
}

std::optional<Retencion> comoRetencion(const std::optional<QSqlRecord>& fila)
{
    if (!fila) return std::nullopt;
    return retencionDe(*fila);
}

} // namespace

FormularioRetencion::FormularioRetencion(Contexto& contexto, ServiciosEntrada servicios,
                                         QString nombre, QWidget* parent, Rasgos rasgos)
    : QDialog(parent), contexto_(contexto), servicios_(std::move(servicios)),
      nombre_(std::move(nombre)), rasgos_(std::move(rasgos)), reglas_(reglasRegimen(contexto.entorno.regimen())),
      protegido_(contexto.dialogs, Protector::Aviso::Numerado)
{
    crearPantalla();
    instalarAyudaF1(*this, contexto_, [this] { return nombre_; }, &protegido_);
    // The gross amount shows the text typed while it has the focus, selected.
    alEntrar(
        mskImpBru,
        [this] {
            mskImpBru->setText(brutoEscrito_);
            mskImpBru->selectAll();
            QTimer::singleShot(0, mskImpBru, [this] {
                if (mskImpBru->hasFocus()) mskImpBru->selectAll();
            });
        },
        AlVolver::Cuenta);
    filtrarTeclas(mskImpBru, [this](const QKeyEvent& tecla) {
        const QString texto = tecla.text();
        return texto.size() == 1 && texto.at(0).isPrint()
               && !aceptaTeclaBruto(texto.at(0), mskImpBru->text(), separadorDecimal(),
                                    rasgos_.admiteMenos);
    });
    decimalDelTeclado(mskImpBru, separadorDecimal);
}

// ---- Small helpers.

QString FormularioRetencion::regimen() const { return contexto_.entorno.regimen(); }
QString FormularioRetencion::nroContrib() const { return mskNroContrib->valor(); }
QString FormularioRetencion::dia() const { return mskDia->valor(); }
QString FormularioRetencion::codConcepto() const { return mskCodConcepto->valor(); }

QString FormularioRetencion::hoy() const
{
    return QStringLiteral("%1").arg(contexto_.reloj.hoy().day(), 2, 10, QLatin1Char('0'));
}

QString FormularioRetencion::textoBruto() const
{
    return mskImpBru->hasFocus() ? mskImpBru->text() : brutoEscrito_;
}

// While the field has no focus it shows its value through the display format; the text typed is
// kept apart and comes back when the field is entered.
void FormularioRetencion::setBruto(const QString& texto)
{
    brutoEscrito_ = texto;
    if (mskImpBru->hasFocus()) {
        mskImpBru->setText(texto);
        return;
    }
    const auto valor = leerNumero(texto, QLocale());
    mskImpBru->setText(valor ? valor->formato(rasgos_.mascaraBrutoVista, QLocale()) : texto);
}

void FormularioRetencion::setAlicuota(Importe alicuota)
{
    alicuota_ = alicuota;
    lblAlicuota->setText(textoNumero(alicuota, QLocale()));
}

bool FormularioRetencion::puedeImprimir() const
{
    return static_cast<bool>(servicios_.imprimirComprobante);
}

void FormularioRetencion::mostrarErrorGrabacion(const ErrorMotor& error)
{
    mostrarErrorOperacion(contexto_.dialogs, error.numero(),
                          QStringLiteral("La Ret./Perc. no fue grabada.\n") + error.descripcion());
}

void FormularioRetencion::mostrarNumeracionAgotada(const NumeracionAgotada& agotada)
{
    contexto_.dialogs.aviso(
        QStringLiteral("La sucursal no puede emitir más comprobantes: su último número es ")
            + agotada.ultimo() + QStringLiteral(".\nLa Ret./Perc. no fue grabada."),
        textos::AtencionPuntos, Icono::Exclamacion);
}

bool FormularioRetencion::sujetoCargado()
{
    if (!lblRazonSocial->text().trimmed().isEmpty()) return true;
    rehusar(mskNroContrib,
            QStringLiteral("El sujeto indicado no está cargado en la base del sistema."),
            textos::AtencionPuntos, Icono::Informacion);
    return false;
}

void FormularioRetencion::rehusar(QWidget* foco, const QString& texto, const QString& titulo,
                                  Icono icono)
{
    contexto_.dialogs.aviso(texto, titulo, icono);
    if (foco) foco->setFocus();
}

void FormularioRetencion::vigilar(QWidget* campo, std::function<void()> alSalir)
{
    // A locked frame has no field to leave; leaving for Cancelar counts as for any other control.
    ::alSalir(
        campo,
        [this, alSalir = std::move(alSalir)] {
            if (fraRetencion->isEnabled() && !preparandoNueva_) protegido_(alSalir);
        },
        HaciaCancelar::Cuenta);
}

void FormularioRetencion::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    // Coming back from a picker, the help or a message runs nothing again.
    if (!pendientePrimeraActivacion) return;
    pendientePrimeraActivacion = false;
    protegido_([this] { primeraActivacion(); });
}

void FormularioRetencion::primeraActivacion()
{
    dbgRetencionesHeadClick(1);
}

void FormularioRetencion::keyPressEvent(QKeyEvent* evento)
{
    // Escape does not close an entry form: a receipt half typed would be lost by a slip.
    if (evento->key() == Qt::Key_Escape) {
        evento->accept();
        return;
    }
    QDialog::keyPressEvent(evento);
}

// ---- Browsing and editing.

void FormularioRetencion::habilitarEdicion()
{
    const bool edita = editando();
    const bool hayFilas = dbgRetenciones->hayFilas();
    dbgRetenciones->setEnabled(!edita);
    if (edita) {
        fraRetencion->setEnabled(true);
        cmdContribuyentes->setEnabled(true);
        cmdConceptos->setEnabled(true);
    } else {
        cmdContribuyentes->setEnabled(false);
        cmdConceptos->setEnabled(false);
        fraRetencion->setEnabled(false);
    }
    cmdAgregar->setEnabled(!edita);
    cmdCorregir->setEnabled(!edita);
    cmdAnular->setEnabled(!edita && hayFilas);
    cmdReimprimir->setEnabled(!edita && hayFilas && puedeImprimir());
    cmdGrabar->setEnabled(edita);
    cmdCancelar->setEnabled(edita);
    cmdSalir->setEnabled(!edita);
}

void FormularioRetencion::resaltarFila(bool resaltar)
{
    if (resaltar) {
        dbgRetenciones->setSelectionMode(QAbstractItemView::SingleSelection);
        const QModelIndex actual = dbgRetenciones->currentIndex();
        if (actual.isValid()) dbgRetenciones->selectRow(actual.row());
    } else {
        dbgRetenciones->clearSelection();
        dbgRetenciones->setSelectionMode(QAbstractItemView::NoSelection);
    }
}

void FormularioRetencion::cmdAgregarClick()
{
    // Nueva moves the focus itself (the button it disables hands it on, then the day takes it):
    // the field it passes through is not left by the user and looks nothing up.
    const QScopedValueRollback preparando(preparandoNueva_, true);
    antesDeNueva();
    resaltarFila(false);
    edicion_ = Edicion::Agregando;
    fraRetencion->setTitle(kTituloNueva);
    habilitarEdicion();

    // A blank receipt: the check boxes keep their state from the previous one.
    limpiarPropios();
    lblEstado->clear();
    lblRazonSocial->clear();
    mskNroContrib->clear();
    lblImporteRet->setText(Importe().formato(rasgos_.mascaraRetenidoVacio, QLocale()));
    txtNroX->setText(QStringLiteral("0"));
    setBruto(QStringLiteral("0"));
    setAlicuota(Importe());
    // The concept the regime proposes, described at once: the user may go on to Grabar without
    // ever leaving its box.
    mskCodConcepto->setText(reglas_.conceptoPropuesto);
    mskCodConceptoLostFocus();
    mskDia->setText(hoy());
    if (rasgos_.enfocarDiaEnNueva) mskDia->setFocus();
}

void FormularioRetencion::cmdCancelarClick()
{
    // Nothing was written while editing: the row shows again as it is stored.
    if (marcaGrilla) actual_ = comoRetencion(dbgRetenciones->modelo().registro(*marcaGrilla));
    mostrarCampos(actual_);
    edicion_ = Edicion::Navegando;
    habilitarEdicion();
    fraRetencion->setTitle(QString());
    resaltarFila(true);
    if (dbgRetenciones->hayFilas() && marcaGrilla) dbgRetenciones->irAId(*marcaGrilla);
    dbgRetencionesRowColChange();
}

void FormularioRetencion::cmdSalirClick()
{
    accept();
}

void FormularioRetencion::dbgRetencionesHeadClick(int columna)
{
    const auto& columnas = dbgRetenciones->modelo().columnas();
    if (columna < 0 || columna >= int(columnas.size()) || !columnas[std::size_t(columna)].ordenable()) {
        contexto_.dialogs.aviso(textos::SinOrdenamiento, textos::AtencionPuntos, Icono::Informacion);
        return;
    }
    const ColumnaGrilla& elegida = columnas[std::size_t(columna)];
    orden_ = elegida.ordenSql();
    lblOrden->setText(elegida.textoOrden);
    reconsultar(std::nullopt);
    if (!dbgRetenciones->hayFilas()) {
        cmdAnular->setEnabled(false);
        cmdReimprimir->setEnabled(false);
        mostrarCampos(std::nullopt);
    }
}

void FormularioRetencion::reconsultar(std::optional<qint64> marca)
{
    actual_.reset();
    dbgRetenciones->consultar(orden_);
    if (!dbgRetenciones->hayFilas()) return;
    if (!marca || !dbgRetenciones->irAId(*marca)) dbgRetenciones->irAUltima();
}

void FormularioRetencion::mostrarCampos(const std::optional<Retencion>& fila)
{
    if (!fila) {
        // An empty declaration: display values only, never a row to be stored.
        lblRazonSocial->clear();
        lblDescConcepto->clear();
        lblImporteRet->clear();
        lblEstado->clear();
        mskNroContrib->clear();
        mskDia->setText(hoy());
        mskCodConcepto->setText(QStringLiteral("00"));
        setBruto(QString());
        setAlicuota(Importe());
        txtNroX->clear();
        return;
    }
    mskNroContrib->setValor(fila->nroContrib);
    mskDia->setText(fila->dia);
    mskCodConcepto->setText(fila->codConcepto);
    setBruto(textoNumero(fila->importeBruto.value_or(Importe()), QLocale()));
    setAlicuota(fila->alicuota.value_or(Importe()));
    txtNroX->setText(fila->nroX);
}

void FormularioRetencion::dbgRetencionesRowColChange()
{
    if (const auto marca = dbgRetenciones->idActual()) marcaGrilla = marca;
    limpiarFilaPropia();
    if (!dbgRetenciones->hayFilas()) return;
    actual_ = comoRetencion(dbgRetenciones->registroActual());
    if (!actual_) return;
    mostrarCampos(actual_);

    lblEstado->setText(EstadoCabecera::deCodigo(actual_->estado).nombre());

    mskNroContribLostFocus();
    mskCodConceptoLostFocus();

    const QString& marcaImp = actual_->marcaImp;
    cmdCorregir->setVisible(marcaImp == marca_importacion::ConError
                            || marcaImp == marca_importacion::Corregida);
    mostrarFilaPropia(*actual_);
}

// ---- Lookups and checks of the fields.

void FormularioRetencion::mskNroContribLostFocus()
{
    const bool enEdicion = editando();
    const QString numero = nroContrib();
    const auto sujeto = buscarSujeto(contexto_.base, numero);
    tomarSujeto(sujeto, enEdicion);
    if (!sujeto) {
        lblRazonSocial->clear();
        if (enEdicion) setAlicuota(Importe());
    } else {
        lblRazonSocial->setText(sujeto->razonSocial);
        if (enEdicion || !rasgos_.avisarSoloEditando) avisoNoInscripto(contexto_.dialogs, numero);
        if (enEdicion) {
            BaseDatos& base = contexto_.base;
            const ResultadoAlicuota resultado = reglaAlicuota(
                reglas_, sujeto->codTipo, opcionesAlicuota(),
                [&base](const QString& r, const QString& t) { return buscarAlicuota(base, r, t); });
            setAlicuota(resultado.alicuota);
            tomarAlicuota(resultado);
        }
    }
    calcularImporteRet();
}

void FormularioRetencion::calcularImporteRet()
{
    // A gross amount that is not a number leaves the amounts as they were.
    const auto bruto = leerNumero(textoBruto(), QLocale());
    if (!bruto) return;
    const Importe retenido = importeRetenido(*bruto, alicuota_);
    lblImporteRet->setText(retenido.formato(rasgos_.mascaraRetenido, QLocale()));
    tomarImporteRet(retenido);
}

void FormularioRetencion::mskImpBruLostFocus()
{
    const QString escrito = mskImpBru->text();
    const ComprobacionBruto c =
        comprobarBruto(escrito, admiteNegativos(), QLocale(), rasgos_.mascaraBrutoEscrito);
    if (c.estado == EstadoBruto::Aceptado) {
        setBruto(c.texto);
    } else {
        brutoEscrito_ = escrito;
        rehusar(mskImpBru, mensajeBruto(c.estado), textos::AtencionPuntos, Icono::Informacion);
    }
    calcularImporteRet();
}

void FormularioRetencion::mskDiaLostFocus()
{
    const Entorno& e = contexto_.entorno;
    const auto& cabecera = e.cabeceraActual();
    if (!cabecera) return;
    const auto mensaje = comprobarDia(dia(), cabecera->mes, cabecera->anio, e.nombresMeses());
    if (!mensaje) return;
    contexto_.dialogs.aviso(*mensaje, textos::AtencionPuntos, Icono::Exclamacion);
    mskDia->setText(hoy());
    mskDia->setFocus();
}

void FormularioRetencion::mskCodConceptoLostFocus()
{
    lblDescConcepto->setText(buscarConcepto(contexto_.base, codConcepto()).value_or(QString()));
}

void FormularioRetencion::txtNroXLostFocus()
{
    txtNroX->setText(completarNroX(txtNroX->text()));
}

// ---- Pickers.

void FormularioRetencion::cmdContribuyentesClick()
{
    if (servicios_.selectores.contribuyente) {
        if (const auto elegido = servicios_.selectores.contribuyente())
            mskNroContrib->setValor(*elegido);
    }
    mskNroContribLostFocus();
    if (rasgos_.enfocarBrutoTrasSelector) mskImpBru->setFocus();
}

void FormularioRetencion::cmdConceptosClick()
{
    if (servicios_.selectores.concepto) {
        if (const auto elegido = servicios_.selectores.concepto()) mskCodConcepto->setText(*elegido);
    }
    mskCodConceptoLostFocus();
}

// ---- Grabar, Corregir, Anular, Imprimir.

std::optional<qint64> FormularioRetencion::marcaDe(const ClaveRetencion& clave)
{
    const QVariant id = contexto_.base.valor(
        QStringLiteral("SELECT rowid FROM Retenciones WHERE IdCabecera = ? AND Nro_Comprobante = ?"),
        {clave.idCabecera, clave.nroComprobante});
    if (id.isNull()) return std::nullopt;
    return id.toLongLong();
}

// Grabar's access key presses it without the focus leaving the field being typed in. The field is
// left first, as a click on Grabar leaves it, so that its checks and lookups (the day, the
// subject's name and rate, the concept's description) run on what it holds before the save reads
// them; a field that refuses its value takes the focus back, and the save waits.
bool FormularioRetencion::dejarCampoEnCurso()
{
    const QWidget* campo = focusWidget();
    if (!campo || !fraRetencion->isAncestorOf(campo)) return true;
    cmdGrabar->setFocus(Qt::ShortcutFocusReason);
    return focusWidget() == cmdGrabar;
}

void FormularioRetencion::cmdGrabarClick()
{
    if (!dejarCampoEnCurso()) return;
    const auto clave = grabarRetencion();
    if (!clave) return;
    edicion_ = Edicion::Navegando;
    fraRetencion->setTitle(QString());
    // The saved receipt is made current before the grid is live again: a grid with no current row
    // makes its first row current when it takes the focus, which would show that row (and warn
    // about its subject) on the way. The buttons that need rows are set once the grid holds it.
    reconsultar(marcaDe(*clave));
    habilitarEdicion();
    resaltarFila(true);
}

void FormularioRetencion::cmdCorregirClick()
{
    if (!actual_) return;
    if (actual_->estado == estado_retencion::Anulada) {
        contexto_.dialogs.aviso(QStringLiteral("No puede corregir una operación que ha sido anulada."),
                                textos::AtencionPuntos, Icono::Informacion);
        return;
    }
    prepararCorreccion(*actual_);
    edicion_ = Edicion::Modificando;
    fraRetencion->setTitle(kTituloCorregir);
    habilitarEdicion();
    mskDia->setFocus();
}

void FormularioRetencion::cmdAnularClick()
{
    if (!actual_) return;
    if (actual_->estado == estado_retencion::Anulada) {
        contexto_.dialogs.aviso(QStringLiteral("El registro ya ha sido anulado."),
                                textos::AtencionPuntos, Icono::Informacion);
        return;
    }
    if (!contexto_.dialogs.preguntaSiNo(
            QStringLiteral("¿Confirma la anulación del registro seleccionado?."),
            textos::AtencionPuntos, Respuesta::No))
        return;
    anularRetencion(contexto_.base, actual_->clave());
    reconsultar(marcaGrilla);
}

void FormularioRetencion::cmdReimprimirClick()
{
    if (servicios_.imprimirComprobante && actual_)
        servicios_.imprimirComprobante(nombre_, *actual_);
}
