// The real message and input boxes, set up as the program shows them (never run: no modal loop in
// tests).

#include "platform/qt_dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
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

// A title bar draws its text bold beside the window's icon and its buttons: a box narrower than
// that has its title cut ("St...as").
TEST(Cajas, TanAnchasComoSuTitulo)
{
    QFont negrita = QApplication::font();
    negrita.setBold(true);
    auto cabe = [&](const QWidget& caja) {
        return caja.width() >= QFontMetrics(negrita).horizontalAdvance(caja.windowTitle()) + 100;
    };

    QMessageBox mensaje;
    prepararCajaMensaje(mensaje, {QStringLiteral("Obleas Z: 0"), QStringLiteral("Stock de Obleas")});
    mensaje.show();
    EXPECT_TRUE(cabe(mensaje)) << mensaje.width();
    mensaje.hide();

    QInputDialog caja;
    prepararCajaTexto(caja, QStringLiteral("Tipee un texto:"),
                      QStringLiteral("Imprimir Declaración Jurada - OBSERVACIÓN"), QString(), 100);
    caja.show();
    EXPECT_TRUE(cabe(caja)) << caja.width();
    caja.hide();
}

TEST(Cajas, MensajeConSusBotonesEnCastellano)
{
    QMessageBox caja;
    const BotonesMensaje b = prepararCajaMensaje(
        caja, {QStringLiteral("¿Confirma?"), QStringLiteral("Atención"), Icono::Pregunta,
               Botones::SiNo, Respuesta::No});
    ASSERT_TRUE(b.si && b.no);
    EXPECT_FALSE(b.aceptar || b.cancelar);
    EXPECT_EQ(b.si->text(), QStringLiteral("&Sí"));
    EXPECT_EQ(caja.defaultButton(), b.no);
    EXPECT_EQ(caja.escapeButton(), b.no);
    EXPECT_EQ(caja.windowTitle(), QStringLiteral("Atención"));
    EXPECT_EQ(caja.icon(), QMessageBox::Question);
}

} // namespace
