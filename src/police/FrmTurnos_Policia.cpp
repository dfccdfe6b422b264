#include "police/FrmTurnos_Policia.h"

#include "common/contexto.h"
#include "common/obleas.h"
#include "common/turnos.h"
#include "database/base_datos.h"
#include "database/entorno.h"
#include "forms/botones.h"
#include "forms/grilla_registros.h"
#include "platform/dialogs.h"
#include "platform/reloj.h"
#include "police/FrmMultasTurno.h"
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

FrmTurnos_Policia::FrmTurnos_Policia(Contexto& contexto, ServiciosTurnos servicios,
                                     QWidget* parent)
    : QDialog(parent), contexto_(contexto), servicios_(std::move(servicios)),
      protegido_(contexto.dialogs, Protector::Aviso::Simple)
{
    setObjectName(u"FrmTurnos_Policia"_s);
    setWindowTitle(u"Rendiciones Parciales Policía"_s);
    crearPantalla();
}

void FrmTurnos_Policia::crearPantalla()
{
    auto* columna = new QVBoxLayout(this);
    Label1 = new QLabel(u"Turnos :"_s, this);
    Label1->setObjectName(u"Label1"_s);
    columna->addWidget(Label1);

    DBG_Turnos = new GrillaRegistros(contexto_.base, u"DBG_Turnos"_s, this);
    DBG_Turnos->modelo().setColumnas(columnas());
    DBG_Turnos->horizontalHeader()->setSectionsClickable(false);
    columna->addWidget(DBG_Turnos, 1);

    Chk_TodasCabeceras = new QCheckBox(u"Ver Sólo Turnos de la Cabecera Actual"_s, this);
    Chk_TodasCabeceras->setObjectName(u"Chk_TodasCabeceras"_s);
    Chk_TodasCabeceras->setChecked(true);
    Lbl_mensaje = new QLabel(u"Para Iniciar/Finalizar turnos, debe activar una DDJJ"_s, this);
    Lbl_mensaje->setObjectName(u"Lbl_mensaje"_s);
    columna->addWidget(Chk_TodasCabeceras);
    columna->addWidget(Lbl_mensaje);

    Cmd_Iniciar_Turno = crearBoton(this, u"Cmd_Iniciar_Turno"_s, u"Iniciar Turno"_s);
    Cmd_Finalizar = crearBoton(this, u"Cmd_Finalizar"_s, u"Finalizar Turno"_s);
    Cmd_Ver = crearBoton(this, u"Cmd_Ver"_s, u"Ver Detalle del Turno seleccionado"_s);
    auto* acciones = new QHBoxLayout;
    for (QPushButton* b : {Cmd_Iniciar_Turno, Cmd_Finalizar, Cmd_Ver}) acciones->addWidget(b);
    acciones->addStretch(1);
    columna->addLayout(acciones);

    Fra_imprimir = new QGroupBox(u"Imprimir"_s, this);
    Fra_imprimir->setObjectName(u"Fra_imprimir"_s);
    auto* impresos = new QHBoxLayout(Fra_imprimir);
    Cmd_Rendicion = crearBoton(Fra_imprimir, u"Cmd_Rendicion"_s, u"Rendición detallada"_s);
    cmdPago = crearBoton(Fra_imprimir, u"cmdPago"_s, u"Boleta de Depósito del Turno"_s);
    impresos->addWidget(Cmd_Rendicion);
    impresos->addWidget(cmdPago);
    impresos->addStretch(1);
    cmdSalir = crearBoton(this, u"cmdSalir"_s, u"&Salir"_s, 104);
    auto* pie = new QHBoxLayout;
    pie->addWidget(Fra_imprimir);
    pie->addStretch(1);
    pie->addWidget(cmdSalir, 0, Qt::AlignBottom);
    columna->addLayout(pie);

    // Until a shift is selected nothing can be seen or printed.
    Cmd_Ver->setEnabled(false);
    Fra_imprimir->hide();
    Cmd_Rendicion->setEnabled(static_cast<bool>(servicios_.rendicion));
    cmdPago->setEnabled(static_cast<bool>(servicios_.boletaDeposito));

    connect(DBG_Turnos, &GrillaRegistros::filaCambiada, this,
            [this] { protegido_([this] { DBG_Turnos_RowColChange(); }); });
    connect(Chk_TodasCabeceras, &QCheckBox::clicked, this, [this] { protegido_([this] { listar(); }); });
    connect(Cmd_Iniciar_Turno, &QPushButton::clicked, this,
            [this] { protegido_([this] { Cmd_Iniciar_Turno_Click(); }); });
    connect(Cmd_Finalizar, &QPushButton::clicked, this,
            [this] { protegido_([this] { Cmd_Finalizar_Click(); }); });
    connect(Cmd_Ver, &QPushButton::clicked, this, [this] { imprimir(servicios_.rendicion); });
    connect(Cmd_Rendicion, &QPushButton::clicked, this, [this] { imprimir(servicios_.rendicion); });
    connect(cmdPago, &QPushButton::clicked, this, [this] { imprimir(servicios_.boletaDeposito); });
    connect(cmdSalir, &QPushButton::clicked, this, &QDialog::accept);
    resize(900, 480);
}

bool FrmTurnos_Policia::hayCabecera() const
{
    return contexto_.entorno.cabeceraActual().has_value();
}

void FrmTurnos_Policia::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    if (!primeraActivacion_) return;
    primeraActivacion_ = false;
    protegido_([this] { primeraActivacion(); });
}

void FrmTurnos_Policia::primeraActivacion()
{
    if (!Hay_Remesas(contexto_.base)) {
        contexto_.dialogs.aviso(u"Debe Cargar las Remesas de Obleas"_s, QString(),
                                Icono::Informacion);
        // The window is being shown: it closes as soon as that is over.
        QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
        return;
    }
    if (!hayCabecera()) {
        Chk_TodasCabeceras->setChecked(false);
        Chk_TodasCabeceras->hide();
        Cmd_Finalizar->hide();
        Cmd_Iniciar_Turno->hide();
        Lbl_mensaje->show();
        listar();
        return;
    }
    Chk_TodasCabeceras->setChecked(true);
    Chk_TodasCabeceras->show();
    Lbl_mensaje->hide();
    const bool abierto = Hay_Turno_Abierto(contexto_.base, contexto_.entorno.idCabecera());
    Cmd_Iniciar_Turno->setVisible(!abierto);
    Cmd_Finalizar->setVisible(abierto);
    listar();
}

void FrmTurnos_Policia::listar()
{
    if (Chk_TodasCabeceras->isChecked() && hayCabecera())
        DBG_Turnos->modelo().setFuente(u"Turnos"_s, u"IdCabecera = ?"_s,
                                       {contexto_.entorno.idCabecera()});
    else
        DBG_Turnos->modelo().setFuente(u"Turnos"_s,
                                       u"IdCabecera IN (SELECT IdCabecera FROM Cabeceras)"_s);
    // In the order the shifts were started.
    DBG_Turnos->consultar({});
    if (DBG_Turnos->hayFilas()) {
        DBG_Turnos->irAUltima();
    } else {
        Cmd_Ver->setEnabled(false);
    }
}

std::optional<Turno> FrmTurnos_Policia::turnoActual() const
{
    const auto fila = DBG_Turnos->registroActual();
    if (!fila) return std::nullopt;
    return turnoDe(*fila);
}

void FrmTurnos_Policia::DBG_Turnos_RowColChange()
{
    const auto turno = turnoActual();
    if (!turno) return;
    Cmd_Ver->show();
    Cmd_Ver->setEnabled(static_cast<bool>(servicios_.rendicion));
    if (turno->abierto()) {
        Cmd_Iniciar_Turno->hide();
        Fra_imprimir->hide();
        Cmd_Finalizar->setVisible(hayCabecera());
        Cmd_Finalizar->setEnabled(true);
        return;
    }
    Cmd_Finalizar->hide();
    if (!hayCabecera()) return;
    Fra_imprimir->show();
    if (!Hay_Turno_Abierto(contexto_.base, contexto_.entorno.idCabecera())) Cmd_Iniciar_Turno->show();
}

void FrmTurnos_Policia::Cmd_Iniciar_Turno_Click()
{
    const auto& cabecera = contexto_.entorno.cabeceraActual();
    if (!cabecera) return;
    if (Hay_Turno_Abierto(contexto_.base, cabecera->idCabecera)) {
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
    Cmd_Finalizar->show();
    Cmd_Iniciar_Turno->hide();
}

void FrmTurnos_Policia::Cmd_Finalizar_Click()
{
    const auto turno = turnoActual();
    if (!turno || !turno->abierto()) return;
    FrmMultasTurno dialogo(contexto_, *turno, servicios_.rendicion, this);
    contexto_.dialogs.abrirModal(dialogo);
    if (!dialogo.Confirma()) return;
    if (!finalizarTurno(contexto_.base, turno->codTurno, dialogo.vfD(), dialogo.vHD())) {
        contexto_.dialogs.aviso(u"Error al localizar el turno"_s);
        return;
    }
    listar();
    Cmd_Finalizar->hide();
    Cmd_Iniciar_Turno->setVisible(
        hayCabecera() && !Hay_Turno_Abierto(contexto_.base, contexto_.entorno.idCabecera()));
}

void FrmTurnos_Policia::imprimir(const std::function<void(const Turno&)>& documento)
{
    if (!documento) return;
    protegido_([&] {
        if (const auto turno = turnoActual()) documento(*turno);
    });
}
