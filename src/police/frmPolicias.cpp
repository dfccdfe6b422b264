#include "police/frmPolicias.h"

#include "common/contexto.h"
#include "database/base_datos.h"
#include "forms/textos_formularios.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr Qt::Alignment kIzquierda = Qt::AlignLeft;
constexpr Qt::Alignment kCentro = Qt::AlignHCenter;

const QString kPorCodigo = u"  Ordenados por: Código"_s;
const QString kPorNombre = u"  Ordenados por: Descripción"_s;

std::vector<ColumnaGrilla> columnas()
{
    //        field                caption              alignment width resizable order label  order
    return {
        {u"CodPolicia"_s,       u"Nº"_s,             kCentro,     5, false, kPorCodigo, u"CodPolicia"_s},
        {u"Nombre"_s,           u"Nombre"_s,         kIzquierda, 30, true,  kPorCodigo, u"CodPolicia"_s},
        {u"Tipo"_s,             u"Tipo"_s,           kCentro,     6, false, kPorNombre, u"Nombre"_s},
        {u"DNI"_s,              u"Nº Documento"_s,   kCentro,    10, false},
        {u"Legajo"_s,           u"Legajo"_s,         kCentro,     7, false},
        {u"Nro_cuenta_banco"_s, u"Nro_cuenta_banco"_s, kIzquierda, 20, true},
    };
}

// A whole number typed in a digits box; nothing when the box is empty.
QVariant numero(const CajaTexto* caja)
{
    const QString texto = caja->text().trimmed();
    return texto.isEmpty() ? QVariant() : QVariant(texto.toLongLong());
}

} // namespace

frmPolicias::frmPolicias(Contexto& contexto, QWidget* parent)
    : FormularioDe(contexto,
                         {.nombre = u"frmPolicias"_s,
                          .titulo = u"Agentes Policiales"_s,
                          .tabla = u"Policias"_s,
                          .nombreGrilla = u"dbgPolicias"_s,
                          .nombreMarco = u"fraPolicias"_s,
                          .ayudaGrilla = textos::AyudaOrdenar,
                          .seleccionar = true,
                          .releerSinOrden = true},
                         parent),
      cboTipos_(new QComboBox(marco())),
      txtNroDoc_(caja(u"TxtNroDoc"_s, CajaTexto::Tipo::Codigo, 9)),
      txtNyApellido_(caja(u"txtNyApellido"_s, CajaTexto::Tipo::Mayusculas, 30)),
      txtLegajo_(caja(u"TxtLegajo"_s, CajaTexto::Tipo::Codigo, 6)),
      txtCuentaBanco_(caja(u"TxtCuentaBanco"_s, CajaTexto::Tipo::Libre, 30))
{
    cboTipos_->setObjectName(u"Cbo_tipos"_s);
    cboTipos_->addItems({u"D.N.I."_s, u"L.C."_s, u"L.E."_s, u"C.I."_s, u"Otro"_s});
    cboTipos_->setCurrentIndex(-1);

    QGridLayout* r = rejilla();
    r->addWidget(etiqueta(u"Tipo:"_s, cboTipos_), 0, 0);
    r->addWidget(cboTipos_, 0, 1);
    r->addWidget(etiqueta(u"Nº:"_s, txtNroDoc_), 0, 2, Qt::AlignRight);
    r->addWidget(txtNroDoc_, 0, 3);
    r->addWidget(etiqueta(u"Nombre y Apellido:"_s, txtNyApellido_), 1, 0);
    r->addWidget(txtNyApellido_, 1, 1, 1, 4);
    r->addWidget(etiqueta(u"Nº Legajo:"_s, txtLegajo_), 2, 0);
    r->addWidget(txtLegajo_, 2, 1);
    r->addWidget(etiqueta(u"Nº Cuenta Bancaria:"_s, txtCuentaBanco_), 3, 0);
    r->addWidget(txtCuentaBanco_, 3, 1, 1, 4);
    r->setColumnStretch(4, 1);
    for (CajaTexto* c : {txtNroDoc_, txtLegajo_})
        c->setFixedWidth(c->fontMetrics().horizontalAdvance(u"0000000000"_s) + 16);

    setColumnas(columnas());
    enlazar(
        u"Tipo"_s,
        [this] {
            return cboTipos_->currentIndex() < 0 ? QVariant() : QVariant(cboTipos_->currentText());
        },
        [this](const QVariant& v) {
            cboTipos_->setCurrentIndex(cboTipos_->findText(v.toString()));
        });
    enlazar(
        u"DNI"_s, [this] { return numero(txtNroDoc_); },
        [this](const QVariant& v) { txtNroDoc_->setText(v.isNull() ? QString() : v.toString()); });
    enlazar(u"Nombre"_s, txtNyApellido_);
    enlazar(
        u"Legajo"_s, [this] { return numero(txtLegajo_); },
        [this](const QVariant& v) { txtLegajo_->setText(v.isNull() ? QString() : v.toString()); });
    enlazar(u"Nro_cuenta_banco"_s, txtCuentaBanco_);
    setFocos(cboTipos_, cboTipos_);
    setClaveRepetida(u"Ya existe un registro con ese código,"_s, txtNroDoc_);
    setPreguntaBorrar(u"¿Confirma la eliminación del registro seleccionado?"_s);

    auto lleno = [](const CajaTexto* c) { return !c->text().trimmed().isEmpty(); };
    setVerificaciones({
        {[=, this] { return lleno(txtNyApellido_); }, u"Debe ingresar el Nombre."_s, txtNyApellido_},
        {[=, this] { return lleno(txtNroDoc_); }, u"Debe ingresar el Tipo y Nº de Documento"_s,
         txtNroDoc_},
        {[=, this] { return lleno(txtLegajo_); }, u"Debe ingresar el Nº de Legajo"_s, txtLegajo_},
        {[=, this] { return lleno(txtCuentaBanco_); }, u"Debe ingresar el Nº de Cuenta Bancaria"_s,
         txtCuentaBanco_},
    });
    // The fines are what the officer is paid by: an officer with interventions only may go.
    setGuardas({
        {[this] {
             const auto policia = filaActual();
             return policia
                    && base().existe(u"SELECT 1 FROM Multas_cobradas WHERE CodPolicia = ?"_s,
                                     {policia->codPolicia});
         },
         u"Hay Multas cobradas para este Policia "_s},
    });

    resize(860, 520);
    iniciar();
}

void frmPolicias::valoresIniciales()
{
    cboTipos_->setCurrentIndex(0);
}

QString frmPolicias::codigoSeleccionado(const Policia& policia) const
{
    return QString::number(policia.codPolicia).rightJustified(2, u'0');
}
