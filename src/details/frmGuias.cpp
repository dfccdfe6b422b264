#include "details/frmGuias.h"

#include "common/contexto.h"
#include "common/numero_oblea.h"
#include "common/obleas.h"
#include "database/base_datos.h"
#include "database/entorno.h"
#include "details/campos_detalle.h"
#include "details/total_general.h"
#include "details/usos_oblea.h"
#include "entry/numeros_pantalla.h"
#include "forms/botones.h"
#include "forms/campos_edicion.h"
#include "forms/eventos_foco.h"
#include "forms/grilla_registros.h"
#include "forms/textos_formularios.h"
#include "reference/frmTipos.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr Qt::Alignment kCentro = Qt::AlignHCenter;
constexpr Qt::Alignment kDerecha = Qt::AlignRight;

const QString kMascaraPesos = u"$ #,##0.00"_s;

// What the window looks like and keeps in each of its modes.
struct Apariencia {
    QString titulo;
    QString rotuloTotalFila;   // lblRotuloTotal
    QString rotuloNumero;      // lblNroGuiaPorte; empty: no number box
    QString rotuloPorte;       // lblPorte; empty: no waybill boxes
    bool guion = false;        // the dash between the two waybill boxes
    bool cantidad = true;      // the quantity, with the row's total
    QString palabra;           // the rows' name in the delete question and the order label
    int clase = 0;             // the goods class of `Tipos`
};

Apariencia apariencia(ModoDetalle modo)
{
    switch (modo) {
    case ModoDetalle::Guias:
        return {u"Carga de Guias"_s, u"Total Guia:"_s, u"Nº de Guia:"_s.leftJustified(58), {},
                false, true, u"Guia"_s, 1};
    case ModoDetalle::Obleas:
        return {u"Carga de Obleas"_s, u"Total Oblea:"_s,
                u"Nº Oblea:"_s + QString(24, u' ') + u"(Letra y Número)"_s,
                u"Nº Remito,Carta Porte, etc:"_s + QString(38, u' ') + u"(completar con ceros)"_s,
                true, false, u"Oblea"_s, 2};
    case ModoDetalle::Alimentos:
        return {u"Carga de Conceptos"_s, u"Total Conceptos:"_s, {},
                u"Nº de Comprobante:"_s.leftJustified(65), false, true, u"Concepto"_s, 3};
    default: break;
    }
    return {u"Carga de Guias"_s, u"Total Guia:"_s, u"Nº de Guia:"_s, {}, false, true, {}, 0};
}

QString pesos(Importe valor)
{
    return valor.formato(kMascaraPesos, QLocale());
}

std::vector<ColumnaGrilla> columnas(const Apariencia& a, ModoDetalle modo)
{
    const QString porNumero = u"  Ordenados por: Nº de "_s + a.palabra;
    //        field               caption               alignment width resizable order label
    std::vector<ColumnaGrilla> c = {
        {u"Nro_Comprobante"_s, u"Nro_Comprobante"_s, kCentro,  10, false, porNumero, u"NroGuia"_s},
        {u"NroGuia"_s,         u"NroGuia"_s,         kCentro,   9, false, porNumero, u"NroGuia"_s},
        {u"Tipo"_s,            u"Concepto"_s,        kCentro,   8, false, u"  Ordenados por: Concepto"_s},
        {u"Cantidad"_s,        u"Cantidad"_s,        kDerecha,  9, false},
        {u"Valor_Unitario"_s,  u"Valor_Unitario"_s,  kDerecha, 14, false},
        {u"Total"_s,           u"Total"_s,           kDerecha, 14, false},
    };
    c[3].formato = [](const QVariant& v) {
        return Importe::desdeDouble(v.toDouble()).formato(u"0.00", QLocale());
    };
    c[4].formato = c[5].formato = [](const QVariant& v) { return pesos(Importe::desdeColumna(v)); };
    if (modo == ModoDetalle::Obleas) {
        c[1].titulo = u"Oblea"_s;
        c[3].oculta = c[4].oculta = true;
    }
    if (modo == ModoDetalle::Alimentos) c[1].oculta = true;
    return c;
}

QLabel* rotulo(const QString& nombre, const QString& texto, QWidget* padre)
{
    auto* l = new QLabel(texto, padre);
    l->setObjectName(nombre);
    return l;
}

// A caption and the aside written after its run of blanks; the aside is empty when there is none.
std::pair<QString, QString> partirRotulo(const QString& rotulo)
{
    const qsizetype blancos = rotulo.indexOf(u"  "_s);
    if (blancos < 0) return {rotulo, QString()};
    return {rotulo.left(blancos), rotulo.mid(blancos).trimmed()};
}

// A caption's aside, written after its blanks ("(Letra y Número)"), stands after its boxes: the
// caption keeps its text, the aside goes to a label of its own.
QLabel* apartarNota(QLabel* rotulo, const QString& nombre, QWidget* marco)
{
    const auto [texto, nota] = partirRotulo(rotulo->text());
    rotulo->setText(texto);
    auto* l = new QLabel(nota, marco);
    l->setObjectName(nombre);
    return l;
}

bool esModoDeGuias(ModoDetalle m)
{
    return m == ModoDetalle::Guias || m == ModoDetalle::Obleas || m == ModoDetalle::Alimentos;
}

} // namespace

frmGuias::frmGuias(Contexto& contexto, ComprobanteDetalle comprobante, QWidget* parent)
    : FormularioDe(contexto,
                         {.nombre = u"frmGuias"_s,
                          .tabla = u"Guias"_s,
                          .nombreGrilla = u"dbgGuias"_s,
                          .nombreMarco = u"fraGuia"_s,
                          .ayudaGrilla = textos::AyudaOrdenar,
                          .ayuda = false},
                         parent),
      comprobante_(std::move(comprobante)),
      modo_(reglasRegimen(contexto.entorno.regimen()).detalle),
      mskCodConcepto(caja(u"mskCodConcepto"_s, CajaTexto::Tipo::Codigo, 2)),
      txtCantidad(caja(u"TxtCantidad"_s, CajaTexto::Tipo::Importe, 12)),
      txtNroGuia(caja(u"TxtNroGuia"_s, CajaTexto::Tipo::Libre, 8)),
      txtPorte1(caja(u"TxtPorte1"_s, CajaTexto::Tipo::Codigo, 4)),
      txtPorte2(caja(u"TxtPorte2"_s, CajaTexto::Tipo::Codigo, 8))
{
    if (!esModoDeGuias(modo_)) modo_ = ModoDetalle::Ninguno;
    const Apariencia a = apariencia(modo_);
    clase_ = a.clase;
    palabra_ = a.palabra;
    setWindowTitle(a.titulo);

    crearRotulos();
    disponerCampos();
    ponerTotalGeneral();
    aplicarModo();
    setFiltro(comprobante_.filtro(), comprobante_.valores());
    setColumnas(columnas(a, modo_));
    enlazarCampos();
    setFocos(mskCodConcepto, mskCodConcepto);
    setClaveRepetida(u"Ya existe un registro con ese Nº de guia/oblea - clave repetida"_s,
                     txtNroGuia);
    setPreguntaBorrar(u"¿Confirma la eliminación de la "_s + palabra_ + u" seleccionada?"_s);
    ponerVerificaciones();
    conectarCampos();

    if (modo_ == ModoDetalle::Ninguno)
        dialogs().aviso(u"Error, no es ni cereales ni ganado"_s, kTituloAplicacion, Icono::Critico);

    resize(820, 520);
    iniciar();
    protegido()([this] { actualizaTotalGeneral(); });
}

void frmGuias::crearRotulos()
{
    const Apariencia a = apariencia(modo_);
    QWidget* m = marco();
    cmdConceptos = crearBotonSelector(m, u"cmdConceptos"_s);
    lblDescConcepto = visor(u"lblDescConcepto"_s, m, 110);
    lblPunitario = visor(u"LblPunitario"_s, m, 110);
    lblTotal = visor(u"LblTotal"_s, m, 110);
    lblPunitario->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblTotal->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblCantidad = rotulo(u"Label1"_s, u"Cantidad:"_s, m);
    lblRotuloTotal = rotulo(u"Lbl_total"_s, a.rotuloTotalFila, m);
    lblNroGuiaPorte = rotulo(u"Lbl_Nroguia_porte"_s, a.rotuloNumero, m);
    lblPorte = rotulo(u"Lbl_porte"_s, a.rotuloPorte, m);
    lblGuion = rotulo(u"Lbl_guion"_s, u"-"_s, m);
}

void frmGuias::disponerCampos()
{
    QWidget* m = marco();
    QLabel* notaNumero = apartarNota(lblNroGuiaPorte, u"Lbl_nota_numero"_s, m);
    QLabel* notaPorte = apartarNota(lblPorte, u"Lbl_nota_porte"_s, m);

    QGridLayout* r = rejilla();
    r->addWidget(etiqueta(u"Concepto:"_s, mskCodConcepto), 0, 0);
    auto* concepto = new QHBoxLayout;
    concepto->addWidget(mskCodConcepto);
    concepto->addWidget(cmdConceptos);
    concepto->addWidget(lblDescConcepto, 1);
    r->addLayout(concepto, 0, 1, 1, 5);
    r->addWidget(lblCantidad, 1, 0);
    r->addWidget(txtCantidad, 1, 1, Qt::AlignLeft);
    r->addWidget(rotulo(u"Label2"_s, u"Valor Fijo Unitario:"_s, m), 1, 2, Qt::AlignRight);
    r->addWidget(lblPunitario, 1, 3);
    r->addWidget(lblRotuloTotal, 1, 4, Qt::AlignRight);
    r->addWidget(lblTotal, 1, 5);
    r->addWidget(lblNroGuiaPorte, 2, 0);
    r->addWidget(txtNroGuia, 2, 1, Qt::AlignLeft);
    r->addWidget(notaNumero, 2, 2, 1, 4);
    r->addWidget(lblPorte, 3, 0);
    auto* porte = new QHBoxLayout;
    porte->addWidget(txtPorte1);
    porte->addWidget(lblGuion);
    porte->addWidget(txtPorte2);
    porte->addWidget(notaPorte, 1);
    r->addLayout(porte, 3, 1, 1, 5);
    r->setColumnStretch(5, 1);
    for (const auto& [caja, cifras] : {std::pair<QWidget*, int>{mskCodConcepto, 3},
                                       {txtCantidad, 9}, {txtNroGuia, 9}, {txtPorte1, 5},
                                       {txtPorte2, 9}})
        caja->setFixedWidth(caja->fontMetrics().horizontalAdvance(QString(cifras, u'0')) + 16);
    // The concept shows its two digits as soon as it is left ("1" reads "01").
    mskCodConcepto->setCeros(2);
    notaNumero->setVisible(!notaNumero->text().isEmpty());
    notaPorte->setVisible(!notaPorte->text().isEmpty());
}

void frmGuias::ponerTotalGeneral()
{
    auto* pie = new QWidget;
    lblTotalGeneral = crearTotalGeneral(pie);
    agregarAlPie(pie);
}

void frmGuias::conectarCampos()
{
    filtrarTeclas(txtNroGuia, [this](const QKeyEvent& tecla) {
        const QString t = tecla.text();
        if (t.size() != 1 || !t.front().isPrint()) return false;
        const QChar c = t.front().toUpper();
        const bool letra = modo_ == ModoDetalle::Obleas && c >= u'A' && c <= u'D';
        return !letra && !c.isDigit();
    });
    alSalir(txtNroGuia, [this] { txtNroGuia->setText(completarNumeroOblea(txtNroGuia->text())); });
    alSalir(txtPorte1, [this] {
        txtPorte1->setText(normalizarPorte(txtPorte1->text(), 4));
        txtPorte2->setText(normalizarPorte(txtPorte2->text(), 8));
    });
    alSalir(txtPorte2, [this] { txtPorte2->setText(normalizarPorte(txtPorte2->text(), 8)); });
    alSalir(mskCodConcepto, [this] { protegido()([this] { buscarTipo(); }); });
    alSalir(txtCantidad, [this] { protegido()([this] { buscarTipo(); }); });
    connect(cmdConceptos, &QPushButton::clicked, this,
            [this] { protegido()([this] { cmdConceptosClick(); }); });
}

void frmGuias::aplicarModo()
{
    const Apariencia a = apariencia(modo_);
    const bool numero = !a.rotuloNumero.isEmpty();
    const bool porte = !a.rotuloPorte.isEmpty();
    for (QWidget* w : {static_cast<QWidget*>(lblNroGuiaPorte), static_cast<QWidget*>(txtNroGuia)})
        w->setVisible(numero);
    for (QWidget* w : {static_cast<QWidget*>(lblPorte), static_cast<QWidget*>(txtPorte1),
                       static_cast<QWidget*>(txtPorte2)})
        w->setVisible(porte);
    lblGuion->setVisible(porte && a.guion);
    for (QWidget* w : {static_cast<QWidget*>(lblCantidad), static_cast<QWidget*>(txtCantidad),
                       static_cast<QWidget*>(lblTotal), static_cast<QWidget*>(lblRotuloTotal)})
        w->setVisible(a.cantidad);
}

void frmGuias::enlazarCampos()
{
    enlazar(
        u"Tipo"_s, [this] { return QVariant(mskCodConcepto->text().toLongLong()); },
        [this](const QVariant& v) {
            mskCodConcepto->setText(v.isNull() ? QString()
                                               : QString::number(v.toLongLong()).rightJustified(2, u'0'));
        });
    enlazar(
        u"NroGuia"_s,
        [this] {
            const QString t = txtNroGuia->text().trimmed();
            return t.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(t);
        },
        [this](const QVariant& v) { txtNroGuia->setText(v.toString()); });
    enlazar(
        u"Cantidad"_s, [this] { return QVariant(double(cantidad().diezmilesimos()) / Importe::kEscala); },
        [this](const QVariant& v) {
            txtCantidad->setText(v.isNull() ? QString()
                                            : textoNumero(Importe::desdeDouble(v.toDouble()), QLocale()));
        });
    enlazar(
        u"Valor_Unitario"_s, [this] { return valorUnitario_.aColumna(); },
        [this](const QVariant& v) {
            valorUnitario_ = Importe::desdeColumna(v);
            if (v.isNull()) lblPunitario->clear();
            else mostrarImporte(lblPunitario, valorUnitario_);
        });
    enlazar(
        u"Total"_s, [this] { return totalFila_.aColumna(); },
        [this](const QVariant& v) {
            totalFila_ = Importe::desdeColumna(v);
            if (v.isNull()) lblTotal->clear();
            else mostrarImporte(lblTotal, totalFila_);
        });
    // The waybill boxes show the row's own number, so a save never writes another row's.
    enlazar(
        u"Nro_porte"_s,
        [this] { return QVariant(unirPorte(txtPorte1->text(), txtPorte2->text())); },
        [this](const QVariant& v) {
            const auto [primera, segunda] = separarPorte(v.toString());
            txtPorte1->setText(primera);
            txtPorte2->setText(segunda);
        });
}

void frmGuias::ponerVerificaciones()
{
    const bool obleas = modo_ == ModoDetalle::Obleas;
    const bool alimentos = modo_ == ModoDetalle::Alimentos;
    setVerificaciones({
        {[this] {
             txtPorte2->setText(normalizarPorte(txtPorte2->text(), 8));
             return true;
         },
         {}, nullptr},
        {[this] {
             return mskCodConcepto->text().toLongLong() != 0 && !lblDescConcepto->text().isEmpty();
         },
         u"Debe ingresar un código de Concepto."_s, mskCodConcepto},
        {[this] {
             const QString q = txtCantidad->text().trimmed();
             return !q.isEmpty() && q != u"0"_s;
         },
         u"Debe ingresar la cantidad."_s, txtCantidad},
        {[this, alimentos] { return alimentos || !txtNroGuia->text().trimmed().isEmpty(); },
         u"Debe ingresar el Nº de Guía/Oblea/Comprobante"_s, txtNroGuia},
        {[this, obleas] { return !obleas || porteCompleto(); },
         u"Debe ingresar el Nº de Carta de porte "_s, txtPorte1},
        {[this, alimentos] { return !alimentos || porteCompleto(); },
         u"Debe ingresar el Nº Comprobante "_s, txtPorte1},
        {[this, obleas] { return !obleas || obleaSinUsar(); }, {}, txtNroGuia},
        {[this, obleas] { return !obleas || obleaEnRemesa(); }, {}, txtNroGuia},
        {[this, obleas] { return !obleas || letraDelConcepto(); }, {}, nullptr},
    });
}

Importe frmGuias::cantidad() const
{
    return Importe::leer(txtCantidad->text().trimmed(), entorno().separadorDecimal())
        .value_or(Importe());
}

bool frmGuias::porteCompleto() const
{
    return txtPorte2->text().toLongLong() != 0 && !txtPorte1->text().isEmpty();
}

bool frmGuias::obleaSinUsar()
{
    const QString oblea = txtNroGuia->text().trimmed();
    std::optional<qint64> editada;
    if (modo() == Modo::Modificando) editada = grilla().idActual();
    for (const UsoOblea& uso : usosDeOblea(base(), oblea, editada)) {
        // The row being modified is not among them: another row of this receipt has the stamp.
        if (uso.pendiente) {
            dialogs().aviso(u"Este Nº de oblea ya fué usado en esta retención"_s);
            return false;
        }
        if (uso.enRetencionValida) {
            dialogs().aviso(u"Este Nº de oblea ya fué usado en una retención"_s);
            return false;
        }
    }
    return true;
}

bool frmGuias::obleaEnRemesa()
{
    if (validaOblea(entorno(), txtNroGuia->text().trimmed())) return true;
    dialogs().aviso(u"la oblea ingresada no pertenese a una Remesa (u olvidó cargarla)"_s,
                    kTituloAplicacion, Icono::Critico);
    return false;
}

bool frmGuias::letraDelConcepto()
{
    // Concepts 1 to 4 are the stamp types "A" to "D"; other concepts are not compared.
    const qint64 concepto = mskCodConcepto->text().toLongLong();
    const QString oblea = txtNroGuia->text().trimmed();
    if (concepto < 1 || concepto > 4) return true;
    if (!oblea.isEmpty() && oblea.front() == QChar(char16_t(u'A' + concepto - 1))) return true;
    dialogs().aviso(u"El concepto ingresado no coincide con el tipo de oblea ingresado"_s,
                    kTituloAplicacion, Icono::Critico);
    return false;
}

void frmGuias::mostrarImporte(QLabel* etiqueta, Importe valor)
{
    // A value from the row shows with its sign and decimals; a zero shows as it is.
    etiqueta->setText(valor.esCero() ? u"0"_s : pesos(valor));
}

void frmGuias::buscarTipo()
{
    if (modo_ == ModoDetalle::Ninguno) {
        dialogs().aviso(u"Error, no es ni cereales ni ganado"_s, kTituloAplicacion, Icono::Critico);
        return;
    }
    // An emptied box reads "00", as it shows once left.
    const QString codigo = mskCodConcepto->valor();
    const auto tipo = buscarTipoBien(base(), clase_, codigo.toLongLong());
    if (!tipo) {
        lblDescConcepto->clear();
        lblPunitario->clear();
        lblTotal->clear();
        valorUnitario_ = totalFila_ = Importe();
        return;
    }
    lblDescConcepto->setText(tipo->descripcion);
    valorUnitario_ = tipo->valor;
    totalFila_ = valorPorCantidad(tipo->valor, cantidad());
    lblPunitario->setText(pesos(valorUnitario_));
    lblTotal->setText(pesos(totalFila_));
}

void frmGuias::cmdConceptosClick()
{
    frmTipos lista(contexto());
    lista.setearSeleccion(clase_);
    lista.mostrarSeleccionar();
    dialogs().abrirModal(lista);
    if (lista.seleccion()) mskCodConcepto->setText(*lista.seleccion());
    buscarTipo();
}

void frmGuias::actualizaTotalGeneral()
{
    total_ = sumaDetalle(base(), comprobante_);
    lblTotalGeneral->setText(pesos(total_));
}

void frmGuias::valoresIniciales()
{
    mskCodConcepto->setText(u"00"_s);
    lblDescConcepto->clear();
    valorUnitario_ = totalFila_ = Importe();
    if (modo_ == ModoDetalle::Obleas) txtCantidad->setText(u"1"_s);
}

void frmGuias::mostrarNoEnlazados(const Guia& guia)
{
    const auto tipo = buscarTipoBien(base(), clase_, guia.tipo.value_or(0));
    lblDescConcepto->setText(tipo ? tipo->descripcion : QString());
}

void frmGuias::completarValores(QVariantMap& valores)
{
    if (modo() == Modo::Agregando) {
        valores.insert(u"Nro_Comprobante"_s, comprobante_.nroComprobante);
        // The rows entered here name no agent.
        valores.insert(u"Nro_Agente"_s, u"000000"_s);
    }
    valores.insert(u"IdCabecera"_s, comprobante_.idCabecera);
}

void frmGuias::grabado(const Guia&, bool)
{
    actualizaTotalGeneral();
}

void frmGuias::borrado(const Guia&)
{
    actualizaTotalGeneral();
}

void frmGuias::sinFilas()
{
    mskCodConcepto->setText(u"00"_s);
    lblDescConcepto->clear();
    txtCantidad->clear();
    lblPunitario->clear();
    lblTotal->clear();
}

void frmGuias::ajustarAlModo(Modo modo)
{
    // A row opened for modification is valued at its goods type's value of today.
    if (modo == Modo::Modificando) protegido()([this] { buscarTipo(); });
}
