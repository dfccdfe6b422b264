#include "forms/botones.h"

#include <QPushButton>

QPushButton* crearBoton(QWidget* padre, const QString& nombre, const QString& texto,
                        int anchoMinimo)
{
    auto* b = new QPushButton(texto, padre);
    b->setObjectName(nombre);
    b->setAutoDefault(false);
    if (anchoMinimo > 0) b->setMinimumWidth(anchoMinimo);
    return b;
}

QPushButton* crearBotonSelector(QWidget* padre, const QString& nombre)
{
    auto* b = crearBoton(padre, nombre, QStringLiteral("..."));
    b->setFixedWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 16);
    return b;
}
