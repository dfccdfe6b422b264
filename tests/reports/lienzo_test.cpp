// One measure of a cell gives the size it is printed in and its height: the same as shrinking it
// word by word and then wrapping it in that size, whatever the text.

#include "reports/lienzo.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// A word wider than the box shrinks the whole text, never below 5 points; then it is wrapped.
MedidaTexto medidaPalabraPorPalabra(const Lienzo& lienzo, double ancho, const QString& texto,
                                    Estilo estilo)
{
    double mayor = 0;
    for (const QString& palabra : texto.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        mayor = std::max(mayor, lienzo.anchoTexto(palabra, estilo));
    if (mayor > ancho && ancho > 0) estilo.puntos = std::max(5.0, estilo.puntos * ancho / mayor * 0.98);
    return {estilo, lienzo.altoTexto(ancho, texto, estilo)};
}

TEST(LienzoTest, UnaMedidaDaElTamanioYElAltoDeMedirPalabraPorPalabra)
{
    QImage medida(1, 1, QImage::Format_RGB32);
    medida.setDotsPerMeterX(qRound(1200 / 0.0254));
    medida.setDotsPerMeterY(qRound(1200 / 0.0254));
    Lienzo lienzo(nullptr, medida, 0, 0, nullptr);

    const Estilo normal{9};
    const Estilo negrita{9, true};
    const Estilo chica{6.5, false, true};
    const struct {
        double ancho;
        QString texto;
        Estilo estilo;
    } casos[] = {
        {20, "", normal},
        {20, "0001234", normal},
        {20, "1.234.567.890,12", normal},                             // shrinks
        {5, "99.999.999.999,99", negrita},                            // to the smallest size
        {26, "1.234.567.890,12", negrita},                            // shrinks, in bold
        {13, "31/12/2024", chica},                                    // a date, in italics
        {15, "901-123456-3", normal},         // shrinks: it is one word, dashes and all
        {14, "12,50 1.234.567,89", normal},   // the widest word sets the size
        {40, "COMPAÑÍA ÑANDÚ DE O'HIGGINS Y ASOCIADOS S.R.L.", normal},  // wraps
        {40, "PÉREZ   Y  GÜEMES ", normal},                              // spaces at the end
        {15, "Importe retenido / percibido", chica},
        {30, "A€B precio en euros", normal},                           // a sign of another font
        {30, "dos\nlíneas", negrita},
        {0, "sin ancho", normal},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto.toStdString());
        const MedidaTexto una = lienzo.medirAjustado(c.ancho, c.texto, c.estilo);
        const MedidaTexto dos = medidaPalabraPorPalabra(lienzo, c.ancho, c.texto, c.estilo);
        EXPECT_DOUBLE_EQ(una.estilo.puntos, dos.estilo.puntos);
        EXPECT_DOUBLE_EQ(una.alto, dos.alto);
    }
}

} // namespace

namespace {

// A cell's text drawn by the sheet is drawn exactly as the painter draws it in that box.
TEST(LienzoTest, UnTextoDeUnaLineaSeDibujaComoLoDibujaElPintor)
{
    const struct {
        QString texto;
        Estilo estilo;
        Alineacion alineacion;
        double ancho;
    } casos[] = {
        {"00012345", {9}, Alineacion::Centro, 20},
        {"1.234.567,89", {9}, Alineacion::Derecha, 25},
        {"COMPAÑÍA ÑANDÚ DE O'HIGGINS", {9}, Alineacion::Izquierda, 60},
        {"Ok", {9, true}, Alineacion::Centro, 12},
        {"PÉREZ Y GÜEMES ", {9}, Alineacion::Derecha, 40},
        {"un texto que no entra en una sola línea de la caja", {9}, Alineacion::Centro, 20},
        {"901-123456-3", {9}, Alineacion::Centro, 10},  // leaves the box: clipped
    };
    const auto dibujo = [](const auto& c, bool porElLienzo) {
        QImage imagen(600, 200, QImage::Format_RGB32);
        imagen.setDotsPerMeterX(qRound(300 / 0.0254));
        imagen.setDotsPerMeterY(qRound(300 / 0.0254));
        imagen.fill(Qt::white);
        QPainter pintor(&imagen);
        Lienzo lienzo(&pintor, imagen, 0, 0, nullptr);
        lienzo.nuevaPagina();
        const QRectF caja(5, 5, c.ancho, 8);
        // Twice: the second time a text that comes back is drawn from the layout kept for it.
        for (int vez = 0; vez < 2; ++vez) {
            if (porElLienzo) {
                lienzo.texto(caja, c.texto, c.estilo, c.alineacion, true);
            } else {
                QFont fuente(QStringLiteral("DejaVu Sans"));
                fuente.setPointSizeF(c.estilo.puntos);
                fuente.setBold(c.estilo.negrita);
                pintor.setFont(fuente);
                pintor.setPen(c.estilo.color);
                const double mm = 300 / 25.4;
                const int alineacion = c.alineacion == Alineacion::Centro  ? Qt::AlignHCenter
                                       : c.alineacion == Alineacion::Derecha ? Qt::AlignRight
                                                                             : Qt::AlignLeft;
                pintor.drawText(QRectF(caja.x() * mm, caja.y() * mm, caja.width() * mm,
                                       caja.height() * mm),
                                alineacion | Qt::AlignTop | Qt::TextWordWrap, c.texto);
            }
        }
        pintor.end();
        return imagen;
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto.toStdString());
        EXPECT_EQ(dibujo(c, true), dibujo(c, false));
    }
}

} // namespace
