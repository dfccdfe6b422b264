// A window opens within the free area of its screen: cut down to it, never below what its layout
// needs, and moved in when the program placed it where it would spill over.

#include "platform/ventana_en_pantalla.h"

#include <QDialog>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <functional>

namespace {

const QRect kPantalla(0, 0, 1280, 900);

// Content that asks for more room than any screen gives, and makes do with little.
class Contenido final : public QWidget {
public:
    using QWidget::QWidget;
    QSize sizeHint() const override { return {2000, 1200}; }
    QSize minimumSizeHint() const override { return {100, 100}; }
};

TEST(VentanaEnPantalla, CabeEnLaPantalla)
{
    struct Caso {
        const char* nombre;
        std::function<void(QDialog&)> preparar;
        QSize minimo;  // at least this size once fitted
        QSize maximo;  // at most this size once fitted
    };
    const Caso casos[] = {
        {"mayor que la pantalla: se achica a ella con su marco",
         [](QDialog& d) { d.resize(1320, 1000); }, {1200, 800}, {1280, 900}},
        {"la que cabe queda como estaba", [](QDialog& d) { d.resize(640, 480); }, {640, 480},
         {640, 480}},
        {"sin tamaño propio: el que pide su contenido, recortado",
         [](QDialog& d) { (new QVBoxLayout(&d))->addWidget(new Contenido(&d)); }, {1200, 800},
         {1280, 900}},
        {"nunca menos que su mínimo", [](QDialog& d) {
             d.setMinimumSize(1400, 300);
             d.resize(1500, 300);
         },
         {1400, 300}, {1400, 300}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        QDialog d;
        c.preparar(d);
        ajustarAPantalla(d, kPantalla);
        EXPECT_GE(d.width(), c.minimo.width());
        EXPECT_GE(d.height(), c.minimo.height());
        EXPECT_LE(d.width(), c.maximo.width());
        EXPECT_LE(d.height(), c.maximo.height());
    }
}

TEST(VentanaEnPantalla, LaUbicadaFueraSeTraeAdentro)
{
    QDialog d;
    d.resize(600, 400);
    d.move(1000, 700);
    ajustarAPantalla(d, kPantalla.translated(0, 30));  // a panel above
    EXPECT_TRUE(kPantalla.translated(0, 30).contains(d.geometry())) << d.geometry().x() << ","
                                                                     << d.geometry().y();
    // One on the screen stays where it was put.
    d.move(100, 200);
    ajustarAPantalla(d, kPantalla);
    EXPECT_EQ(d.pos(), QPoint(100, 200));
}

} // namespace
