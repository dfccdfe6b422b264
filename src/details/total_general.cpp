#include "details/total_general.h"

#include "forms/campos_edicion.h"

#include <QHBoxLayout>
#include <QLabel>

using namespace Qt::Literals::StringLiterals;

QLabel* crearTotalGeneral(QWidget* pie)
{
    auto* fila = new QHBoxLayout(pie);
    fila->setContentsMargins(0, 0, 0, 0);
    fila->addStretch(1);
    fila->addWidget(new QLabel(u"Total General:"_s, pie));
    QLabel* total = visor(u"Lbl_total_general"_s, pie, 110, Qt::AlignRight | Qt::AlignVCenter);
    total->setText(u"0,00 "_s);
    fila->addWidget(total);
    return total;
}
