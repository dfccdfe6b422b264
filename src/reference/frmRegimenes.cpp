#include "reference/frmRegimenes.h"

#include "common/contexto.h"
#include "database/entorno.h"
#include "database/error_motor.h"
#include "forms/ayuda.h"
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
      cmdActivar_(new QPushButton(u"Ac&tivar"_s, this)),
      cmdSalir_(new QPushButton(u"&Salir"_s, this))
{
    setObjectName(u"frmRegimenes"_s);
    setWindowTitle(u"Regímenes"_s);
    cmdActivar_->setObjectName(u"cmdActivar"_s);
    cmdSalir_->setObjectName(u"cmdSalir"_s);
    for (QPushButton* b : {cmdActivar_, cmdSalir_}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(104);
    }

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

    connect(cmdActivar_, &QPushButton::clicked, this, &frmRegimenes::Activar);
    connect(cmdSalir_, &QPushButton::clicked, this, &QDialog::reject);
    connect(dbgRegimenes_, &QAbstractItemView::doubleClicked, this, [this] {
        if (!dbgRegimenes_->hayFilas()) return;
        Activar();
        reject();
    });
    connect(dbgRegimenes_->horizontalHeader(), &QHeaderView::sectionClicked, this, [this] {
        contexto_.dialogs.aviso(textos::SinOrdenamiento, textos::AtencionPuntos,
                                Icono::Informacion);
    });

    // Opening: the regimes in code order, the last one current.
    try {
        dbgRegimenes_->consultar(u"Cod_Regimen"_s);
    } catch (const ErrorMotor& error) {
        contexto_.dialogs.aviso(error.textoBlanco());
    }
    dbgRegimenes_->irAUltima();
    cmdActivar_->setEnabled(dbgRegimenes_->hayFilas());
    resize(520, 400);
}

void frmRegimenes::Activar()
{
    try {
        const auto fila = dbgRegimenes_->registroActual();
        if (fila) contexto_.entorno.activarRegimen(fila->value(u"Cod_Regimen"_s).toString());
    } catch (const ErrorMotor& error) {
        contexto_.dialogs.aviso(error.textoBlanco());
    }
}

void frmRegimenes::keyReleaseEvent(QKeyEvent* evento)
{
    if (evento->key() == Qt::Key_F1) {
        mostrarAyuda(contexto_, objectName());
        evento->accept();
        return;
    }
    QDialog::keyReleaseEvent(evento);
}
