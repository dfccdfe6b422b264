#include "entry/frmRetenciones_C.h"

#include "common/contexto.h"
#include "common/estados.h"
#include "common/obleas.h"
#include "common/turnos.h"
#include "database/base_datos.h"
#include "database/entorno.h"
#include "database/filas.h"
#include "entry/controles_entrada.h"
#include "entry/detalle_pendiente.h"
#include "entry/grabacion_policial.h"
#include "entry/grabacion_retenciones.h"
#include "entry/importe_retenido.h"
#include "forms/botones.h"
#include "forms/campos_edicion.h"
#include "forms/textos_formularios.h"
#include "platform/reloj.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QStringList>

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
    r.buscarConceptoEnNueva = true;
    return r;
}

QLabel* visor(const char* nombre, QWidget* padre, int anchoMinimo)
{
    auto* l = new QLabel(padre);
    l->setObjectName(QString::fromLatin1(nombre));
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setMinimumWidth(anchoMinimo);
    return l;
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

frmRetenciones_C::frmRetenciones_C(Contexto& contexto, ServiciosEntrada servicios, QWidget* parent)
    : FormularioRetencion(contexto, servicios, nombreFormularioEntrada(FormaEntrada::Policial),
                          parent, rasgosPoliciales()),
      detalle_(std::move(servicios.detalle)),
      selectorPolicia_(std::move(servicios.selectores.policia)),
      nroComprobanteActual_(kComprobantePendiente)
{
    cmdAnular->setVisible(false);
    // The amount is the stamps' total: no concept nor gross amount is typed.
    bloqueConcepto->setVisible(false);
    Lbl_total_retencion = visor("Lbl_total_retencion", bloqueConcepto, 100);
    static_cast<QGridLayout*>(bloqueConcepto->layout())->addWidget(Lbl_total_retencion, 2, 7);

    Fra_con_guias = new QGroupBox(fraRetencion);
    Fra_con_guias->setObjectName(QStringLiteral("Fra_con_guias"));
    auto* guias = new QHBoxLayout(Fra_con_guias);
    Cmd_Guias = crearBoton(Fra_con_guias, QStringLiteral("Cmd_Guias"),
                           QStringLiteral("Cargar Obleas"));
    LblImporte_o_otros_pagos = new QLabel(QStringLiteral("Importe Total Obleas:"), Fra_con_guias);
    LblImporte_o_otros_pagos->setObjectName(QStringLiteral("LblImporte_o_otros_pagos"));
    LblImporte = visor("LblImporte", Fra_con_guias, 120);
    LblImporte->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    guias->addWidget(Cmd_Guias);
    guias->addWidget(LblImporte_o_otros_pagos);
    guias->addWidget(LblImporte);
    guias->addStretch(1);
    // Without the detail window no stamp can be loaded.
    Cmd_Guias->setEnabled(static_cast<bool>(detalle_));

    Fra_Policia = new QGroupBox(fraRetencion);
    Fra_Policia->setObjectName(QStringLiteral("Fra_Policia"));
    auto* policia = new QHBoxLayout(Fra_Policia);
    // Officers are numbered by a counter: the box takes the code at its full width.
    MaskCodPolicia =
        new CajaTexto(QStringLiteral("MaskCodPolicia"), CajaTexto::Tipo::Codigo, 0, Fra_Policia);
    MaskCodPolicia->setCeros(2);
    MaskCodPolicia->setMaxLength(9);
    MaskCodPolicia->setFixedWidth(
        MaskCodPolicia->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 16);
    CmdPolicia = crearBotonSelector(Fra_Policia, QStringLiteral("CmdPolicia"));
    LblPolicia = visor("LblPolicia", Fra_Policia, 220);
    LblMulta = visor("LblMulta", Fra_Policia, 120);
    LblMulta->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    policia->addWidget(new QLabel(QStringLiteral("Policía Nº:"), Fra_Policia));
    policia->addWidget(MaskCodPolicia);
    policia->addWidget(CmdPolicia);
    policia->addWidget(LblPolicia, 1);
    policia->addWidget(new QLabel(QStringLiteral("Importe Multa $:"), Fra_Policia));
    policia->addWidget(LblMulta);

    rejilla->addWidget(Fra_con_guias, primeraFilaLibre, 0, 1, 7);
    rejilla->addWidget(Fra_Policia, primeraFilaLibre + 1, 0, 1, 7);

    vigilar(MaskCodPolicia, [this] { MaskCodPolicia_LostFocus(); });
    connect(Cmd_Guias, &QPushButton::clicked, this,
            [this] { protegido()([&] { Cmd_Guias_Click(); }); });
    connect(CmdPolicia, &QPushButton::clicked, this,
            [this] { protegido()([&] { CmdPolicia_Click(); }); });
}

// ---- Opening.

void frmRetenciones_C::primeraActivacion()
{
    FormularioRetencion::primeraActivacion();
    BaseDatos& base = contexto().base;
    if (!Hay_Turno_Abierto(base, contexto().entorno.idCabecera())) {
        cerrarAlAbrir(kSinTurno, kTituloSinTurno);
        return;
    }
    if (!Hay_Remesas(base)) cerrarAlAbrir(kSinRemesas, QString());
}

void frmRetenciones_C::cerrarAlAbrir(const QString& texto, const QString& titulo)
{
    contexto().dialogs.aviso(texto, titulo, Icono::Informacion);
    // The form is being shown: it closes as soon as that is over.
    QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
}

// ---- Nueva and the current row.

void frmRetenciones_C::antesDeNueva()
{
    // The stamps an abandoned receipt left pending go; the new receipt's are stored pending.
    nroComprobanteActual_ = kComprobantePendiente;
    borrarDetallePendiente(contexto().base);
}

void frmRetenciones_C::limpiarPropios()
{
    LblMulta->clear();
    LblImporte->clear();
    Lbl_total_retencion->clear();
    totalObleas_.reset();
    multa_ = Importe();
    MaskCodPolicia->vaciar();
    MaskCodPolicia_LostFocus();
}

void frmRetenciones_C::alLimpiarFila()
{
    // A receipt without a fine shows no officer.
    MaskCodPolicia->vaciar();
    LblPolicia->clear();
    LblMulta->clear();
}

void frmRetenciones_C::alMostrarFila(const Retencion& fila)
{
    const QString retenido =
        fila.importeRet.value_or(Importe()).formato(u"$ ########0.00", QLocale());
    Lbl_total_retencion->setText(retenido);
    LblImporte->setText(retenido);

    const auto multa =
        leerMultaCobrada(contexto().base, {contexto().entorno.idCabecera(), fila.nroComprobante});
    if (!multa) return;
    MaskCodPolicia->setText(codigoPolicia(multa->codPolicia));
    LblMulta->setText(moneda(multa->importeMulta.value_or(Importe())));
    MaskCodPolicia_LostFocus();
}

void frmRetenciones_C::alBuscarSujeto(const std::optional<Sujeto>& sujeto, bool editando)
{
    if (!sujeto) CUIT_Contribuyente.clear();
    else if (editando) CUIT_Contribuyente = cuitConGuiones(sujeto->cuit);
}

void frmRetenciones_C::alCalcularImporteRet(Importe retenido)
{
    Lbl_total_retencion->setText(
        retenidoNeto(retenido, totalObleas_).formato(u"$ ########0.00", QLocale()));
}

// ---- The detail window and the officer.

void frmRetenciones_C::Cmd_Guias_Click()
{
    if (!detalle_) return;
    const Importe total =
        detalle_(this, detalleDe(contexto().entorno.idCabecera(), nroComprobanteActual_)).total;
    // The receipt is worth its stamps, withheld whole, and the fine is charged on that value.
    totalObleas_ = total.redondeadoACentavos();
    const QString texto = moneda(*totalObleas_);
    LblImporte->setText(texto);
    setBruto(texto);
    setAlicuota(Importe::desdeEntero(100));
    Lbl_total_retencion->setText(texto);
    multa_ = totalObleas_->porcentaje(reglas().porcentajeMulta).redondeadoACentavos();
    LblMulta->setText(moneda(multa_));
}

void frmRetenciones_C::CmdPolicia_Click()
{
    if (selectorPolicia_) {
        if (const auto elegido = selectorPolicia_()) MaskCodPolicia->setText(*elegido);
    }
    MaskCodPolicia_LostFocus();
}

void frmRetenciones_C::MaskCodPolicia_LostFocus()
{
    const qint64 codigo = MaskCodPolicia->valor().toLongLong();
    if (codigo == 0) {
        LblPolicia->clear();
        return;
    }
    const auto policia = leerPolicia(contexto().base, codigo);
    LblPolicia->setText(policia ? policia->nombre : QString());
}

// ---- Grabar.

QString frmRetenciones_C::confirmacion() const
{
    QStringList lineas{QStringLiteral("Confirma que los datos de esta retencion son correctos: "),
                       QStringLiteral(" Oblea/s: "), QString()};
    for (const ObleaPendiente& o : obleasPendientes(contexto().base, reglas().claseTipos))
        lineas << QStringLiteral("      ") + o.nroGuia
                      + (o.descripcion ? QStringLiteral(" - ") + *o.descripcion : QString());
    lineas << QString() << QStringLiteral(" Policía: ") + LblPolicia->text() << QString()
           << QStringLiteral(" C.U.I.T. Contribuyente: ") + CUIT_Contribuyente << QString()
           << QStringLiteral(
                  "UNA VEZ CONFIRMADOS LOS DATOS NO PODRÁ CANCELAR NI MODIFICAR ESTA RETENCION");
    return lineas.join(QLatin1Char('\n'));
}

std::optional<ClaveRetencion> frmRetenciones_C::grabarRetencion()
{
    if (!sujetoCargado()) return std::nullopt;
    if (LblPolicia->text().trimmed().isEmpty()) {
        rehusar(MaskCodPolicia, QStringLiteral("No ha seleccionado el policía"),
                textos::AtencionPuntos, Icono::Informacion);
        return std::nullopt;
    }
    if (!totalObleas_) {
        rehusar(Cmd_Guias, kSinObleas, kTituloAplicacion, Icono::Ninguno);
        return std::nullopt;
    }
    if (nroContrib().mid(3, 6) == QLatin1String("999999")) {
        rehusar(mskNroContrib, QStringLiteral("Nº de sujeto Inválido"), kTituloAplicacion,
                Icono::Critico);
        return std::nullopt;
    }
    if (totalObleas_->esCero()) {
        rehusar(Cmd_Guias, kSinObleas, kTituloAplicacion, Icono::Ninguno);
        return std::nullopt;
    }
    if (!contexto().dialogs.preguntaSiNo(confirmacion(), kTituloAplicacion)) return std::nullopt;

    DatosRetencionPolicial datos;
    datos.nroContrib = nroContrib();
    datos.dia = dia();
    datos.nroX = completarNroX(txtNroX->text());
    datos.importe = *totalObleas_;
    datos.codPolicia = MaskCodPolicia->valor().toLongLong();
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
