// The widgets of the declarations form: the grid of months, the frame with the year and month
// boxes, the state, the progress of a file being written, and the button column of the mode.

#include "declarations/frmCabeceras.h"

#include "common/contexto.h"
#include "forms/botones.h"
#include "forms/campos_edicion.h"
#include "forms/grilla_registros.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

ColumnaGrilla columna(const char* campo, const char* titulo, int ancho)
{
    return {QString::fromLatin1(campo), QString::fromUtf8(titulo), Qt::AlignHCenter, ancho, false};
}

ColumnaGrilla oculta(const char* campo)
{
    ColumnaGrilla c(QString::fromLatin1(campo), QString(), Qt::AlignHCenter, 0, false);
    c.oculta = true;
    return c;
}

// The columns of `Cabeceras` in table order; "Estado" and "Obs." show the codes.
std::vector<ColumnaGrilla> columnasCabeceras()
{
    return {columna("Nro_Agente", "Agente", 8), columna("Sucursal", "Sucursal", 6),
            columna("Cod_Regimen", "Rég.", 4),  columna("Anio", "Año", 6),
            columna("Mes", "Mes", 4),           columna("Rectifica", "Rect.", 4),
            columna("Estado", "Estado", 5),     oculta("IdCabecera"),
            columna("MarcaObs", "Obs.", 4),     columna("Origen", "Origen", 5),
            oculta("Descartados")};
}

// Where each button stands in the column, top to bottom (in twips, 1440 to the inch),
// and where a mode moves it.
int posicion(const QString& boton, ModoCabeceras modo)
{
    if (modo == ModoCabeceras::Emision) {
        if (boton == QLatin1String("cmdDecJurada")) return 120;
        if (boton == QLatin1String("cmdPago")) return 600;
        if (boton == QLatin1String("Cmd_DDJJ_Policia")) return 1080;
    }
    if (modo == ModoCabeceras::Rectificacion && boton == QLatin1String("cmdRectificar"))
        return 3000;
    if (modo == ModoCabeceras::Deshacer && boton == QLatin1String("cmdDeshacer")) return 120;
    static const std::pair<const char*, int> diseno[] = {
        {"cmdCrear", 120},          {"CmdModificar", 600},     {"cmdBorrar", 1080},
        {"cmdRectificar", 1440},    {"cmdGrabar", 1800},       {"cmdDeshacer", 2040},
        {"cmdIntervenciones", 2160}, {"cmdCancelar", 2280},    {"cmdDecJurada", 2670},
        {"cmdActivar", 3000},       {"cmdPago", 3390},         {"cmdSalir", 3720},
        {"Cmd_DDJJ_Policia", 4140}};
    for (const auto& [nombre, y] : diseno)
        if (boton == QLatin1String(nombre)) return y;
    return 0;
}

bool visibleEnModo(const BotonesCabeceras& b, const QString& boton)
{
    const std::pair<const char*, bool> botones[] = {
        {"cmdCrear", b.crear},           {"CmdModificar", b.modificar},
        {"cmdBorrar", b.borrar},         {"cmdGrabar", b.grabar},
        {"cmdCancelar", b.cancelar},     {"cmdActivar", b.activar},
        {"cmdRectificar", b.rectificar}, {"cmdDeshacer", b.deshacer},
        {"cmdDecJurada", b.decJurada},   {"cmdPago", b.pago}};
    for (const auto& [nombre, visible] : botones)
        if (boton == QLatin1String(nombre)) return visible;
    return false;
}

} // namespace

void frmCabeceras::crearPantalla()
{
    setObjectName(QStringLiteral("frmCabeceras"));
    auto* principal = new QHBoxLayout(this);
    auto* izquierda = new QVBoxLayout;
    principal->addLayout(izquierda, 1);

    crearGrilla();
    izquierda->addWidget(dbgCabeceras, 1);

    crearMarco();
    auto* estado = new QLabel(QStringLiteral("Estado:"), this);
    auto* fila = new QHBoxLayout;
    fila->addWidget(fraCabecera);
    fila->addStretch(1);
    // The state reads on the line of the year and month boxes, as a box of the same height.
    fila->addWidget(estado, 0, Qt::AlignVCenter);
    fila->addWidget(lblEstadoDescripcion, 0, Qt::AlignVCenter);
    izquierda->addLayout(fila);

    crearProgreso();
    auto* avance = new QHBoxLayout;
    avance->addWidget(lblProcesando);
    avance->addWidget(barraProgreso, 1);
    izquierda->addLayout(avance);

    crearBotones();
    // The mode's buttons in the order of their places; the designed gaps between the groups stay.
    std::vector<QPushButton*> columna{cmdCrear,      cmdModificar,      cmdBorrar,   cmdRectificar,
                                      cmdGrabar,     cmdDeshacer,       cmdIntervenciones,
                                      cmdCancelar,   cmdDecJurada,      cmdActivar,  cmdPago,
                                      cmdDDJJPolicia};
    std::stable_sort(columna.begin(), columna.end(), [this](QPushButton* a, QPushButton* b) {
        return posicion(a->objectName(), modo_) < posicion(b->objectName(), modo_);
    });
    const BotonesCabeceras delModo = botonesCabeceras(modo_);
    // The police regime's buttons keep their places in the emit mode; the first activation shows
    // them when they apply.
    auto tieneLugar = [&](QPushButton* b) {
        if (b == cmdIntervenciones || b == cmdDDJJPolicia) return modo_ == ModoCabeceras::Emision;
        return visibleEnModo(delModo, b->objectName());
    };
    auto* botones = new QVBoxLayout;
    principal->addLayout(botones);
    int anterior = -1;
    for (QPushButton* b : columna) {
        b->setVisible(visibleEnModo(delModo, b->objectName()));
        const int y = posicion(b->objectName(), modo_);
        if (tieneLugar(b)) {
            if (anterior >= 0 && y - anterior > 500) botones->addSpacing(12);
            anterior = y;
        }
        botones->addWidget(b);
    }
    botones->addStretch(1);
    botones->addWidget(cmdSalir);

    resize(640, modo_ == ModoCabeceras::Emision ? 380 : 360);
}

void frmCabeceras::crearGrilla()
{
    dbgCabeceras = new GrillaRegistros(contexto_.base, QStringLiteral("dbgCabeceras"), this);
    dbgCabeceras->modelo().setColumnas(columnasCabeceras());
    dbgCabeceras->horizontalHeader()->setSectionsClickable(true);
    connect(dbgCabeceras->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this] { protegido_([&] { dbgCabecerasHeadClick(); }); });
    connect(dbgCabeceras, &GrillaRegistros::filaCambiada, this,
            [this] { protegido_([&] { dbgCabecerasRowColChange(); }); });
    connect(dbgCabeceras, &QAbstractItemView::doubleClicked, this,
            [this] { protegido_([&] { dbgCabecerasDblClick(); }); });
}

void frmCabeceras::crearMarco()
{
    fraCabecera = new QGroupBox(this);
    fraCabecera->setObjectName(QStringLiteral("fraCabecera"));
    auto* rejilla = new QHBoxLayout(fraCabecera);
    mskAnio = new CajaMascara(QStringLiteral("mskAnio"), QStringLiteral("0000"), fraCabecera);
    mskMes = new CajaMascara(QStringLiteral("mskMes"), QStringLiteral("00"), fraCabecera);
    for (CajaMascara* caja : {mskAnio, mskMes}) {
        const int digitos = caja == mskAnio ? 4 : 2;
        caja->setFixedWidth(
            caja->fontMetrics().horizontalAdvance(QString(digitos + 1, QLatin1Char('0'))) + 16);
        caja->setAlignment(Qt::AlignHCenter);
    }
    auto* anio = new QLabel(QStringLiteral("Año:"), fraCabecera);
    anio->setBuddy(mskAnio);
    auto* mes = new QLabel(QStringLiteral("Mes:"), fraCabecera);
    mes->setBuddy(mskMes);
    rejilla->addWidget(anio);
    rejilla->addWidget(mskAnio);
    rejilla->addSpacing(16);
    rejilla->addWidget(mes);
    rejilla->addWidget(mskMes);

    lblEstadoDescripcion = new QLabel(this);
    lblEstadoDescripcion->setObjectName(QStringLiteral("lblEstadoDescripcion"));
    lblEstadoDescripcion->setFrameShape(QFrame::Panel);
    lblEstadoDescripcion->setFrameShadow(QFrame::Sunken);
    lblEstadoDescripcion->setMinimumWidth(
        lblEstadoDescripcion->fontMetrics().horizontalAdvance(QStringLiteral(" Abierta ")) + 24);
    lblEstadoDescripcion->setMinimumHeight(mskAnio->sizeHint().height());
    lblEstadoDescripcion->setIndent(4);
}

void frmCabeceras::crearProgreso()
{
    lblProcesando = new QLabel(QStringLiteral("Procesando, espere por favor..."), this);
    lblProcesando->setObjectName(QStringLiteral("lblProcesando"));
    barraProgreso = new QProgressBar(this);
    barraProgreso->setObjectName(QStringLiteral("ProgressBar1"));
    barraProgreso->setRange(0, 100);
    barraProgreso->setValue(0);
    barraProgreso->setTextVisible(false);
    // Hidden until a file is written; the row keeps its height so that the form does not jump.
    for (QWidget* w :
         {static_cast<QWidget*>(lblProcesando), static_cast<QWidget*>(barraProgreso)}) {
        QSizePolicy politica = w->sizePolicy();
        politica.setRetainSizeWhenHidden(true);
        w->setSizePolicy(politica);
        w->hide();
    }
}

QPushButton* frmCabeceras::boton(const QString& nombre, const QString& texto,
                                 void (frmCabeceras::*accion)())
{
    auto* b = crearBoton(this, nombre, texto, 112);
    connect(b, &QPushButton::clicked, this,
            [this, accion] { protegido_([&] { (this->*accion)(); }); });
    return b;
}

void frmCabeceras::crearBotones()
{
    const QString ayudaDeclaracion =
        QStringLiteral("Imprimir Declaración Jurada y generar el correspondiente diskette.");
    cmdCrear = boton(u"cmdCrear"_s, u"Cre&ar"_s, &frmCabeceras::cmdCrearClick);
    cmdModificar = boton(u"CmdModificar"_s, u"&Modificar"_s, &frmCabeceras::cmdModificarClick);
    cmdBorrar = boton(u"cmdBorrar"_s, u"&Borrar"_s, &frmCabeceras::cmdBorrarClick);
    cmdRectificar = boton(u"cmdRectificar"_s, u"&Rectificar"_s, &frmCabeceras::cmdRectificarClick);
    cmdGrabar = boton(u"cmdGrabar"_s, u"&Grabar"_s, &frmCabeceras::cmdGrabarClick);
    cmdDeshacer = boton(u"cmdDeshacer"_s, u"&Deshacer"_s, &frmCabeceras::cmdDeshacerClick);
    cmdIntervenciones = boton(u"cmdIntervenciones"_s, u"Interv. Realizadas"_s,
                              &frmCabeceras::cmdIntervencionesClick);
    cmdCancelar = boton(u"cmdCancelar"_s, u"&Cancelar"_s, &frmCabeceras::cmdCancelarClick);
    cmdDecJurada = boton(u"cmdDecJurada"_s, u"D.&Jurada"_s, &frmCabeceras::cmdDecJuradaClick);
    cmdDecJurada->setToolTip(ayudaDeclaracion);
    cmdActivar = boton(u"cmdActivar"_s, u"Ac&tivar"_s, &frmCabeceras::cmdActivarClick);
    cmdPago = boton(u"cmdPago"_s, u"B. de &Pago"_s, &frmCabeceras::cmdPagoClick);
    cmdPago->setToolTip(
        QStringLiteral("Imprimir Boleta de Pago de la Declaración seleccionada."));
    cmdSalir = boton(u"cmdSalir"_s, u"&Salir"_s, &frmCabeceras::cmdSalirClick);
    // Alt+J is the declaration's and Alt+P the payment slip's, both shown beside it.
    cmdDDJJPolicia =
        boton(u"Cmd_DDJJ_Policia"_s, u"D.Jurada P&olicía"_s, &frmCabeceras::cmdDDJJPoliciaClick);
    cmdDDJJPolicia->setToolTip(ayudaDeclaracion);
}
