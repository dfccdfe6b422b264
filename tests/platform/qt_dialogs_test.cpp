// The real input box, set up as the program shows it (never opened: no modal loop in tests).

#include "platform/qt_dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

void tipear(QWidget& caja, const QString& texto)
{
    for (const QChar c : texto) {
        QKeyEvent tecla(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&caja, &tecla);
    }
}

TEST(CajaDeTexto, ConLimiteDejaDeTomarTeclasYLoPegado)
{
    QInputDialog caja;
    prepararCajaTexto(caja, QStringLiteral("Tipee un texto (hasta 100 caracteres)"),
                      QStringLiteral("Imprimir Comprobante"), QString(), 100);
    auto* linea = caja.findChild<QLineEdit*>();
    ASSERT_TRUE(linea);
    tipear(*linea, QString(130, QLatin1Char('x')));
    EXPECT_EQ(caja.textValue(), QString(100, QLatin1Char('x')));

    linea->clear();
    linea->insert(QString(130, QLatin1Char('y')));  // what a paste does
    EXPECT_EQ(caja.textValue(), QString(100, QLatin1Char('y')));
    // A pasted line end or tab is a blank, a NUL nothing.
    linea->clear();
    linea->insert(QStringLiteral("PAGO\r\nPARCIAL\tA") + QChar(0) + QStringLiteral("B"));
    EXPECT_EQ(caja.textValue(), QStringLiteral("PAGO PARCIAL AB"));
    EXPECT_EQ(caja.windowTitle(), QStringLiteral("Imprimir Comprobante"));
    EXPECT_EQ(caja.okButtonText(), QStringLiteral("Aceptar"));
}

TEST(CajaDeTexto, SinLimiteTomaTodo)
{
    QInputDialog caja;
    prepararCajaTexto(caja, QStringLiteral("Importe a pagar..."),
                      QStringLiteral("Imprimir Boleta de Pago"), QStringLiteral("12,50"));
    EXPECT_EQ(caja.textValue(), QStringLiteral("12,50"));
    auto* linea = caja.findChild<QLineEdit*>();
    ASSERT_TRUE(linea);
    linea->clear();
    tipear(*linea, QString(130, QLatin1Char('x')));
    EXPECT_EQ(caja.textValue().size(), 130);
}

} // namespace
