#include "platform/ventana_en_pantalla.h"

#include <QGuiApplication>
#include <QMargins>
#include <QRect>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace {

// The frame the window system draws around the window: measured once the window is shown; before
// that, a title bar and borders as the style draws them.
QMargins marcoDe(const QWidget& ventana)
{
    const QRect exterior = ventana.frameGeometry();
    const QRect interior = ventana.geometry();
    if (ventana.isVisible() && exterior != interior)
        return {interior.left() - exterior.left(), interior.top() - exterior.top(),
                exterior.right() - interior.right(), exterior.bottom() - interior.bottom()};
    const QStyle* estilo = ventana.style();
    const int borde = estilo->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, &ventana);
    const int titulo = estilo->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &ventana);
    return {borde, titulo + borde, borde, borde};
}

} // namespace

void ajustarAPantalla(QWidget& ventana, const QRect& disponible)
{
    if (!disponible.isValid()) return;
    const QMargins marco = marcoDe(ventana);
    const QSize maximo = disponible.marginsRemoved(marco).size();
    // A window given no size of its own opens at the size its layout asks for.
    const QSize pedido = ventana.testAttribute(Qt::WA_Resized) ? ventana.size() : ventana.sizeHint();
    const QSize tamanio = pedido.boundedTo(maximo).expandedTo(ventana.minimumSize());
    if (tamanio != pedido) ventana.resize(tamanio);

    // A window placed by the program is kept on the screen; one not placed yet is put there by
    // the window system, or centred on its owner within the screen.
    if (!ventana.testAttribute(Qt::WA_Moved)) return;
    const QRect conMarco = ventana.geometry().marginsAdded(marco);
    const int x = std::clamp(conMarco.left(), disponible.left(),
                             std::max(disponible.left(), disponible.right() - conMarco.width() + 1));
    const int y = std::clamp(conMarco.top(), disponible.top(),
                             std::max(disponible.top(), disponible.bottom() - conMarco.height() + 1));
    if (x != conMarco.left() || y != conMarco.top())
        ventana.move(ventana.pos() + QPoint(x - conMarco.left(), y - conMarco.top()));
}

void ajustarAPantalla(QWidget& ventana)
{
    const QWidget* duenio = ventana.parentWidget();
    const QScreen* pantalla = duenio ? duenio->window()->screen() : ventana.screen();
    if (!pantalla) pantalla = QGuiApplication::primaryScreen();
    if (pantalla) ajustarAPantalla(ventana, pantalla->availableGeometry());
}
