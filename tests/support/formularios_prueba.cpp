#include "support/formularios_prueba.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>

void pulsar(const QWidget& formulario, const QString& boton)
{
    auto* b = control<QAbstractButton>(formulario, boton);
    ASSERT_TRUE(b);
    const bool cerrado =
        formulario.isHidden() && formulario.testAttribute(Qt::WA_WState_ExplicitShowHide);
    ASSERT_TRUE(!cerrado && b->isVisibleTo(&formulario) && b->isEnabled())
        << boton.toStdString() << " no se puede pulsar en "
        << formulario.objectName().toStdString();
    b->click();
}

bool habilitado(const QWidget& formulario, const QString& nombre)
{
    const QWidget* c = control(formulario, nombre);
    return c && c->isEnabled();
}

namespace {

// One key pressed and released, as the keyboard sends it.
void tecla(QWidget* caja, int codigo, Qt::KeyboardModifiers modificadores, QChar c)
{
    QKeyEvent pulsada(QEvent::KeyPress, codigo, modificadores, QString(c));
    QApplication::sendEvent(caja, &pulsada);
    QKeyEvent soltada(QEvent::KeyRelease, codigo, modificadores, QString(c));
    QApplication::sendEvent(caja, &soltada);
}

} // namespace

void teclear(QWidget* caja, const QString& texto)
{
    for (const QChar c : texto) tecla(caja, 0, Qt::NoModifier, c);
}

void teclearEnElTecladoNumerico(QWidget* caja, const QString& texto)
{
    for (const QChar c : texto) {
        const int codigo = c == QLatin1Char('.')   ? Qt::Key_Period
                           : c == QLatin1Char(',') ? Qt::Key_Comma
                                                   : Qt::Key_0 + (c.unicode() - u'0');
        tecla(caja, codigo, Qt::KeypadModifier, c);
    }
}

void escribir(const QWidget& formulario, const QString& caja, const QString& texto)
{
    auto* c = control<QLineEdit>(formulario, caja);
    if (!c) return;
    c->selectAll();
    c->del();
    teclear(c, texto);
}

void escribir(const QWidget& formulario, const Campos& campos)
{
    for (const auto& [caja, texto] : campos) escribir(formulario, caja, texto);
}

QString texto(const QWidget& formulario, const QString& caja)
{
    const auto* c = control<QLineEdit>(formulario, caja);
    return c ? c->text() : QString();
}

QString tituloMarco(const QWidget& formulario, const QString& marco)
{
    const auto* c = control<QGroupBox>(formulario, marco);
    return c ? c->title() : QString();
}

QString enfocado(const QWidget& formulario)
{
    const QWidget* c = formulario.focusWidget();
    return c ? c->objectName() : QString();
}

void salirDe(QWidget* campo)
{
    QFocusEvent salida(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(campo, &salida);
    QCoreApplication::processEvents();
}

void salirDe(const QWidget& formulario, const QString& campo)
{
    if (QWidget* c = control(formulario, campo)) salirDe(c);
}

void soltarF1(QWidget& formulario)
{
    QKeyEvent f1(QEvent::KeyRelease, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(&formulario, &f1);
}

void alta(const QWidget& formulario, const std::function<void()>& completar,
          const QString& agregar)
{
    pulsar(formulario, agregar);
    completar();
    pulsar(formulario, QStringLiteral("cmdGrabar"));
}

void alta(const QWidget& formulario, const Campos& campos, const QString& agregar)
{
    alta(formulario, [&] { escribir(formulario, campos); }, agregar);
}

GrillaRegistros& grillaDe(const QWidget& formulario, const QString& nombre)
{
    return nombre.isEmpty() ? *formulario.findChild<GrillaRegistros*>()
                            : *formulario.findChild<GrillaRegistros*>(nombre);
}

QString celda(const GrillaRegistros& grilla, int fila, int columna)
{
    return grilla.modelo().data(grilla.modelo().index(fila, columna)).toString();
}

QString celdaActual(const GrillaRegistros& grilla, int columna)
{
    return celda(grilla, grilla.filaActual(), columna);
}

void clickEncabezado(const QWidget& formulario, int columna)
{
    Q_EMIT grillaDe(formulario).horizontalHeader()->sectionClicked(columna);
}
