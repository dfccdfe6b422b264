#include "entry/frmRetenciones.h"

#include "common/contexto.h"
#include "common/obleas.h"
#include "database/base_datos.h"
#include "database/entorno.h"
#include "entry/controles_entrada.h"
#include "entry/grabacion_retenciones.h"
#include "entry/oblea_retencion.h"
#include "forms/campos_edicion.h"
#include "forms/textos_formularios.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

frmRetenciones::frmRetenciones(Contexto& contexto, ServiciosEntrada servicios, QWidget* parent)
    : FormularioRetencion(contexto, std::move(servicios),
                          nombreFormularioEntrada(FormaEntrada::General), parent)
{
    chkSedeTV = new QCheckBox(
        QStringLiteral("Pago como contraprestación de la actividad de construcción"), fraRetencion);
    chkSedeTV->setObjectName(QStringLiteral("chkSedeTV"));
    chkRegimen7 = new QCheckBox(
        QStringLiteral("Pago de comisión o retribución a organizador y/o productor de seguros."),
        fraRetencion);
    chkRegimen7->setObjectName(QStringLiteral("chkRegimen7"));
    lblOblea = new QLabel(QStringLiteral("Nº Oblea (Letra y Nº):"), fraRetencion);
    lblOblea->setObjectName(QStringLiteral("lblOblea"));
    txtOblea = new CajaTexto(QStringLiteral("txtOblea"), CajaTexto::Tipo::Libre, 8, fraRetencion);
    txtOblea->setText(QStringLiteral("0"));
    vigilar(txtOblea, [this] { txtObleaLostFocus(); });

    rejilla->addWidget(chkSedeTV, primeraFilaLibre, 0, 1, 7);
    rejilla->addWidget(chkRegimen7, primeraFilaLibre + 1, 0, 1, 7);
    rejilla->addWidget(lblOblea, primeraFilaLibre + 2, 0);
    // As wide as the subject's number with its button, so the frame's columns stay in line.
    rejilla->addWidget(txtOblea, primeraFilaLibre + 2, 1, 1, 2);

    chkRegimen7->setVisible(reglas().opciones.seguros);
    chkSedeTV->setVisible(reglas().opciones.construccion);
    lblOblea->setVisible(conOblea());
    txtOblea->setVisible(conOblea());

    // An option changes the rate of the receipt being typed.
    for (QCheckBox* opcion : {chkSedeTV, chkRegimen7})
        connect(opcion, &QCheckBox::clicked, this,
                [this] { protegido()([&] { mskNroContribLostFocus(); }); });
}

bool frmRetenciones::conOblea() const
{
    return reglas().detalle == ModoDetalle::ObleaZ;
}

OpcionesAlicuota frmRetenciones::opcionesAlicuota() const
{
    OpcionesAlicuota o;
    o.construccion = chkSedeTV->isChecked();
    o.seguros = chkRegimen7->isChecked();
    return o;
}

void frmRetenciones::limpiarPropios()
{
    txtOblea->clear();
}

void frmRetenciones::limpiarFilaPropia()
{
    txtOblea->clear();
}

void frmRetenciones::mostrarFilaPropia(const Retencion& fila)
{
    txtOblea->setText(obleaDeComprobante(contexto().base, fila.clave()));
}

void frmRetenciones::txtObleaLostFocus()
{
    txtOblea->setText(normalizarOblea(txtOblea->text()));
}

bool frmRetenciones::obleaAceptada(const QString& oblea)
{
    if (oblea.front() != QLatin1Char('Z')) {
        rehusar(txtOblea, QStringLiteral("El Nº de Oblea debe comenzar con Z"), kTituloAplicacion,
                Icono::Critico);
        return false;
    }
    std::optional<ClaveRetencion> corregida;
    if (!agregando() && filaActual()) corregida = filaActual()->clave();
    if (obleaEnUso(contexto().base, oblea, corregida)) {
        rehusar(txtOblea, QStringLiteral("Este Nº de oblea ya fué usado en una retención"),
                kTituloAplicacion, Icono::Ninguno);
        return false;
    }
    if (!obleaBienFormada(oblea) || !validaOblea(contexto().entorno, oblea)) {
        rehusar(txtOblea,
                QStringLiteral("la oblea ingresada no pertenese a una Remesa (u olvidó cargarla)"),
                kTituloAplicacion, Icono::Critico);
        return false;
    }
    return true;
}

std::optional<ClaveRetencion> frmRetenciones::grabarRetencion()
{
    if (!sujetoCargado()) return std::nullopt;
    if (lblDescConcepto->text().trimmed().isEmpty()) {
        rehusar(mskCodConcepto,
                QStringLiteral("El concepto indicado no está cargado en la base del sistema."),
                textos::AtencionPuntos, Icono::Informacion);
        return std::nullopt;
    }
    // A gross amount refused when its field was left can still be there when Grabar is pressed.
    const ComprobacionBruto bruto =
        comprobarBruto(textoBruto(), admiteNegativos(), QLocale(), rasgos().mascaraBrutoEscrito);
    if (bruto.estado != EstadoBruto::Aceptado) {
        rehusar(mskImpBru, mensajeBruto(bruto.estado), textos::AtencionPuntos, Icono::Informacion);
        return std::nullopt;
    }
    const QString oblea = conOblea() ? txtOblea->text().trimmed() : QString();
    if (!oblea.isEmpty() && !obleaAceptada(oblea)) return std::nullopt;

    DatosRetencion datos;
    datos.nroContrib = nroContrib();
    datos.dia = dia();
    datos.bruto = bruto.valor;
    datos.alicuota = alicuota();
    datos.nroX = completarNroX(txtNroX->text());
    datos.codConcepto = codConcepto();
    datos.conOblea = conOblea();
    datos.oblea = oblea;
    try {
        if (agregando()) return grabarRetencionNueva(contexto().entorno, datos);
        if (!filaActual()) return std::nullopt;
        const ClaveRetencion clave = filaActual()->clave();
        grabarCorreccion(contexto().entorno, clave, datos);
        return clave;
    } catch (const NumeracionAgotada& agotada) {
        mostrarNumeracionAgotada(agotada);
    } catch (const ErrorMotor& error) {
        mostrarErrorGrabacion(error);
    }
    return std::nullopt;
}
