#include "police/frmMultasTurno.h"

#include "common/contexto.h"
#include "database/codigos.h"
#include "database/importe.h"
#include "forms/botones.h"
#include "forms/campos_edicion.h"
#include "forms/grilla_registros.h"
#include "platform/dialogs.h"
#include "platform/reloj.h"
#include "police/conteo_estampillas.h"
#include "police/textos_turnos.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

// The fine of the stamp row's receipt, and its officer, read beside each stamp.
QString deLaMulta(const char* expresion)
{
    return u"(SELECT "_s + QString::fromLatin1(expresion)
           + u" FROM Multas_cobradas m LEFT JOIN Policias p ON p.CodPolicia = m.CodPolicia "
             "WHERE m.IdCabecera = Guias.IdCabecera AND m.Nro_Comprobante = Guias.Nro_Comprobante)"_s;
}

std::vector<ColumnaGrilla> columnasMultas()
{
    std::vector<ColumnaGrilla> c{
        {deLaMulta("m.Fecha_cobro"), u"Fecha"_s, Qt::AlignHCenter, 10, false},
        {deLaMulta("m.Hora_Cobro"), u"Hora "_s, Qt::AlignHCenter, 6, false},
        {deLaMulta("p.Nombre"), u"Policía"_s, Qt::AlignLeft, 24, true},
        {deLaMulta("m.Importe_Multa"), u"Multa"_s, Qt::AlignRight, 11, false},
        {u"NroGuia"_s, u"Estampilla"_s, Qt::AlignHCenter, 9, false},
    };
    c[0].formato = textos_turnos::fecha;
    c[1].formato = textos_turnos::hora;
    c[3].formato = textos_turnos::moneda;
    return c;
}

QLabel* celda(const QString& nombre, QWidget* padre)
{
    QLabel* l = visor(nombre, padre, 70, Qt::AlignRight | Qt::AlignVCenter);
    l->setText(u"0"_s);
    return l;
}

} // namespace

frmMultasTurno::frmMultasTurno(Contexto& contexto, const Turno& turno,
                               std::function<void(const Turno&)> borrador, QWidget* parent)
    : QDialog(parent), contexto_(contexto), turno_(turno), borrador_(std::move(borrador)),
      protegido_(contexto.dialogs, Protector::Aviso::Simple)
{
    setObjectName(u"FrmMultasTurno"_s);
    setWindowTitle(u"Multas y Estampillas Cobradas En Un Turno"_s);
    crearPantalla();
    // The counts shown are those the finish stores: nothing can be entered while this is open.
    protegido_([this] {
        mostrarConteos();
        dbgTurnos->consultar({});
    });
}

void frmMultasTurno::crearPantalla()
{
    auto* columna = new QVBoxLayout(this);

    auto* obleas = new QGroupBox(this);
    auto* tabla = new QGridLayout(obleas);
    auto* titulo = new QLabel(u"OBLEAS"_s, obleas);
    titulo->setObjectName(u"Label2"_s);
    tabla->addWidget(titulo, 0, 0, 1, 5);
    lblCartelFinal = new QLabel(u"Cantidad Final"_s, obleas);
    lblCartelFinal->setObjectName(u"Lbl_Cartel_final"_s);
    const QStringList encabezados{u"Tipo"_s, u"Cantidad  Inicial"_s, u"+ Nuevas Remesas"_s,
                                  u"- Vendidas"_s};
    for (int i = 0; i < encabezados.size(); ++i)
        tabla->addWidget(new QLabel(encabezados[i], obleas), 1, i);
    tabla->addWidget(lblCartelFinal, 1, 4);
    for (int n = 1; n <= 4; ++n) {
        const auto i = std::size_t(n - 1);
        const QString sufijo = QString::number(n);
        tabla->addWidget(new QLabel(QString(letraEstampilla(n)), obleas), n + 1, 0);
        lblIni[i] = celda(u"Lbl_ini"_s + sufijo, obleas);
        lblNuevas[i] = celda(u"Lbl_Nuevas"_s + sufijo, obleas);
        lblVendidas[i] = celda(u"Lbl_Vendidas"_s + sufijo, obleas);
        lblFinal[i] = celda(u"Lbl_Final"_s + sufijo, obleas);
        tabla->addWidget(lblIni[i], n + 1, 1);
        tabla->addWidget(lblNuevas[i], n + 1, 2);
        tabla->addWidget(lblVendidas[i], n + 1, 3);
        tabla->addWidget(lblFinal[i], n + 1, 4);
    }
    columna->addWidget(obleas);

    auto* multas = new QLabel(u"MULTAS"_s, this);
    multas->setObjectName(u"Label3"_s);
    columna->addWidget(multas);
    dbgTurnos = new GrillaRegistros(contexto_.base, u"DBG_Turnos"_s, this);
    dbgTurnos->modelo().setFuente(
        u"Guias"_s,
        u"Guias.IdCabecera = ? AND upper(substr(Guias.NroGuia, 1, 1)) IN ('A', 'B', 'C', 'D') "
        "AND EXISTS (SELECT 1 FROM Retenciones r WHERE r.IdCabecera = Guias.IdCabecera "
        "AND r.Nro_Comprobante = Guias.Nro_Comprobante AND r.Estado <> ?) "
        "AND EXISTS (SELECT 1 FROM Multas_cobradas m WHERE m.IdCabecera = Guias.IdCabecera "
        "AND m.Nro_Comprobante = Guias.Nro_Comprobante AND m.Cod_Turno = ?)"_s,
        {turno_.idCabecera, estado_retencion::Anulada, turno_.codTurno});
    dbgTurnos->modelo().setColumnas(columnasMultas());
    dbgTurnos->horizontalHeader()->setSectionsClickable(false);
    columna->addWidget(dbgTurnos, 1);

    cmdConfirmar = crearBoton(this, u"CmdConfirmar"_s, u"Confirmar Finalizar Turno"_s);
    cmdDescartar = crearBoton(this, u"CmdDescartar"_s, u"No Finalizar Turno"_s);
    cmdRendicion = crearBoton(this, u"Cmd_Rendicion"_s,
                               u"Ver / Imprimir BORRADOR de la Rendición detallada"_s);
    cmdSalir = crearBoton(this, u"cmdSalir"_s, u"&Salir"_s);
    cmdSalir->hide();
    cmdRendicion->setEnabled(static_cast<bool>(borrador_));
    auto* botones = new QHBoxLayout;
    for (QPushButton* b : {cmdConfirmar, cmdDescartar, cmdRendicion, cmdSalir})
        botones->addWidget(b);
    columna->addLayout(botones);

    connect(cmdConfirmar, &QPushButton::clicked, this, &frmMultasTurno::cmdConfirmarClick);
    connect(cmdDescartar, &QPushButton::clicked, this, &frmMultasTurno::cmdDescartarClick);
    connect(cmdRendicion, &QPushButton::clicked, this, [this] {
        if (borrador_) protegido_([this] { borrador_(turno_); });
    });
    connect(cmdSalir, &QPushButton::clicked, this, &QDialog::reject);
    resize(640, 520);
}

void frmMultasTurno::mostrarConteos()
{
    lblCartelFinal->setText(u"Cantidad Actual"_s);
    for (int n = 1; n <= 4; ++n) {
        const auto i = std::size_t(n - 1);
        const ConteoEstampillas c = contarEstampillas(contexto_.base, turno_, n);
        lblIni[i]->setText(QString::number(c.inicial));
        lblNuevas[i]->setText(QString::number(c.nuevas));
        lblVendidas[i]->setText(QString::number(c.vendidas));
        lblFinal[i]->setText(QString::number(c.final));
    }
}

void frmMultasTurno::cmdConfirmarClick()
{
    const QDate FD = contexto_.reloj.hoy();
    const QTime Hd = contexto_.reloj.ahora();
    if (!contexto_.dialogs.preguntaSiNo(textos_turnos::preguntaFin(FD, Hd),
                                        textos_turnos::kTituloPregunta, Respuesta::No,
                                        Icono::Informacion))
        return;
    vfD_ = FD;
    vHD_ = Hd;
    confirma_ = true;
    accept();
}

void frmMultasTurno::cmdDescartarClick()
{
    confirma_ = false;
    reject();
}
