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
    : FormularioRegistro(contexto,
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
      MaskCodPolicia_(caja(u"MaskCodPolicia"_s, CajaTexto::Tipo::Codigo, 0)),
      CmdPolicia_(crearBotonSelector(marco(), u"CmdPolicia"_s)),
      LblPolicia_(new QLabel(marco())),
      TxtNroGuia_(caja(u"TxtNroGuia"_s, CajaTexto::Tipo::Mayusculas, 8)),
      TxtPorte1_(caja(u"TxtPorte1"_s, CajaTexto::Tipo::Codigo, 4)),
      TxtPorte2_(caja(u"TxtPorte2"_s, CajaTexto::Tipo::Codigo, 8)),
      MaskGrano_(caja(u"MaskGrano"_s, CajaTexto::Tipo::Codigo, 2)),
      cmdGranos_(crearBotonSelector(marco(), u"cmdGranos"_s)),
      LblGrano_(new QLabel(marco())),
      mskCUIT_(mascara(u"mskCUIT"_s, u"00-00000000-0"_s)),
      txtProcedencia_(caja(u"txtProcedencia"_s, CajaTexto::Tipo::Mayusculas, 30)),
      chkConstancia_(new QCheckBox(u"Mercadería de Ingreso "_s, marco())),
      Lbl_total_general_(new QLabel(this))
{
    // Officers are numbered by a counter: the box takes the code at its full width.
    MaskCodPolicia_->setCeros(2);
    MaskCodPolicia_->setMaxLength(9);
    for (QLabel* l : {LblPolicia_, LblGrano_}) {
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        l->setMinimumWidth(200);
    }
    LblPolicia_->setObjectName(u"LblPolicia"_s);
    LblGrano_->setObjectName(u"LblGrano"_s);
    chkConstancia_->setObjectName(u"chkConstancia"_s);
    Lbl_total_general_->setObjectName(u"Lbl_total_general"_s);
    TxtPorte1_->setText(u"0000"_s);
    TxtPorte2_->setText(u"00000000"_s);

    QGridLayout* r = rejilla();
    r->addWidget(etiqueta(u"Fecha:"_s, txtFecha_), 0, 0);
    r->addWidget(txtFecha_, 0, 1);
    r->addWidget(etiqueta(u"Policía Nº:"_s, MaskCodPolicia_), 1, 0);
    auto* policia = new QHBoxLayout;
    policia->addWidget(MaskCodPolicia_);
    policia->addWidget(CmdPolicia_);
    policia->addWidget(LblPolicia_, 1);
    r->addLayout(policia, 1, 1, 1, 3);
    r->addWidget(etiqueta(u"Nº Oblea:"_s, TxtNroGuia_), 2, 0);
    r->addWidget(TxtNroGuia_, 2, 1);
    r->addWidget(new QLabel(u"(Letra y Número)"_s, marco()), 2, 2);
    r->addWidget(etiqueta(u"Nº Carta Porte:"_s, TxtPorte1_), 3, 0);
    auto* porte = new QHBoxLayout;
    porte->addWidget(TxtPorte1_);
    porte->addWidget(new QLabel(u"-"_s, marco()));
    porte->addWidget(TxtPorte2_);
    porte->addStretch(1);
    r->addLayout(porte, 3, 1, 1, 3);
    r->addWidget(etiqueta(u"Grano:"_s, MaskGrano_), 4, 0);
    auto* grano = new QHBoxLayout;
    grano->addWidget(MaskGrano_);
    grano->addWidget(cmdGranos_);
    grano->addWidget(LblGrano_, 1);
    r->addLayout(grano, 4, 1, 1, 3);
    r->addWidget(etiqueta(u"C.U.I.T.:"_s, mskCUIT_), 5, 0);
    r->addWidget(mskCUIT_, 5, 1);
    r->addWidget(etiqueta(u"Procedencia:"_s, txtProcedencia_), 6, 0);
    r->addWidget(txtProcedencia_, 6, 1, 1, 3);
    r->addWidget(chkConstancia_, 7, 0, 1, 4);
    r->setColumnStretch(3, 1);
    for (CajaTexto* c : {MaskCodPolicia_, MaskGrano_, TxtPorte1_})
        c->setFixedWidth(c->fontMetrics().horizontalAdvance(u"00000000"_s) + 16);
    for (QWidget* c : {static_cast<QWidget*>(txtFecha_), static_cast<QWidget*>(TxtNroGuia_),
                       static_cast<QWidget*>(TxtPorte2_), static_cast<QWidget*>(mskCUIT_)})
        c->setFixedWidth(c->fontMetrics().horizontalAdvance(u"00-00000000-00"_s) + 16);

    // The count of the declaration's interventions, beside the grid.
    auto* cantidad = new QHBoxLayout;
    cantidad->addStretch(1);
    cantidad->addWidget(new QLabel(u"Cantidad:"_s, this));
    cantidad->addWidget(Lbl_total_general_);
    agregarBajoLaGrilla(cantidad);

    setFiltro(u"IdCabecera = ?"_s, {idCabecera_});
    setColumnas(columnas(), u"Fecha"_s);
    grilla().horizontalHeader()->setSectionsClickable(false);
    enlazar(
        u"Fecha"_s,
        [this] {
            const auto fecha = pantalla::leerFecha(txtFecha_->text());
            return fecha ? QVariant(fecha->toString(Qt::ISODate)) : QVariant();
        },
        [this](const QVariant& v) { txtFecha_->setText(pantalla::fechaDesdeColumna(v)); });
    enlazar(
        u"CodPolicia"_s, [this] { return QVariant(MaskCodPolicia_->valor().toLongLong()); },
        [this](const QVariant& v) {
            if (v.isNull()) MaskCodPolicia_->vaciar();
            else MaskCodPolicia_->setText(dosCifras(v));
        });
    enlazar(u"Nro_Oblea"_s, TxtNroGuia_);
    enlazar(
        u"Grano"_s,
        [this] {
            const QString grano = MaskGrano_->text().trimmed();
            return grano.isEmpty() ? QVariant() : QVariant(grano.toInt());
        },
        [this](const QVariant& v) { MaskGrano_->setText(v.isNull() ? QString() : dosCifras(v)); });
    enlazar(u"Cuit_Remitente"_s, mskCUIT_);
    enlazar(u"Procedencia"_s, txtProcedencia_);
    enlazar(
        u"Movimiento"_s, [this] { return QVariant(chkConstancia_->isChecked()); },
        [this](const QVariant& v) { chkConstancia_->setChecked(v.toBool()); });
    setFocos(txtFecha_, txtFecha_);
    setClaveRepetida(u"Ya existe un registro con estos datos - clave repetida"_s, TxtNroGuia_);
    setPreguntaBorrar(u"¿Confirma el Borrado de la Intervención seleccionada?"_s);

    setVerificaciones({
        {[this] { return obleaCompleta(); }, {}, TxtNroGuia_},
        {[this] {
             TxtPorte2_->setText(parteCompleta(TxtPorte2_->text(), 8));
             return TxtPorte2_->text().toLongLong() != 0 && !TxtPorte1_->text().trimmed().isEmpty();
         },
         u"Debe ingresar el Nº de Carta de porte "_s, TxtPorte1_},
        {[this] { return fechaDeLaDeclaracion(); }, {}, txtFecha_},
        {[this] { return Valida_CUIT(dialogs(), mskCUIT_->valor()); }, {}, mskCUIT_},
        // The grain and the origin are part of what an intervention is stored as.
        {[this] { return !MaskGrano_->text().trimmed().isEmpty(); },
         u"Debe ingresar el código de Grano."_s, MaskGrano_},
        {[this] { return !txtProcedencia_->text().trimmed().isEmpty(); },
         u"Debe ingresar la Procedencia."_s, txtProcedencia_},
    });

    // A stamp is a letter "A" to "D" and digits.
    filtrarTeclas(TxtNroGuia_, [](const QKeyEvent& tecla) {
        const QString t = tecla.text().toUpper();
        return t.size() == 1 && t.front().isPrint() && !esLetraDeOblea(t.front())
               && !(t.front() >= u'0' && t.front() <= u'9');
    });
    alSalir(MaskCodPolicia_, [this] { protegido()([this] { MaskCodPolicia_LostFocus(); }); });
    alSalir(MaskGrano_, [this] { protegido()([this] { MaskGrano_LostFocus(); }); });
    alSalir(TxtNroGuia_, [this] { TxtNroGuia_LostFocus(); });
    alSalir(TxtPorte1_, [this] { TxtPorte1_LostFocus(); });
    alSalir(TxtPorte2_, [this] { TxtPorte2_LostFocus(); });
    connect(CmdPolicia_, &QPushButton::clicked, this,
            [this] { protegido()([this] { CmdPolicia_Click(); }); });
    connect(cmdGranos_, &QPushButton::clicked, this,
            [this] { protegido()([this] { cmdGranos_Click(); }); });

    resize(760, 600);
    iniciar();
    protegido()([this] { Actualiza_Total_general(); });
}

void frmIntervenciones::Actualiza_Total_general()
{
    const qint64 cantidad =
        base()
            .valor(u"SELECT COUNT(*) FROM Intervenciones WHERE IdCabecera = ?"_s,
                   {idCabecera_})
            .toLongLong();
    Lbl_total_general_->setText(u" "_s + QLocale().toString(cantidad));
}

void frmIntervenciones::valoresIniciales()
{
    TxtPorte1_->clear();
    TxtPorte2_->clear();
    LblPolicia_->clear();
    LblGrano_->clear();
}

void frmIntervenciones::mostrarNoEnlazados(const QSqlRecord& fila)
{
    const QString porte = intervencionDe(fila).nroCartaPorte;
    TxtPorte1_->setText(porte.left(4));
    TxtPorte2_->setText(porte.mid(5, 8));
    MaskCodPolicia_LostFocus();
    MaskGrano_LostFocus();
}

void frmIntervenciones::completarValores(QVariantMap& valores)
{
    valores.insert(u"IdCabecera"_s, idCabecera_);
    valores.insert(u"Nro_Carta_Porte"_s, TxtPorte1_->text() + u'-' + TxtPorte2_->text());
}

void frmIntervenciones::grabado(const QVariantMap&, bool)
{
    Actualiza_Total_general();
}

void frmIntervenciones::borrado(const QSqlRecord&)
{
    Actualiza_Total_general();
}

// ---- Pickers and lookups.

void frmIntervenciones::CmdPolicia_Click()
{
    frmPolicias lista(contexto());
    lista.mostrarSeleccionar();
    dialogs().abrirModal(lista);
    if (lista.seleccion()) MaskCodPolicia_->setText(*lista.seleccion());
    MaskCodPolicia_LostFocus();
}

void frmIntervenciones::cmdGranos_Click()
{
    frmGranos lista(contexto());
    dialogs().abrirModal(lista);
    if (lista.seleccion()) MaskGrano_->setText(*lista.seleccion());
    MaskGrano_LostFocus();
}

void frmIntervenciones::MaskCodPolicia_LostFocus()
{
    const qint64 codigo = MaskCodPolicia_->valor().toLongLong();
    const auto policia = codigo == 0 ? std::nullopt : leerPolicia(base(), codigo);
    LblPolicia_->setText(policia ? policia->nombre : QString());
}

void frmIntervenciones::MaskGrano_LostFocus()
{
    const QString grano = MaskGrano_->text().trimmed();
    if (!grano.isEmpty()) MaskGrano_->setText(grano.rightJustified(2, u'0'));
    LblGrano_->setText(grano.isEmpty() || grano.toInt() == 0
                           ? QString()
                           : base()
                                 .valor(u"SELECT Nombre FROM Granos WHERE Grano = ?"_s,
                                        {grano.toInt()})
                                 .toString());
}

void frmIntervenciones::TxtNroGuia_LostFocus()
{
    TxtNroGuia_->setText(completarNumeroOblea(TxtNroGuia_->text()));
}

void frmIntervenciones::TxtPorte1_LostFocus()
{
    TxtPorte1_->setText(parteCompleta(TxtPorte1_->text(), 4));
    TxtPorte2_LostFocus();
}

void frmIntervenciones::TxtPorte2_LostFocus()
{
    TxtPorte2_->setText(parteCompleta(TxtPorte2_->text(), 8));
}

// ---- Grabar.

bool frmIntervenciones::obleaCompleta()
{
    // Incoming goods carry no stamp of this checkpoint.
    if (chkConstancia_->isChecked()) {
        TxtNroGuia_->setText(u" "_s);
        return true;
    }
    const QString oblea = completarNumeroOblea(TxtNroGuia_->text());
    TxtNroGuia_->setText(oblea);
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
