#include "police/frmRetencionesC.h"

#include "common/contexto.h"
#include "common/obleas.h"
#include "common/turnos.h"
#include "database/base_datos.h"
#include "database/codigos.h"
#include "database/entorno.h"
#include "database/filas.h"
#include "entry/controles_entrada.h"
#include "entry/detalle_pendiente.h"
#include "entry/grabacion_retenciones.h"
#include "entry/importe_retenido.h"
#include "forms/botones.h"
#include "forms/campos_edicion.h"
#include "forms/textos_formularios.h"
#include "platform/reloj.h"
#include "police/grabacion_policial.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QStringList>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kSinTurno =
    QStringLiteral("Debe iniciar el turno \n(Menú Proceso -> Administracion de Turnos Policia)");
const QString kTituloSinTurno = QStringLiteral("Turno no iniciado");
const QString kSinRemesas = QStringLiteral("Debe Cargar las Remesas de Obleas");
const QString kSinObleas = QStringLiteral("No ha cargado ninguna Oblea");

// The amounts of this form show with a currency sign.
RasgosEntrada rasgosPoliciales()
{
    RasgosEntrada r;
    r.mascaraRetenido = QStringLiteral("$ ###,###,##0.00");
    r.mascaraRetenidoVacio = QStringLiteral("$ #,##0.00");
    r.mascaraBrutoVista = QStringLiteral("$ #,##0.00");
    r.mascaraBrutoEscrito = QStringLiteral("$ ########0.00");
    r.enfocarDiaEnNueva = false;
    r.avisarSoloEditando = true;
    r.admiteMenos = false;
    r.enfocarBrutoTrasSelector = false;
    return r;
}

QString moneda(Importe valor)
{
    return valor.formato(u"$ #,##0.00", QLocale());
}

// A CUIT with its dashes: two digits, the middle ones, the check digit.
QString cuitConGuiones(const QString& cuit)
{
    if (cuit.size() < 3) return cuit;
    return cuit.left(2) + QLatin1Char('-') + cuit.mid(2, cuit.size() - 3) + QLatin1Char('-')
           + cuit.right(1);
}

// An officer's code as the officer box shows it: at least two digits, every digit kept.
QString codigoPolicia(qint64 codigo)
{
    return QString::number(codigo).rightJustified(2, QLatin1Char('0'));
}

} // namespace

frmRetencionesC::frmRetencionesC(Contexto& contexto, ServiciosEntrada servicios, QWidget* parent)
    : FormularioRetencion(contexto, servicios, nombreFormularioEntrada(FormaEntrada::Policial),
                          parent, rasgosPoliciales()),
      detalle_(std::move(servicios.detalle)),
      selectorPolicia_(std::move(servicios.selectores.policia)),
      nroComprobanteActual_(kComprobantePendiente)
{
    cmdAnular->setVisible(false);
    // The amount is the stamps' total: no concept nor gross amount is typed.
    bloqueConcepto->setVisible(false);
    lblTotalRetencion = visor(u"Lbl_total_retencion"_s, bloqueConcepto, 100);
    static_cast<QGridLayout*>(bloqueConcepto->layout())->addWidget(lblTotalRetencion, 2, 7);

    fraConGuias = new QGroupBox(fraRetencion);
    fraConGuias->setObjectName(QStringLiteral("Fra_con_guias"));
    auto* guias = new QHBoxLayout(fraConGuias);
    cmdGuias = crearBoton(fraConGuias, QStringLiteral("Cmd_Guias"),
                           QStringLiteral("Cargar Obleas"));
    lblImporteOtrosPagos = new QLabel(QStringLiteral("Importe Total Obleas:"), fraConGuias);
    lblImporteOtrosPagos->setObjectName(QStringLiteral("LblImporte_o_otros_pagos"));
    lblImporte = visor(u"LblImporte"_s, fraConGuias, 120);
    lblImporte->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    guias->addWidget(cmdGuias);
    guias->addWidget(lblImporteOtrosPagos);
    guias->addWidget(lblImporte);
    guias->addStretch(1);
    // Without the detail window no stamp can be loaded.
    cmdGuias->setEnabled(static_cast<bool>(detalle_));

    fraPolicia = new QGroupBox(fraRetencion);
    fraPolicia->setObjectName(QStringLiteral("Fra_Policia"));
    auto* policia = new QHBoxLayout(fraPolicia);
    // Officers are numbered by a counter: the box takes the code at its full width.
    maskCodPolicia =
        new CajaTexto(QStringLiteral("MaskCodPolicia"), CajaTexto::Tipo::Codigo, 0, fraPolicia);
    maskCodPolicia->setCeros(2);
    maskCodPolicia->setMaxLength(9);
    maskCodPolicia->setFixedWidth(
        maskCodPolicia->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 16);
    cmdPolicia = crearBotonSelector(fraPolicia, QStringLiteral("CmdPolicia"));
    lblPolicia = visor(u"LblPolicia"_s, fraPolicia, 220);
    lblMulta = visor(u"LblMulta"_s, fraPolicia, 120);
    lblMulta->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    policia->addWidget(new QLabel(QStringLiteral("Policía Nº:"), fraPolicia));
    policia->addWidget(maskCodPolicia);
    policia->addWidget(cmdPolicia);
    policia->addWidget(lblPolicia, 1);
    policia->addWidget(new QLabel(QStringLiteral("Importe Multa $:"), fraPolicia));
    policia->addWidget(lblMulta);

    rejilla->addWidget(fraConGuias, primeraFilaLibre, 0, 1, 7);
    rejilla->addWidget(fraPolicia, primeraFilaLibre + 1, 0, 1, 7);

    vigilar(maskCodPolicia, [this] { maskCodPoliciaLostFocus(); });
    connect(cmdGuias, &QPushButton::clicked, this,
            [this] { protegido()([&] { cmdGuiasClick(); }); });
    connect(cmdPolicia, &QPushButton::clicked, this,
            [this] { protegido()([&] { cmdPoliciaClick(); }); });
}

// ---- Opening.

void frmRetencionesC::primeraActivacion()
{
    FormularioRetencion::primeraActivacion();
    BaseDatos& base = contexto().base;
    if (!hayTurnoAbierto(base, contexto().entorno.idCabecera())) {
        cerrarAlAbrir(kSinTurno, kTituloSinTurno);
        return;
    }
    if (!hayRemesas(base)) cerrarAlAbrir(kSinRemesas, QString());
}

void frmRetencionesC::cerrarAlAbrir(const QString& texto, const QString& titulo)
{
    contexto().dialogs.aviso(texto, titulo, Icono::Informacion);
    // The form is being shown: it closes as soon as that is over.
    QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
}

// ---- Nueva and the current row.

void frmRetencionesC::antesDeNueva()
{
    // The stamps an abandoned receipt left pending go; the new receipt's are stored pending.
    nroComprobanteActual_ = kComprobantePendiente;
    borrarDetallePendiente(contexto().base);
}

void frmRetencionesC::limpiarPropios()
{
    lblMulta->clear();
    lblImporte->clear();
    lblTotalRetencion->clear();
    totalObleas_.reset();
    multa_ = Importe();
    maskCodPolicia->vaciar();
    maskCodPoliciaLostFocus();
}

void frmRetencionesC::limpiarFilaPropia()
{
    // A receipt without a fine shows no officer.
    maskCodPolicia->vaciar();
    lblPolicia->clear();
    lblMulta->clear();
}

void frmRetencionesC::mostrarFilaPropia(const Retencion& fila)
{
    const QString retenido =
        fila.importeRet.value_or(Importe()).formato(u"$ ########0.00", QLocale());
    lblTotalRetencion->setText(retenido);
    lblImporte->setText(retenido);

    const auto multa =
        leerMultaCobrada(contexto().base, {contexto().entorno.idCabecera(), fila.nroComprobante});
    if (!multa) return;
    maskCodPolicia->setText(codigoPolicia(multa->codPolicia));
    lblMulta->setText(moneda(multa->importeMulta.value_or(Importe())));
    maskCodPoliciaLostFocus();
}

void frmRetencionesC::tomarSujeto(const std::optional<Sujeto>& sujeto, bool editando)
{
    if (!sujeto) cuitContribuyente.clear();
    else if (editando) cuitContribuyente = cuitConGuiones(sujeto->cuit);
}

void frmRetencionesC::tomarImporteRet(Importe retenido)
{
    lblTotalRetencion->setText(
        retenidoNeto(retenido, totalObleas_).formato(u"$ ########0.00", QLocale()));
}

// ---- The detail window and the officer.

void frmRetencionesC::cmdGuiasClick()
{
    if (!detalle_) return;
    const Importe total =
        detalle_(this, detalleDe(contexto().entorno.idCabecera(), nroComprobanteActual_)).total;
    // The receipt is worth its stamps, withheld whole, and the fine is charged on that value.
    totalObleas_ = total.redondeadoACentavos();
    const QString texto = moneda(*totalObleas_);
    lblImporte->setText(texto);
    setBruto(texto);
    setAlicuota(Importe::desdeEntero(100));
    lblTotalRetencion->setText(texto);
    multa_ = totalObleas_->porcentaje(reglas().porcentajeMulta).redondeadoACentavos();
    lblMulta->setText(moneda(multa_));
}

void frmRetencionesC::cmdPoliciaClick()
{
    if (selectorPolicia_) {
        if (const auto elegido = selectorPolicia_()) maskCodPolicia->setText(*elegido);
    }
    maskCodPoliciaLostFocus();
}

void frmRetencionesC::maskCodPoliciaLostFocus()
{
    const qint64 codigo = maskCodPolicia->valor().toLongLong();
    if (codigo == 0) {
        lblPolicia->clear();
        return;
    }
    const auto policia = leerPolicia(contexto().base, codigo);
    lblPolicia->setText(policia ? policia->nombre : QString());
}

// ---- Grabar.

QString frmRetencionesC::confirmacion() const
{
    QStringList lineas{QStringLiteral("Confirma que los datos de esta retencion son correctos: "),
                       QStringLiteral(" Oblea/s: "), QString()};
    for (const ObleaPendiente& o : obleasPendientes(contexto().base, reglas().claseTipos))
        lineas << QStringLiteral("      ") + o.nroGuia
                      + (o.descripcion ? QStringLiteral(" - ") + *o.descripcion : QString());
    lineas << QString() << QStringLiteral(" Policía: ") + lblPolicia->text() << QString()
           << QStringLiteral(" C.U.I.T. Contribuyente: ") + cuitContribuyente << QString()
           << QStringLiteral(
                  "UNA VEZ CONFIRMADOS LOS DATOS NO PODRÁ CANCELAR NI MODIFICAR ESTA RETENCION");
    return lineas.join(QLatin1Char('\n'));
}

std::optional<ClaveRetencion> frmRetencionesC::grabarRetencion()
{
    if (!sujetoCargado()) return std::nullopt;
    if (lblPolicia->text().trimmed().isEmpty()) {
        rehusar(maskCodPolicia, QStringLiteral("No ha seleccionado el policía"),
                textos::AtencionPuntos, Icono::Informacion);
        return std::nullopt;
    }
    if (!totalObleas_) {
        rehusar(cmdGuias, kSinObleas, kTituloAplicacion, Icono::Ninguno);
        return std::nullopt;
    }
    if (nroContrib().mid(3, 6) == QLatin1String("999999")) {
        rehusar(mskNroContrib, QStringLiteral("Nº de sujeto Inválido"), kTituloAplicacion,
                Icono::Critico);
        return std::nullopt;
    }
    if (totalObleas_->esCero()) {
        rehusar(cmdGuias, kSinObleas, kTituloAplicacion, Icono::Ninguno);
        return std::nullopt;
    }
    if (!contexto().dialogs.preguntaSiNo(confirmacion(), kTituloAplicacion)) return std::nullopt;

    DatosRetencionPolicial datos;
    datos.nroContrib = nroContrib();
    datos.dia = dia();
    datos.nroX = completarNroX(txtNroX->text());
    datos.importe = *totalObleas_;
    datos.codPolicia = maskCodPolicia->valor().toLongLong();
    datos.multa = multa_;
    try {
        const ClaveRetencion clave = grabarRetencionPolicial(
            contexto().entorno, datos, contexto().reloj.hoy(), contexto().reloj.ahora());
        if (reglas().conceptoFijo) mskCodConcepto->setText(*reglas().conceptoFijo);
        return clave;
    } catch (const SinTurnoAbierto&) {
        contexto().dialogs.aviso(kSinTurno, kTituloSinTurno, Icono::Informacion);
    } catch (const NumeracionAgotada& agotada) {
        mostrarNumeracionAgotada(agotada);
    } catch (const ErrorMotor& error) {
        mostrarErrorGrabacion(error);
    }
    return std::nullopt;
}

std::unique_ptr<FormularioRetencion> crearFrmRetencionesC(Contexto& contexto,
                                                          ServiciosEntrada servicios,
                                                          QWidget* ventana)
{
    return std::make_unique<frmRetencionesC>(contexto, std::move(servicios), ventana);
}
