#include "entry/frmRetencionesB.h"

#include "common/contexto.h"
#include "database/base_datos.h"
#include "database/entorno.h"
#include "entry/controles_entrada.h"
#include "entry/detalle_pendiente.h"
#include "entry/grabacion_detalle.h"
#include "entry/importe_retenido.h"
#include "forms/botones.h"
#include "forms/campos_edicion.h"
#include "forms/textos_formularios.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kMascaraDetalle = u"$ #,##0.00"_s;
const QString kMascaraNeto = u"$ ########0.00"_s;

RasgosEntrada rasgosDetalle()
{
    RasgosEntrada r;
    r.mascaraRetenido = u"$ ###,###,##0.00"_s;
    r.mascaraRetenidoVacio = u"$ #,##0.00"_s;
    r.mascaraBrutoVista = u"$ #,##0.00"_s;
    r.enfocarBrutoTrasSelector = false;
    return r;
}

// The detail button's caption and that of the total beside it, by what the rows are.
std::pair<QString, QString> textosDetalle(ModoDetalle modo)
{
    switch (modo) {
    case ModoDetalle::Guias: return {u"Cargar Guias"_s, u"Importe Total Guias:"_s};
    case ModoDetalle::Obleas: return {u"Cargar Obleas"_s, u"Importe Total Obleas:"_s};
    case ModoDetalle::Alimentos: return {u"Cargar Conceptos"_s, u"Importe Total Conceptos:"_s};
    case ModoDetalle::Anticipos: return {u"Cargar Anticipos"_s, u"Anticipos:"_s};
    case ModoDetalle::AnticiposConOblea: return {u"Carga Anticipo/Oblea"_s, u"Anticipos:"_s};
    default: break;
    }
    return {u"Cargar Guias / Obleas"_s, u"Importe/Otras Retenciones:"_s};
}

// The rows a receipt cannot be saved without, and their name in the refusal: guides and stamps.
QString detalleObligatorio(ModoDetalle modo)
{
    if (modo == ModoDetalle::Guias) return u"Guia"_s;
    if (modo == ModoDetalle::Obleas) return u"Oblea"_s;
    return {};
}

// An amount shown beside the boxes.
QLabel* visorImporte(const QString& nombre, QWidget* padre)
{
    return visor(nombre, padre, 110, Qt::AlignRight | Qt::AlignVCenter);
}

} // namespace

frmRetencionesB::frmRetencionesB(Contexto& contexto, ServiciosEntrada servicios, QWidget* parent)
    : FormularioRetencion(contexto, servicios, nombreFormularioEntrada(FormaEntrada::Detalle),
                          parent, rasgosDetalle()),
      abrirDetalle_(std::move(servicios.detalle)),
      comprobante_(detalleNuevo(contexto.entorno.idCabecera()))
{
    crearDetalle();
}

void frmRetencionesB::crearDetalle()
{
    // What the concept block holds besides the common fields: the net withheld and the option.
    fraConConcepto = new QWidget(fraRetencion);
    fraConConcepto->setObjectName(u"Fra_con_concepto"_s);
    auto* fila = new QHBoxLayout(fraConConcepto);
    fila->setContentsMargins(0, 0, 0, 0);
    chkPagoLactea = new QCheckBox(u"Pago por Act. Lactea y Productos apícolas"_s, fraConConcepto);
    chkPagoLactea->setObjectName(u"chkPagoLactea"_s);
    fila->addWidget(chkPagoLactea);
    fila->addStretch(1);
    fila->addWidget(new QLabel(u"Importe Ret.:"_s, fraConConcepto));
    lblTotalRetencion = visorImporte(u"Lbl_total_retencion"_s, fraConConcepto);
    fila->addWidget(lblTotalRetencion);
    rejilla->addWidget(fraConConcepto, primeraFilaLibre, 0, 1, 7);

    fraConGuias = new QWidget(fraRetencion);
    fraConGuias->setObjectName(u"Fra_con_guias"_s);
    auto* guias = new QHBoxLayout(fraConGuias);
    guias->setContentsMargins(0, 0, 0, 0);
    const auto [boton, rotulo] = textosDetalle(reglas().detalle);
    cmdGuias = crearBoton(fraConGuias, u"Cmd_Guias"_s, boton, 150);
    lblImporteOtrosPagos = new QLabel(rotulo, fraConGuias);
    lblImporteOtrosPagos->setObjectName(u"LblImporte_o_otros_pagos"_s);
    lblImporte = visorImporte(u"LblImporte"_s, fraConGuias);
    guias->addWidget(cmdGuias);
    guias->addStretch(1);
    guias->addWidget(lblImporteOtrosPagos);
    guias->addWidget(lblImporte);
    rejilla->addWidget(fraConGuias, primeraFilaLibre + 1, 0, 1, 7);

    // Where the receipt's amount is its rows' total, no concept or amount is typed.
    const bool conConcepto = reglas().totalDetalle != TotalDetalle::ImporteBruto;
    bloqueConcepto->setVisible(conConcepto);
    fraConConcepto->setVisible(conConcepto);
    chkPagoLactea->setVisible(reglas().opciones.lactea);
    fraConGuias->setVisible(reglas().detalleEnEntrada);

    connect(chkPagoLactea, &QCheckBox::clicked, this,
            [this] { protegido()([this] { mskNroContribLostFocus(); }); });
    connect(cmdGuias, &QPushButton::clicked, this,
            [this] { protegido()([this] { cmdGuiasClick(); }); });
}

void frmRetencionesB::setImporteDetalle(std::optional<Importe> valor, const QString& texto)
{
    importeDetalle_ = valor;
    lblImporte->setText(texto);
}

void frmRetencionesB::antesDeNueva()
{
    comprobante_ = detalleNuevo(contexto().entorno.idCabecera());
    // Rows of a receipt that was abandoned before it was saved.
    borrarDetallePendiente(contexto().base);
}

void frmRetencionesB::limpiarPropios()
{
    setImporteDetalle(std::nullopt, {});
    lblTotalRetencion->clear();
}

void frmRetencionesB::mostrarFilaPropia(const Retencion& fila)
{
    const Importe retenido = fila.importeRet.value_or(Importe());
    lblTotalRetencion->setText(retenido.formato(kMascaraNeto, QLocale()));
    // What the receipt deducted: what its gross amount and rate withhold beyond what it kept.
    Importe otras = retenido;
    if (reglas().totalDetalle == TotalDetalle::OtrasRetenciones)
        otras = fila.importeBruto.value_or(Importe()).porcentaje(fila.alicuota.value_or(Importe()))
                - retenido;
    otras = otras.redondeadoACentavos();
    if (otras > -Importe::desdeCentavos(5) && otras < Importe::desdeCentavos(5)) otras = Importe();
    setImporteDetalle(otras, otras.formato(kMascaraNeto, QLocale()));
}

void frmRetencionesB::tomarSujeto(const std::optional<Sujeto>& sujeto, bool)
{
    if (sujeto) exentoPorConstancia = false;
}

OpcionesAlicuota frmRetencionesB::opcionesAlicuota() const
{
    OpcionesAlicuota o;
    o.lactea = chkPagoLactea->isChecked();
    return o;
}

void frmRetencionesB::tomarAlicuota(const ResultadoAlicuota& resultado)
{
    exentoPorConstancia = resultado.exentoPorConstancia;
}

void frmRetencionesB::tomarImporteRet(Importe retenido)
{
    lblTotalRetencion->setText(
        retenidoNeto(retenido, importeDetalle_).formato(kMascaraNeto, QLocale()));
}

void frmRetencionesB::prepararCorreccion(const Retencion& fila)
{
    comprobante_ = detalleDe(fila.idCabecera, fila.nroComprobante);
}

void frmRetencionesB::cmdGuiasClick()
{
    mismoAgente = false;
    if (!abrirDetalle_) return;
    const ResultadoDetalle r = abrirDetalle_(this, comprobante_);
    // The total as the window shows it, in cents, is the receipt's amount.
    const Importe total = r.total.redondeadoACentavos();
    const QString texto = total.formato(kMascaraDetalle, QLocale());
    setImporteDetalle(total, texto);
    if (reglas().totalDetalle == TotalDetalle::ImporteBruto) {
        setBruto(texto);
        setAlicuota(Importe::desdeEntero(100));
        lblTotalRetencion->setText(texto);
        if (exentoPorConstancia) {
            setAlicuota(Importe());
            lblTotalRetencion->setText(u"0"_s);
            setBruto(u"0"_s);
            setImporteDetalle(Importe(), u"0"_s);
        }
    } else {
        calcularImporteRet();
    }
    mismoAgente = r.mismoAgente;
}

bool frmRetencionesB::seguirSinAnticipos(const QString& pregunta)
{
    if (contexto().dialogs.preguntaSiNo(pregunta, u"Confirmar"_s)) return true;
    cmdGuias->setFocus();
    return false;
}

bool frmRetencionesB::detalleAceptado()
{
    const ReglasRegimen& r = reglas();
    if (!sujetoCargado()) return false;
    const bool anticipos = r.totalDetalle == TotalDetalle::OtrasRetenciones && r.detalleEnEntrada;
    if (anticipos && lblDescConcepto->text().trimmed().isEmpty()) {
        rehusar(mskCodConcepto, u"El concepto indicado no está cargado en la base del sistema."_s,
                textos::AtencionPuntos, Icono::Informacion);
        return false;
    }
    const QString obligatorio = detalleObligatorio(r.detalle);
    const QString sinDetalle = u"No ha cargado ninguna "_s + obligatorio;
    if (!obligatorio.isEmpty() && !importeDetalle_) {
        rehusar(cmdGuias, sinDetalle, kTituloAplicacion, Icono::Ninguno);
        return false;
    }
    if (!obligatorio.isEmpty() && nroContrib().mid(3, 6) == u"999999"_s) {
        rehusar(mskNroContrib, u"Nº de sujeto Inválido"_s, kTituloAplicacion, Icono::Critico);
        return false;
    }
    // A regime whose form has no detail rows deducts nothing.
    if (r.totalDetalle == TotalDetalle::OtrasRetenciones && !r.detalleEnEntrada) {
        setImporteDetalle(Importe(), u"0"_s);
        return true;
    }
    if (anticipos && !mismoAgente) {
        if (!importeDetalle_ && !seguirSinAnticipos(u" ¿Continua sin cargar Anticipos?"_s))
            return false;
        if (importeDetalle_ && importeDetalle_->esCero()
            && !seguirSinAnticipos(u"No ha cargado ningun anticipo \n"
                                   u"¿Continua sin descontar otras retenciones?"_s))
            return false;
    }
    const bool cero = importeDetalle_ && importeDetalle_->esCero();
    // A subject exempted by its certificate owes nothing on its guides.
    if (cero && !obligatorio.isEmpty()
        && !(r.detalle == ModoDetalle::Guias && exentoPorConstancia)) {
        rehusar(cmdGuias, sinDetalle, kTituloAplicacion, Icono::Ninguno);
        return false;
    }
    return true;
}

std::optional<DatosRetencion> frmRetencionesB::datosAGrabar()
{
    const ReglasRegimen& r = reglas();
    DatosRetencion d;
    d.nroContrib = nroContrib();
    d.dia = dia();
    d.nroX = completarNroX(txtNroX->text());
    if (r.totalDetalle == TotalDetalle::ImporteBruto) {
        // The receipt is worth its rows: gross and withheld alike, at 100 %, under the regime's
        // concept; nothing when its subject's certificate exempts it.
        const Importe valor = importeDetalle_.value_or(Importe());
        d.alicuota = exentoPorConstancia ? Importe() : Importe::desdeEntero(100);
        d.bruto = exentoPorConstancia ? Importe() : valor;
        d.retenido = d.bruto;
        d.codConcepto = r.conceptoFijo.value_or(codConcepto());
        mskCodConcepto->setText(d.codConcepto);
        if (exentoPorConstancia) setBruto(u"0"_s);
        return d;
    }
    // A gross amount refused when its field was left can still be there when Grabar is pressed.
    const ComprobacionBruto bruto =
        comprobarBruto(textoBruto(), admiteNegativos(), QLocale(), rasgos().mascaraBrutoEscrito);
    if (bruto.estado != EstadoBruto::Aceptado) {
        rehusar(mskImpBru, mensajeBruto(bruto.estado), textos::AtencionPuntos, Icono::Informacion);
        return std::nullopt;
    }
    d.bruto = bruto.valor;
    d.alicuota = alicuota();
    d.codConcepto = codConcepto();
    // What it withholds less the advances deducted on it, never below zero.
    d.retenido = retenidoNeto(importeRetenido(d.bruto, d.alicuota), importeDetalle_);
    return d;
}

std::optional<ClaveRetencion> frmRetencionesB::grabarRetencion()
{
    if (!detalleAceptado()) return std::nullopt;
    const auto datos = datosAGrabar();
    if (!datos) return std::nullopt;
    std::optional<Importe> otras;
    if (reglas().totalDetalle == TotalDetalle::OtrasRetenciones)
        otras = importeDetalle_.value_or(Importe());
    try {
        if (agregando()) return grabarRetencionConDetalle(contexto().entorno, *datos, otras);
        if (!filaActual()) return std::nullopt;
        const ClaveRetencion clave = filaActual()->clave();
        grabarCorreccionConDetalle(contexto().entorno, clave, *datos, otras);
        return clave;
    } catch (const NumeracionAgotada& agotada) {
        mostrarNumeracionAgotada(agotada);
    } catch (const ErrorMotor& error) {
        mostrarErrorGrabacion(error);
    }
    return std::nullopt;
}
