// The widgets of the receipts-by-declaration window: the declarations grid over the concept
// choice, the withholdings grid with the print list beside it, the count and totals below, and
// the buttons.

#include "details/frmRetxCab.h"

#include "common/ciclo_cabecera.h"
#include "common/contexto.h"
#include "database/codigos.h"
#include "forms/botones.h"
#include "forms/grilla_registros.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr Qt::Alignment kCentro = Qt::AlignHCenter;
constexpr Qt::Alignment kDerecha = Qt::AlignRight;
constexpr Qt::Alignment kIzquierda = Qt::AlignLeft;

ColumnaGrilla columna(const QString& campo, const QString& titulo, Qt::Alignment alineacion,
                      int ancho)
{
    return {campo, titulo, alineacion, ancho, false};
}

// A stored code or a state's name as an SQL literal, for a column's expression (which cannot take
// parameters). Only the program's own texts go through here, never a typed one.
QString literal(const QString& codigo)
{
    return u"'"_s + codigo + u"'"_s;
}

// A declaration's state by name. Every code but empty and open, annulled included, reads as
// closed.
QString nombreEstadoCabecera()
{
    const EstadoCabecera vacia = EstadoCabecera::Vacia;
    const EstadoCabecera abierta = EstadoCabecera::Abierta;
    const EstadoCabecera cerrada = EstadoCabecera::Cerrada;
    return u"CASE WHEN Estado = "_s + literal(vacia.codigo()) + u" THEN "_s
        + literal(vacia.nombre()) + u" WHEN Estado = "_s + literal(abierta.codigo()) + u" THEN "_s
        + literal(abierta.nombre()) + u" ELSE "_s + literal(cerrada.nombre()) + u" END"_s;
}

ColumnaGrilla oculta(const QString& campo)
{
    ColumnaGrilla c(campo, QString(), kCentro, 0, false);
    c.oculta = true;
    return c;
}

// By the index the header click reports.
std::vector<ColumnaGrilla> columnasCabeceras()
{
    std::vector<ColumnaGrilla> c = {
        columna(u"Nro_Agente"_s, u"Agente"_s, kCentro, 7),
        columna(u"Sucursal"_s, u"Suc."_s, kCentro, 5),
        columna(u"Cod_Regimen"_s, u"Rég."_s, kCentro, 4),
        columna(u"Anio"_s, u"Año"_s, kCentro, 5),
        columna(u"Mes"_s, u"Mes"_s, kCentro, 4),
        columna(u"Rectifica"_s, u"D.J."_s, kCentro, 4),
        columna(nombreEstadoCabecera(), u"Estado"_s, kCentro, 7),
        columna(u"Origen"_s, u"Orig."_s, kCentro, 4),
        oculta(u"MarcaObs"_s),
        columna(u"Descartados"_s, u"Descartados"_s, kDerecha, 8),
        oculta(u"Estado"_s),
        oculta(u"IdCabecera"_s),
    };
    return c;
}

std::vector<ColumnaGrilla> columnasRetenciones()
{
    const auto fijo = [](const QVariant& v) {
        return Importe::desdeColumna(v).formato(u"0.00", QLocale());
    };
    std::vector<ColumnaGrilla> c = {
        columna(u"Nro_Contrib"_s, u"Suj. Ret./Perc."_s, kCentro, 10),
        columna(u"Dia"_s, u"Día"_s, kCentro, 4),
        columna(u"Importe_Bruto"_s, u"Importe Bruto"_s, kDerecha, 10),
        columna(u"Alicuota"_s, u"Alíc."_s, kCentro, 5),
        columna(u"Importe_Ret"_s, u"Imp. Ret./Perc."_s, kDerecha, 10),
        columna(u"Nro_Comprobante"_s, u"Comprobante"_s, kCentro, 9),
        columna(u"CASE WHEN Estado = "_s + literal(estado_retencion::Anulada)
                    + u" THEN 'Anulada' ELSE 'Ok' END"_s,
                u"Estado"_s, kCentro, 7),
        columna(u"Nro_X"_s, u"Nº Comprobante ext."_s, kDerecha, 13),
        columna(u"Cod_Concepto"_s, u"Cpto."_s, kCentro, 4),
        // A concept missing from Conceptos shows an empty description.
        columna(u"(SELECT k.Descripcion FROM Conceptos k "
                u"WHERE k.Cod_Concepto = Retenciones.Cod_Concepto)"_s,
                u"Descripción"_s, kIzquierda, 30),
        columna(u"MarcaImp"_s, u"M.I."_s, kCentro, 3),
    };
    for (const int i : {2, 3, 4}) c[std::size_t(i)].formato = fijo;
    return c;
}

QLabel* rotulo(QWidget* padre, const char* nombre, const QString& texto)
{
    auto* l = new QLabel(texto, padre);
    l->setObjectName(QString::fromLatin1(nombre));
    return l;
}

// A figure in a sunken box, right-aligned.
QLabel* cifra(QWidget* padre, const char* nombre)
{
    QLabel* l = rotulo(padre, nombre, u"0"_s);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(l->fontMetrics().horizontalAdvance(u"000000000000.00"_s) + 8);
    return l;
}

} // namespace

QPushButton* frmRetxCab::boton(const char* nombre, const QString& texto, const QString& ayuda,
                               void (frmRetxCab::*accion)())
{
    auto* b = crearBoton(this, QString::fromLatin1(nombre), texto);
    b->setToolTip(ayuda);
    connect(b, &QPushButton::clicked, this, [this, accion] { protegido_([&] { (this->*accion)(); }); });
    return b;
}

void frmRetxCab::crearPantalla()
{
    setObjectName(u"frmRetxCab"_s);
    setWindowTitle(u"Consulta de Retenciones/Percepciones por Declaración"_s);
    auto* principal = new QVBoxLayout(this);
    crearCabeceras(principal);
    crearConcepto(principal);

    // The withholdings, and the print list beside them.
    auto* medio = new QHBoxLayout;
    crearRetenciones(medio);
    crearFlechas(medio);
    crearLista(medio);
    principal->addLayout(medio, 3);

    // The count and totals, and the buttons.
    auto* pie = new QHBoxLayout;
    crearCifras(pie);
    pie->addStretch(1);
    crearBotones(pie);
    principal->addLayout(pie);

    for (QPushButton* b : {cmdSacar, cmdSacarT, cmdImprimirC}) b->setEnabled(false);
    resize(1320, 700);
}

void frmRetxCab::crearCabeceras(QVBoxLayout* principal)
{
    lblCabeceras = rotulo(this, "lblCabeceras", u" Declaraciones Cargadas"_s);
    principal->addWidget(lblCabeceras);
    dbgCabeceras = new GrillaRegistros(contexto_.base, u"dbgCabeceras"_s, this);
    dbgCabeceras->setToolTip(u"Seleccione la Declaración que desee consultar."_s);
    dbgCabeceras->modelo().setFuente(u"Cabeceras"_s);
    dbgCabeceras->modelo().setColumnas(columnasCabeceras());
    dbgCabeceras->horizontalHeader()->setSectionsClickable(true);
    principal->addWidget(dbgCabeceras, 2);
    connect(dbgCabeceras->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int c) { protegido_([&] { dbgCabecerasHeadClick(c); }); });
    // Any cell of the declarations grid made current, in another row or the same one.
    connect(dbgCabeceras->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { protegido_([&] { dbgCabecerasRowColChange(); }); });
}

void frmRetxCab::crearConcepto(QVBoxLayout* principal)
{
    auto* filaConcepto = new QHBoxLayout;
    cbxConcepto = new QComboBox(this);
    cbxConcepto->setObjectName(u"cbxConcepto"_s);
    cbxConcepto->addItem(u"00 - < TODOS >"_s);
    cbxConcepto->setMinimumContentsLength(36);
    auto* mostrar = new QLabel(u"Mostrar concepto:"_s, this);
    mostrar->setBuddy(cbxConcepto);
    lblRetenciones = rotulo(this, "lblRetenciones", u" Retenciones/Percepciones"_s);
    filaConcepto->addWidget(lblRetenciones, 1);
    filaConcepto->addWidget(mostrar);
    filaConcepto->addWidget(cbxConcepto);
    principal->addLayout(filaConcepto);
    // A choice of the user's, the same item again included.
    connect(cbxConcepto, &QComboBox::activated, this,
            [this](int i) { protegido_([&] { cbxConceptoClick(i); }); });
}

void frmRetxCab::crearRetenciones(QHBoxLayout* medio)
{
    dbgRetenciones = new GrillaRegistros(contexto_.base, u"dbgRetenciones"_s, this);
    dbgRetenciones->setToolTip(
        u"Retenciones/Percepciones registradas en la Declaración Seleccionada."_s);
    dbgRetenciones->modelo().setColumnas(columnasRetenciones());
    dbgRetenciones->horizontalHeader()->setSectionsClickable(true);
    connect(dbgRetenciones->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int c) { protegido_([&] { dbgRetencionesHeadClick(c); }); });
    connect(dbgRetenciones, &QAbstractItemView::doubleClicked, this,
            [this] { protegido_([&] { cmdAgregarClick(); }); });
    medio->addWidget(dbgRetenciones, 1);
}

void frmRetxCab::crearFlechas(QHBoxLayout* medio)
{
    auto* flechas = new QVBoxLayout;
    cmdAgregar = boton("cmdAgregar", u">"_s, u"Agrega el registro seleccionado a la lista."_s,
                       &frmRetxCab::cmdAgregarClick);
    cmdAgregarT = boton("cmdAgregarT", u">>"_s, u"Agrega todos los registros a la lista."_s,
                        &frmRetxCab::cmdAgregarTClick);
    cmdSacar = boton("cmdSacar", u"<"_s, u"Quita el registro seleccionado de la lista."_s,
                     &frmRetxCab::cmdSacarClick);
    cmdSacarT = boton("cmdSacarT", u"<<"_s, u"Quita todos los registros de la lista."_s,
                      &frmRetxCab::cmdSacarTClick);
    flechas->addStretch(1);
    for (QPushButton* b : {cmdAgregar, cmdAgregarT, cmdSacar, cmdSacarT}) {
        b->setFixedWidth(b->fontMetrics().horizontalAdvance(u">>"_s) + 28);
        flechas->addWidget(b);
    }
    flechas->addStretch(1);
    medio->addLayout(flechas);
}

void frmRetxCab::crearLista(QHBoxLayout* medio)
{
    lstComprob = new QListWidget(this);
    lstComprob->setObjectName(u"lstComprob"_s);
    lstComprob->setToolTip(u"Lista de Ret./Perc. para imprimir comprobantes."_s);
    lstComprob->setFixedWidth(lstComprob->fontMetrics().horizontalAdvance(u"00000000"_s) + 40);
    connect(lstComprob, &QListWidget::itemDoubleClicked, this,
            [this] { protegido_([&] { cmdSacarClick(); }); });
    medio->addWidget(lstComprob);
}

void frmRetxCab::crearCifras(QHBoxLayout* pie)
{
    auto* cifras = new QGridLayout;
    lblCantidad = cifra(this, "lblCantidad");
    lblTotBruto = cifra(this, "lblTotBruto");
    lblTotRetenido = cifra(this, "lblTotRetenido");
    cifras->addWidget(new QLabel(u"Cant. de registros:"_s, this), 0, 0);
    cifras->addWidget(lblCantidad, 0, 1);
    cifras->addWidget(new QLabel(u"Total Bruto:"_s, this), 0, 2);
    cifras->addWidget(lblTotBruto, 0, 3);
    cifras->addWidget(new QLabel(u"Total Ret./Perc.:"_s, this), 0, 4);
    cifras->addWidget(lblTotRetenido, 0, 5);
    pie->addLayout(cifras);
}

void frmRetxCab::crearBotones(QHBoxLayout* pie)
{
    cmdImprimir = boton("cmdImprimir", u"Imprimir &Listado"_s,
                        u"Imprimir un listado con todas las Ret./Perc. correspondientes a la "
                        u"Declaración seleccionada."_s,
                        &frmRetxCab::cmdImprimirClick);
    cmdImprimirC = boton("cmdImprimirC", u"Imprimir &Comprob."_s,
                         u"Imprimir comprobantes para las Ret./Perc. de la lista."_s,
                         &frmRetxCab::cmdImprimirCClick);
    cmdSalir = crearBoton(this, u"cmdSalir"_s, u"&Salir"_s);
    connect(cmdSalir, &QPushButton::clicked, this, &QDialog::close);
    for (QPushButton* b : {cmdImprimir, cmdImprimirC, cmdSalir}) pie->addWidget(b);
}
