#include "details/total_general.h"

#include <QHBoxLayout>
#include <QLabel>

using namespace Qt::Literals::StringLiterals;

QLabel* crearTotalGeneral(QWidget* pie)
{
    auto* fila = new QHBoxLayout(pie);
    fila->setContentsMargins(0, 0, 0, 0);
    fila->addStretch(1);
    fila->addWidget(new QLabel(u"Total General:"_s, pie));
    auto* total = new QLabel(u"0,00 "_s, pie);
    total->setObjectName(u"Lbl_total_general"_s);
    total->setFrameShape(QFrame::Panel);
    total->setFrameShadow(QFrame::Sunken);
    total->setMinimumWidth(110);
    total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    fila->addWidget(total);
    return total;
}
