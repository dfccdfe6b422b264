#include "police/frmIntervenciones.h"

#include "common/contexto.h"
#include "common/digitos_verificadores.h"
#include "common/numero_oblea.h"
#include "database/base_datos.h"
#include "database/entorno.h"
#include "forms/botones.h"
#include "forms/eventos_foco.h"
#include "forms/grilla_registros.h"
#include "forms/textos_formularios.h"
#include "police/frmPolicias.h"
#include "reference/frmGranos.h"
#include "reference/valores_pantalla.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace {

std::vector<ColumnaGrilla> columnas()
{
    std::vector<ColumnaGrilla> c{
        {u"Fecha"_s, u"Fecha"_s, Qt::AlignHCenter, 10, false},
        {u"CodPolicia"_s, u"Policia"_s, Qt::AlignHCenter, 7, false},
        {u"Nro_Oblea"_s, u"Oblea"_s, Qt::AlignHCenter, 9, false},
        {u"Cuit_Remitente"_s, u"CUIT Remitente"_s, Qt::AlignHCenter, 13, false},
        {u"Procedencia"_s, u"Procedencia"_s, Qt::AlignLeft, 24, true},
    };
    c[0].formato = [](const QVariant& v) { return pantalla::fechaDesdeColumna(v); };
    c[3].formato = [](const QVariant& v) {
        const QString cuit = v.toString();
        return cuit.size() == 11 ? cuit.left(2) + u'-' + cuit.mid(2, 8) + u'-' + cuit.right(1) : cuit;
    };
    return c;
}

// A code as its box shows it: at least two digits.
QString dosCifras(const QVariant& valor)
{
    return QString::number(valor.toLongLong()).rightJustified(2, u'0');
}

// A waybill part left blank is zero; every part keeps its width.
QString parteCompleta(const QString& texto, int ancho)
{
    const QString recortado = texto.trimmed();
    return (recortado.isEmpty() ? u"0"_s : recortado).rightJustified(ancho, u'0');
}

bool esLetraDeOblea(QChar c)
{
    return c >= u'A' && c <= u'D';
}

} // namespace

frmIntervenciones::frmIntervenciones(Contexto& contexto, QWidget* parent)
    : FormularioDe(contexto,
                         {.nombre = u"frmIntervenciones"_s,
                          .titulo = u"Intervenciones"_s,
                          .tabla = u"Intervenciones"_s,
                          .nombreGrilla = u"dbgIntervenciones"_s,
                          .nombreMarco = u"fraGuia"_s,
                          .ayudaGrilla = {},
                          .conOrden = false},
                         parent),
      cabecera_(contexto.entorno.cabeceraActual()), idCabecera_(contexto.entorno.idCabecera()),
      txtFecha_(caja(u"txtFecha"_s, CajaTexto::Tipo::Libre, 10)),
      maskCodPolicia_(caja(u"MaskCodPolicia"_s, CajaTexto::Tipo::Codigo, 0)),
      cmdPolicia_(crearBotonSelector(marco(), u"CmdPolicia"_s)),
      lblPolicia_(new QLabel(marco())),
      txtNroGuia_(caja(u"TxtNroGuia"_s, CajaTexto::Tipo::Mayusculas, 8)),
      txtPorte1_(caja(u"TxtPorte1"_s, CajaTexto::Tipo::Codigo, 4)),
      txtPorte2_(caja(u"TxtPorte2"_s, CajaTexto::Tipo::Codigo, 8)),
      maskGrano_(caja(u"MaskGrano"_s, CajaTexto::Tipo::Codigo, 2)),
      cmdGranos_(crearBotonSelector(marco(), u"cmdGranos"_s)),
      lblGrano_(new QLabel(marco())),
      mskCUIT_(mascara(u"mskCUIT"_s, u"00-00000000-0"_s)),
      txtProcedencia_(caja(u"txtProcedencia"_s, CajaTexto::Tipo::Mayusculas, 30)),
      chkConstancia_(new QCheckBox(u"Mercadería de Ingreso "_s, marco())),
      lblTotalGeneral_(new QLabel(this))
{
    prepararCampos();
    disponerCampos();
    ponerCantidad();
    setFiltro(u"IdCabecera = ?"_s, {idCabecera_});
    setColumnas(columnas(), u"Fecha"_s);
    grilla().horizontalHeader()->setSectionsClickable(false);
    enlazarCampos();
    setFocos(txtFecha_, txtFecha_);
    setClaveRepetida(u"Ya existe un registro con estos datos - clave repetida"_s, txtNroGuia_);
    setPreguntaBorrar(u"¿Confirma el Borrado de la Intervención seleccionada?"_s);
    ponerVerificaciones();
    conectarCampos();
    resize(760, 600);
    iniciar();
    protegido()([this] { actualizaTotalGeneral(); });
}

void frmIntervenciones::prepararCampos()
{
    // Officers are numbered by a counter: the box takes the code at its full width.
    maskCodPolicia_->setCeros(2);
    maskCodPolicia_->setMaxLength(9);
    for (QLabel* l : {lblPolicia_, lblGrano_}) {
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        l->setMinimumWidth(200);
    }
    lblPolicia_->setObjectName(u"LblPolicia"_s);
    lblGrano_->setObjectName(u"LblGrano"_s);
    chkConstancia_->setObjectName(u"chkConstancia"_s);
    lblTotalGeneral_->setObjectName(u"Lbl_total_general"_s);
    txtPorte1_->setText(u"0000"_s);
    txtPorte2_->setText(u"00000000"_s);
}

void frmIntervenciones::disponerCampos()
{
    QGridLayout* r = rejilla();
    r->addWidget(etiqueta(u"Fecha:"_s, txtFecha_), 0, 0);
    r->addWidget(txtFecha_, 0, 1);
    r->addWidget(etiqueta(u"Policía Nº:"_s, maskCodPolicia_), 1, 0);
    auto* policia = new QHBoxLayout;
    policia->addWidget(maskCodPolicia_);
    policia->addWidget(cmdPolicia_);
    policia->addWidget(lblPolicia_, 1);
    r->addLayout(policia, 1, 1, 1, 3);
    r->addWidget(etiqueta(u"Nº Oblea:"_s, txtNroGuia_), 2, 0);
    r->addWidget(txtNroGuia_, 2, 1);
    r->addWidget(new QLabel(u"(Letra y Número)"_s, marco()), 2, 2);
    r->addWidget(etiqueta(u"Nº Carta Porte:"_s, txtPorte1_), 3, 0);
    auto* porte = new QHBoxLayout;
    porte->addWidget(txtPorte1_);
    porte->addWidget(new QLabel(u"-"_s, marco()));
    porte->addWidget(txtPorte2_);
    porte->addStretch(1);
    r->addLayout(porte, 3, 1, 1, 3);
    r->addWidget(etiqueta(u"Grano:"_s, maskGrano_), 4, 0);
    auto* grano = new QHBoxLayout;
    grano->addWidget(maskGrano_);
    grano->addWidget(cmdGranos_);
    grano->addWidget(lblGrano_, 1);
    r->addLayout(grano, 4, 1, 1, 3);
    r->addWidget(etiqueta(u"C.U.I.T.:"_s, mskCUIT_), 5, 0);
    r->addWidget(mskCUIT_, 5, 1);
    r->addWidget(etiqueta(u"Procedencia:"_s, txtProcedencia_), 6, 0);
    r->addWidget(txtProcedencia_, 6, 1, 1, 3);
    r->addWidget(chkConstancia_, 7, 0, 1, 4);
    r->setColumnStretch(3, 1);
    for (CajaTexto* c : {maskCodPolicia_, maskGrano_, txtPorte1_})
        c->setFixedWidth(c->fontMetrics().horizontalAdvance(u"00000000"_s) + 16);
    for (QWidget* c : {static_cast<QWidget*>(txtFecha_), static_cast<QWidget*>(txtNroGuia_),
                       static_cast<QWidget*>(txtPorte2_), static_cast<QWidget*>(mskCUIT_)})
        c->setFixedWidth(c->fontMetrics().horizontalAdvance(u"00-00000000-00"_s) + 16);
}

void frmIntervenciones::ponerCantidad()
{
    auto* cantidad = new QHBoxLayout;
    cantidad->addStretch(1);
    cantidad->addWidget(new QLabel(u"Cantidad:"_s, this));
    cantidad->addWidget(lblTotalGeneral_);
    agregarBajoLaGrilla(cantidad);
}

void frmIntervenciones::enlazarCampos()
{
    enlazar(
        u"Fecha"_s,
        [this] {
            const auto fecha = pantalla::leerFecha(txtFecha_->text());
            return fecha ? QVariant(fecha->toString(Qt::ISODate)) : QVariant();
        },
        [this](const QVariant& v) { txtFecha_->setText(pantalla::fechaDesdeColumna(v)); });
    enlazar(
        u"CodPolicia"_s, [this] { return QVariant(maskCodPolicia_->valor().toLongLong()); },
        [this](const QVariant& v) {
            if (v.isNull()) maskCodPolicia_->vaciar();
            else maskCodPolicia_->setText(dosCifras(v));
        });
    enlazar(u"Nro_Oblea"_s, txtNroGuia_);
    enlazar(
        u"Grano"_s,
        [this] {
            const QString grano = maskGrano_->text().trimmed();
            return grano.isEmpty() ? QVariant() : QVariant(grano.toInt());
        },
        [this](const QVariant& v) { maskGrano_->setText(v.isNull() ? QString() : dosCifras(v)); });
    enlazar(u"Cuit_Remitente"_s, mskCUIT_);
    enlazar(u"Procedencia"_s, txtProcedencia_);
    enlazar(
        u"Movimiento"_s, [this] { return QVariant(chkConstancia_->isChecked()); },
        [this](const QVariant& v) { chkConstancia_->setChecked(v.toBool()); });
}

void frmIntervenciones::ponerVerificaciones()
{
    setVerificaciones({
        {[this] { return obleaCompleta(); }, {}, txtNroGuia_},
        {[this] {
             txtPorte2_->setText(parteCompleta(txtPorte2_->text(), 8));
             return txtPorte2_->text().toLongLong() != 0 && !txtPorte1_->text().trimmed().isEmpty();
         },
         u"Debe ingresar el Nº de Carta de porte "_s, txtPorte1_},
        {[this] { return fechaDeLaDeclaracion(); }, {}, txtFecha_},
        {[this] { return validaCUIT(dialogs(), mskCUIT_->valor()); }, {}, mskCUIT_},
        // The grain and the origin are part of what an intervention is stored as.
        {[this] { return !maskGrano_->text().trimmed().isEmpty(); },
         u"Debe ingresar el código de Grano."_s, maskGrano_},
        {[this] { return !txtProcedencia_->text().trimmed().isEmpty(); },
         u"Debe ingresar la Procedencia."_s, txtProcedencia_},
    });
}

void frmIntervenciones::conectarCampos()
{
    // A stamp is a letter "A" to "D" and digits.
    filtrarTeclas(txtNroGuia_, [](const QKeyEvent& tecla) {
        const QString t = tecla.text().toUpper();
        return t.size() == 1 && t.front().isPrint() && !esLetraDeOblea(t.front())
               && !(t.front() >= u'0' && t.front() <= u'9');
    });
    alSalir(maskCodPolicia_, [this] { protegido()([this] { maskCodPoliciaLostFocus(); }); });
    alSalir(maskGrano_, [this] { protegido()([this] { maskGranoLostFocus(); }); });
    alSalir(txtNroGuia_, [this] { txtNroGuiaLostFocus(); });
    alSalir(txtPorte1_, [this] { txtPorte1LostFocus(); });
    alSalir(txtPorte2_, [this] { txtPorte2LostFocus(); });
    connect(cmdPolicia_, &QPushButton::clicked, this,
            [this] { protegido()([this] { cmdPoliciaClick(); }); });
    connect(cmdGranos_, &QPushButton::clicked, this,
            [this] { protegido()([this] { cmdGranosClick(); }); });
}

void frmIntervenciones::actualizaTotalGeneral()
{
    const qint64 cantidad =
        base()
            .valor(u"SELECT COUNT(*) FROM Intervenciones WHERE IdCabecera = ?"_s,
                   {idCabecera_})
            .toLongLong();
    lblTotalGeneral_->setText(u" "_s + QLocale().toString(cantidad));
}

void frmIntervenciones::valoresIniciales()
{
    txtPorte1_->clear();
    txtPorte2_->clear();
    lblPolicia_->clear();
    lblGrano_->clear();
}

void frmIntervenciones::mostrarNoEnlazados(const Intervencion& intervencion)
{
    const QString& porte = intervencion.nroCartaPorte;
    txtPorte1_->setText(porte.left(4));
    txtPorte2_->setText(porte.mid(5, 8));
    maskCodPoliciaLostFocus();
    maskGranoLostFocus();
}

void frmIntervenciones::completarValores(QVariantMap& valores)
{
    valores.insert(u"IdCabecera"_s, idCabecera_);
    valores.insert(u"Nro_Carta_Porte"_s, txtPorte1_->text() + u'-' + txtPorte2_->text());
}

void frmIntervenciones::grabado(const Intervencion&, bool)
{
    actualizaTotalGeneral();
}

void frmIntervenciones::borrado(const Intervencion&)
{
    actualizaTotalGeneral();
}

// ---- Pickers and lookups.

void frmIntervenciones::cmdPoliciaClick()
{
    frmPolicias lista(contexto());
    lista.mostrarSeleccionar();
    dialogs().abrirModal(lista);
    if (lista.seleccion()) maskCodPolicia_->setText(*lista.seleccion());
    maskCodPoliciaLostFocus();
}

void frmIntervenciones::cmdGranosClick()
{
    frmGranos lista(contexto());
    dialogs().abrirModal(lista);
    if (lista.seleccion()) maskGrano_->setText(*lista.seleccion());
    maskGranoLostFocus();
}

void frmIntervenciones::maskCodPoliciaLostFocus()
{
    const qint64 codigo = maskCodPolicia_->valor().toLongLong();
    const auto policia = codigo == 0 ? std::nullopt : leerPolicia(base(), codigo);
    lblPolicia_->setText(policia ? policia->nombre : QString());
}

void frmIntervenciones::maskGranoLostFocus()
{
    const QString grano = maskGrano_->text().trimmed();
    if (!grano.isEmpty()) maskGrano_->setText(grano.rightJustified(2, u'0'));
    lblGrano_->setText(grano.isEmpty() || grano.toInt() == 0
                           ? QString()
                           : base()
                                 .valor(u"SELECT Nombre FROM Granos WHERE Grano = ?"_s,
                                        {grano.toInt()})
                                 .toString());
}

void frmIntervenciones::txtNroGuiaLostFocus()
{
    txtNroGuia_->setText(completarNumeroOblea(txtNroGuia_->text()));
}

void frmIntervenciones::txtPorte1LostFocus()
{
    txtPorte1_->setText(parteCompleta(txtPorte1_->text(), 4));
    txtPorte2LostFocus();
}

void frmIntervenciones::txtPorte2LostFocus()
{
    txtPorte2_->setText(parteCompleta(txtPorte2_->text(), 8));
}

// ---- Grabar.

bool frmIntervenciones::obleaCompleta()
{
    // Incoming goods carry no stamp of this checkpoint.
    if (chkConstancia_->isChecked()) {
        txtNroGuia_->setText(u" "_s);
        return true;
    }
    const QString oblea = completarNumeroOblea(txtNroGuia_->text());
    txtNroGuia_->setText(oblea);
    if (oblea.isEmpty() || !esLetraDeOblea(oblea.front())) {
        dialogs().aviso(u"Debe ingresar la letra de la Oblea"_s, kTituloAplicacion, Icono::Critico);
        return false;
    }
    if (oblea.mid(1).trimmed().isEmpty()) {
        dialogs().aviso(u"La Oblea le falta el Nº"_s, kTituloAplicacion, Icono::Critico);
        return false;
    }
    return true;
}

bool frmIntervenciones::fechaDeLaDeclaracion()
{
    const auto fecha = pantalla::leerFecha(txtFecha_->text());
    if (!fecha) {
        dialogs().aviso(u"La fecha indicada no es válida."_s, textos::Atencion, Icono::Exclamacion);
        return false;
    }
    if (!cabecera_ || fecha->year() != cabecera_->anio.toInt()
        || fecha->month() != cabecera_->mes.toInt()) {
        dialogs().aviso(u"La Fecha Ingresada no coincide con la DD.JJ."_s, textos::Atencion,
                        Icono::Exclamacion);
        return false;
    }
    return true;
}
