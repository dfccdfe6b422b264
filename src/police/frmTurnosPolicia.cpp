#include "police/frmTurnosPolicia.h"

#include "common/contexto.h"
#include "common/obleas.h"
#include "common/turnos.h"
#include "database/base_datos.h"
#include "database/entorno.h"
#include "forms/botones.h"
#include "forms/grilla_registros.h"
#include "platform/dialogs.h"
#include "platform/reloj.h"
#include "police/frmMultasTurno.h"
#include "police/fin_turno.h"
#include "police/inicio_turno.h"
#include "police/textos_turnos.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

// A field of the shift's declaration, read beside each shift.
QString deLaCabecera(const char* campo)
{
    return u"(SELECT c."_s + QString::fromLatin1(campo)
           + u" FROM Cabeceras c WHERE c.IdCabecera = Turnos.IdCabecera)"_s;
}

std::vector<ColumnaGrilla> columnas()
{
    const Qt::Alignment centro = Qt::AlignHCenter;
    std::vector<ColumnaGrilla> c{
        {deLaCabecera("Anio"), u"Anio"_s, centro, 5, false},
        {deLaCabecera("Mes"), u"Mes"_s, centro, 3, false},
        {deLaCabecera("Rectifica"), u"Rectifica"_s, centro, 3, false},
        {deLaCabecera("Estado"), u"Estado"_s, centro, 3, false},
        {u"Fecha_Desde"_s, u"F. Desde"_s, centro, 10, false},
        {u"Hora_Desde"_s, u"Hora"_s, centro, 6, false},
        {u"Fecha_Hasta"_s, u"F. Hasta"_s, centro, 10, false},
        {u"Hora_Hasta"_s, u"Hora"_s, centro, 6, false},
        {u"Total_Estampillas"_s, u"Tot. Estamp."_s, Qt::AlignRight, 12, true},
        {u"Total_Multas"_s, u"Tot. Multas"_s, Qt::AlignRight, 12, true},
    };
    c[4].formato = c[6].formato = textos_turnos::fecha;
    c[5].formato = c[7].formato = textos_turnos::hora;
    c[8].formato = c[9].formato = textos_turnos::moneda;
    return c;
}

const QString kTurnoAbierto = u"Ya tiene un turno abierto"_s;

} // namespace

frmTurnosPolicia::frmTurnosPolicia(Contexto& contexto, ServiciosTurnos servicios,
                                     QWidget* parent)
    : QDialog(parent), contexto_(contexto), servicios_(std::move(servicios)),
      protegido_(contexto.dialogs, Protector::Aviso::Simple)
{
    setObjectName(u"FrmTurnos_Policia"_s);
    setWindowTitle(u"Rendiciones Parciales Policía"_s);
    crearPantalla();
}

void frmTurnosPolicia::crearPantalla()
{
    auto* columna = new QVBoxLayout(this);
    lblTurnos = new QLabel(u"Turnos :"_s, this);
    lblTurnos->setObjectName(u"Label1"_s);
    columna->addWidget(lblTurnos);

    dbgTurnos = new GrillaRegistros(contexto_.base, u"DBG_Turnos"_s, this);
    dbgTurnos->modelo().setColumnas(columnas());
    dbgTurnos->horizontalHeader()->setSectionsClickable(false);
    columna->addWidget(dbgTurnos, 1);

    chkTodasCabeceras = new QCheckBox(u"Ver Sólo Turnos de la Cabecera Actual"_s, this);
    chkTodasCabeceras->setObjectName(u"Chk_TodasCabeceras"_s);
    chkTodasCabeceras->setChecked(true);
    lblMensaje = new QLabel(u"Para Iniciar/Finalizar turnos, debe activar una DDJJ"_s, this);
    lblMensaje->setObjectName(u"Lbl_mensaje"_s);
    columna->addWidget(chkTodasCabeceras);
    columna->addWidget(lblMensaje);

    cmdIniciarTurno = crearBoton(this, u"Cmd_Iniciar_Turno"_s, u"Iniciar Turno"_s);
    cmdFinalizar = crearBoton(this, u"Cmd_Finalizar"_s, u"Finalizar Turno"_s);
    cmdVer = crearBoton(this, u"Cmd_Ver"_s, u"Ver Detalle del Turno seleccionado"_s);
    auto* acciones = new QHBoxLayout;
    for (QPushButton* b : {cmdIniciarTurno, cmdFinalizar, cmdVer}) acciones->addWidget(b);
    acciones->addStretch(1);
    columna->addLayout(acciones);

    fraImprimir = new QGroupBox(u"Imprimir"_s, this);
    fraImprimir->setObjectName(u"Fra_imprimir"_s);
    auto* impresos = new QHBoxLayout(fraImprimir);
    cmdRendicion = crearBoton(fraImprimir, u"Cmd_Rendicion"_s, u"Rendición detallada"_s);
    cmdPago = crearBoton(fraImprimir, u"cmdPago"_s, u"Boleta de Depósito del Turno"_s);
    impresos->addWidget(cmdRendicion);
    impresos->addWidget(cmdPago);
    impresos->addStretch(1);
    cmdSalir = crearBoton(this, u"cmdSalir"_s, u"&Salir"_s, 104);
    auto* pie = new QHBoxLayout;
    pie->addWidget(fraImprimir);
    pie->addStretch(1);
    pie->addWidget(cmdSalir, 0, Qt::AlignBottom);
    columna->addLayout(pie);

    // Until a shift is selected nothing can be seen or printed.
    cmdVer->setEnabled(false);
    fraImprimir->hide();
    cmdRendicion->setEnabled(static_cast<bool>(servicios_.rendicion));
    cmdPago->setEnabled(static_cast<bool>(servicios_.boletaDeposito));

    connect(dbgTurnos, &GrillaRegistros::filaCambiada, this,
            [this] { protegido_([this] { dbgTurnosRowColChange(); }); });
    connect(chkTodasCabeceras, &QCheckBox::clicked, this,
            [this] { protegido_([this] { listar(); }); });
    connect(cmdIniciarTurno, &QPushButton::clicked, this,
            [this] { protegido_([this] { cmdIniciarTurnoClick(); }); });
    connect(cmdFinalizar, &QPushButton::clicked, this,
            [this] { protegido_([this] { cmdFinalizarClick(); }); });
    connect(cmdVer, &QPushButton::clicked, this, [this] { imprimir(servicios_.rendicion); });
    connect(cmdRendicion, &QPushButton::clicked, this, [this] { imprimir(servicios_.rendicion); });
    connect(cmdPago, &QPushButton::clicked, this, [this] { imprimir(servicios_.boletaDeposito); });
    connect(cmdSalir, &QPushButton::clicked, this, &QDialog::accept);
    resize(900, 480);
}

bool frmTurnosPolicia::hayCabecera() const
{
    return contexto_.entorno.cabeceraActual().has_value();
}

void frmTurnosPolicia::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    if (!primeraActivacion_) return;
    primeraActivacion_ = false;
    protegido_([this] { primeraActivacion(); });
}

void frmTurnosPolicia::primeraActivacion()
{
    if (!hayRemesas(contexto_.base)) {
        contexto_.dialogs.aviso(u"Debe Cargar las Remesas de Obleas"_s, QString(),
                                Icono::Informacion);
        // The window is being shown: it closes as soon as that is over.
        QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
        return;
    }
    if (!hayCabecera()) {
        chkTodasCabeceras->setChecked(false);
        chkTodasCabeceras->hide();
        cmdFinalizar->hide();
        cmdIniciarTurno->hide();
        lblMensaje->show();
        listar();
        return;
    }
    chkTodasCabeceras->setChecked(true);
    chkTodasCabeceras->show();
    lblMensaje->hide();
    const bool abierto = hayTurnoAbierto(contexto_.base, contexto_.entorno.idCabecera());
    cmdIniciarTurno->setVisible(!abierto);
    cmdFinalizar->setVisible(abierto);
    listar();
}

void frmTurnosPolicia::listar()
{
    if (chkTodasCabeceras->isChecked() && hayCabecera())
        dbgTurnos->modelo().setFuente(u"Turnos"_s, u"IdCabecera = ?"_s,
                                       {contexto_.entorno.idCabecera()});
    else
        dbgTurnos->modelo().setFuente(u"Turnos"_s,
                                       u"IdCabecera IN (SELECT IdCabecera FROM Cabeceras)"_s);
    // In the order the shifts were started.
    dbgTurnos->consultar({});
    if (dbgTurnos->hayFilas()) {
        dbgTurnos->irAUltima();
    } else {
        cmdVer->setEnabled(false);
    }
}

std::optional<Turno> frmTurnosPolicia::turnoActual() const
{
    const auto fila = dbgTurnos->registroActual();
    if (!fila) return std::nullopt;
    return turnoDe(*fila);
}

void frmTurnosPolicia::dbgTurnosRowColChange()
{
    const auto turno = turnoActual();
    if (!turno) return;
    cmdVer->show();
    cmdVer->setEnabled(static_cast<bool>(servicios_.rendicion));
    if (turno->abierto()) {
        cmdIniciarTurno->hide();
        fraImprimir->hide();
        cmdFinalizar->setVisible(hayCabecera());
        cmdFinalizar->setEnabled(true);
        return;
    }
    cmdFinalizar->hide();
    if (!hayCabecera()) return;
    fraImprimir->show();
    if (!hayTurnoAbierto(contexto_.base, contexto_.entorno.idCabecera())) cmdIniciarTurno->show();
}

void frmTurnosPolicia::cmdIniciarTurnoClick()
{
    const auto& cabecera = contexto_.entorno.cabeceraActual();
    if (!cabecera) return;
    if (hayTurnoAbierto(contexto_.base, cabecera->idCabecera)) {
        contexto_.dialogs.aviso(kTurnoAbierto, kTituloAplicacion, Icono::Critico);
        return;
    }
    // The clock is read once: the instant asked about is the one stored.
    const QDate dia = contexto_.reloj.hoy();
    const QTime hora = contexto_.reloj.ahora();
    if (!contexto_.dialogs.preguntaSiNo(textos_turnos::preguntaInicio(dia, hora),
                                        textos_turnos::kTituloPregunta, Respuesta::No,
                                        Icono::Informacion))
        return;
    switch (iniciarTurno(contexto_.base, *cabecera, dia, hora).estado) {
    case InicioTurno::TurnoAbierto:
        contexto_.dialogs.aviso(kTurnoAbierto, kTituloAplicacion, Icono::Critico);
        return;
    case InicioTurno::RelojAtrasado:
        contexto_.dialogs.aviso(u"ERROR: Ya existe un turno con fecha / hora supreior a la hora del "
                                "sistema\nCorríjala !!!"_s,
                                kTituloAplicacion, Icono::Critico);
        return;
    case InicioTurno::Iniciado: break;
    }
    listar();
    cmdFinalizar->show();
    cmdIniciarTurno->hide();
}

void frmTurnosPolicia::cmdFinalizarClick()
{
    const auto turno = turnoActual();
    if (!turno || !turno->abierto()) return;
    frmMultasTurno dialogo(contexto_, *turno, servicios_.rendicion, this);
    contexto_.dialogs.abrirModal(dialogo);
    if (!dialogo.confirma()) return;
    if (!finalizarTurno(contexto_.base, turno->codTurno, dialogo.vfD(), dialogo.vHD())) {
        contexto_.dialogs.aviso(u"Error al localizar el turno"_s);
        return;
    }
    listar();
    cmdFinalizar->hide();
    cmdIniciarTurno->setVisible(
        hayCabecera() && !hayTurnoAbierto(contexto_.base, contexto_.entorno.idCabecera()));
}

void frmTurnosPolicia::imprimir(const std::function<void(const Turno&)>& documento)
{
    if (!documento) return;
    protegido_([&] {
        if (const auto turno = turnoActual()) documento(*turno);
    });
}
