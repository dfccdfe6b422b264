#include "reference/frmRegimenes.h"

#include "common/contexto.h"
#include "database/entorno.h"
#include "database/error_motor.h"
#include "forms/ayuda.h"
#include "forms/botones.h"
#include "forms/grilla_registros.h"
#include "forms/textos_formularios.h"
#include "platform/dialogs.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

frmRegimenes::frmRegimenes(Contexto& contexto, QWidget* parent)
    : QDialog(parent), contexto_(contexto),
      dbgRegimenes_(new GrillaRegistros(contexto.base, u"dbgRegimenes"_s, this)),
      cmdActivar_(crearBoton(this, u"cmdActivar"_s, u"Ac&tivar"_s, 104)),
      cmdSalir_(crearBoton(this, u"cmdSalir"_s, u"&Salir"_s, 104)),
      protegido_(contexto.dialogs, Protector::Aviso::Simple)
{
    setObjectName(u"frmRegimenes"_s);
    setWindowTitle(u"Regímenes"_s);
    instalarAyudaF1(*this, contexto_, [this] { return objectName(); });

    auto* principal = new QHBoxLayout(this);
    principal->addWidget(dbgRegimenes_, 1);
    auto* botones = new QVBoxLayout;
    botones->addWidget(cmdActivar_);
    botones->addStretch(1);
    botones->addWidget(cmdSalir_);
    principal->addLayout(botones);

    std::vector<ColumnaGrilla> columnas = {
        {u"Cod_Regimen"_s, u"Código"_s, Qt::AlignHCenter, 5, false},
        {u"Descripcion"_s, u"Descripción"_s, Qt::AlignLeft, 37, false},
        {u"Resolucion"_s, {}, Qt::AlignLeft, 0, false},
    };
    columnas.back().oculta = true;
    dbgRegimenes_->modelo().setFuente(u"Regimenes"_s);
    dbgRegimenes_->modelo().setColumnas(std::move(columnas));

    connect(cmdActivar_, &QPushButton::clicked, this, &frmRegimenes::cmdActivarClick);
    connect(cmdSalir_, &QPushButton::clicked, this, &QDialog::reject);
    connect(dbgRegimenes_, &QAbstractItemView::doubleClicked, this, [this] {
        if (!dbgRegimenes_->hayFilas()) return;
        cmdActivarClick();
        reject();
    });
    connect(dbgRegimenes_->horizontalHeader(), &QHeaderView::sectionClicked, this, [this] {
        contexto_.dialogs.aviso(textos::SinOrdenamiento, textos::AtencionPuntos,
                                Icono::Informacion);
    });

    // Opening: the regimes in code order, the last one current.
    protegido_([this] { dbgRegimenes_->consultar(u"Cod_Regimen"_s); });
    dbgRegimenes_->irAUltima();
    cmdActivar_->setEnabled(dbgRegimenes_->hayFilas());
    resize(520, 400);
}

void frmRegimenes::cmdActivarClick()
{
    protegido_([this] {
        const auto fila = dbgRegimenes_->registroActual();
        if (fila) contexto_.entorno.activarRegimen(regimenDe(*fila).codRegimen);
    });
}
