#pragma once
// The buttons of every form, made one way: named for the tests and the help, with their caption,
// and never the default button, so that Enter in a field cannot press one behind the user's back.

#include <QString>

class QPushButton;
class QWidget;

// `anchoMinimo` in pixels, 0 for the caption's own width.
QPushButton* crearBoton(QWidget* padre, const QString& nombre, const QString& texto,
                        int anchoMinimo = 0);

// The small "..." button beside a field that opens a pick list.
QPushButton* crearBotonSelector(QWidget* padre, const QString& nombre);
