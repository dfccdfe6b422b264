#include "reference/frmGranos.h"

#include "common/contexto.h"
#include "database/error_motor.h"
#include "database/filas.h"
#include "forms/botones.h"
#include "forms/grilla_registros.h"
#include "platform/dialogs.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

frmGranos::frmGranos(Contexto& contexto, QWidget* parent)
    : QDialog(parent), contexto_(contexto),
      dbgGranos_(new GrillaRegistros(contexto.base, u"dbgGranos"_s, this)),
      cmdSeleccionar_(crearBoton(this, u"cmdSeleccionar"_s, u"S&eleccionar"_s, 104)),
      cmdSalir_(crearBoton(this, u"cmdSalir"_s, u"&Salir"_s, 104)),
      protegido_(contexto.dialogs, Protector::Aviso::Simple)
{
    setObjectName(u"frmGranos"_s);
    setWindowTitle(u"Tipos de Granos"_s);

    auto* principal = new QHBoxLayout(this);
    principal->addWidget(dbgGranos_, 1);
    auto* botones = new QVBoxLayout;
    botones->addWidget(cmdSeleccionar_);
    botones->addStretch(1);
    botones->addWidget(cmdSalir_);
    principal->addLayout(botones);

    dbgGranos_->modelo().setFuente(u"Granos"_s);
    dbgGranos_->modelo().setColumnas({
        {u"Grano"_s, u"Grano"_s, Qt::AlignHCenter, 6, false},
        {u"Nombre"_s, u"Descripción"_s, Qt::AlignLeft, 30, true},
    });
    // A click on a header does nothing here.
    dbgGranos_->horizontalHeader()->setSectionsClickable(false);

    connect(cmdSeleccionar_, &QPushButton::clicked, this, &frmGranos::cmdSeleccionarClick);
    connect(cmdSalir_, &QPushButton::clicked, this, &QDialog::reject);
    connect(dbgGranos_, &QAbstractItemView::doubleClicked, this, [this] {
        if (!cmdSeleccionar_->isHidden()) cmdSeleccionarClick();
    });

    protegido_([this] { dbgGranos_->consultar({}); });  // as stored
    dbgGranos_->irAFila(0);
    resize(420, 380);
}

void frmGranos::cmdSeleccionarClick()
{
    // An empty list has nothing to hand back: the opener's field stays as it was.
    std::optional<QSqlRecord> fila;
    if (!protegido_([&] { fila = dbgGranos_->registroActual(); }) || !fila) return;
    seleccion_ = QString::number(granoDe(*fila).grano).rightJustified(2, u'0');
    accept();
}
