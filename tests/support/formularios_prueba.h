#pragma once
// Driving a form as a user would, and reading what the user sees there: its controls by name,
// clicks, typing, leaving a field, F1, and the cells of its grids.

#include "forms/grilla_registros.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QString>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

// A control of the form by its name; a missing one fails the test.
template <class T = QWidget>
T* control(const QWidget& formulario, const QString& nombre)
{
    T* c = formulario.findChild<T*>(nombre);
    EXPECT_NE(c, nullptr) << nombre.toStdString();
    return c;
}

// A click the user must be able to give: a button hidden or disabled fails the test. A form the
// test never put on screen counts as on screen; a closed one does not.
void pulsar(const QWidget& formulario, const QString& boton);
bool habilitado(const QWidget& formulario, const QString& nombre);

// Types `texto` into a box key by key, as the keyboard would.
void teclear(QWidget* caja, const QString& texto);
// Types `texto` on the numeric keypad: its digits, and "." or "," as the keypad's decimal key
// gives them on the layout.
void teclearEnElTecladoNumerico(QWidget* caja, const QString& texto);
// Replaces a box's text as a user would: select it all and type over it.
void escribir(const QWidget& formulario, const QString& caja, const QString& texto);
// Boxes of a form and the text each is given, in the order the user fills them.
using Campos = std::vector<std::pair<QString, QString>>;
void escribir(const QWidget& formulario, const Campos& campos);
QString texto(const QWidget& formulario, const QString& caja);
QString tituloMarco(const QWidget& formulario, const QString& marco);
// The name of the control that has the focus.
QString enfocado(const QWidget& formulario);

// Leaves a field as the Tab key would and lets the form answer: a refused value takes the focus
// back once the departure has been handled.
void salirDe(QWidget* campo);
void salirDe(const QWidget& formulario, const QString& campo);

void soltarF1(QWidget& formulario);

// A new record as the user adds one: the add button, the record filled in, Grabar.
void alta(const QWidget& formulario, const std::function<void()>& completar,
          const QString& agregar = QStringLiteral("cmdAgregar"));
void alta(const QWidget& formulario, const Campos& campos,
          const QString& agregar = QStringLiteral("cmdAgregar"));

// The form's grid (the first, or the one named), the text of a cell and of the current row's.
GrillaRegistros& grillaDe(const QWidget& formulario, const QString& nombre = {});
QString celda(const GrillaRegistros& grilla, int fila, int columna);
QString celdaActual(const GrillaRegistros& grilla, int columna);
void clickEncabezado(const QWidget& formulario, int columna);
