// One measure of a cell gives the size it is printed in and its height: the same as shrinking it
// word by word and then wrapping it in that size, whatever the text.

#include "reports/lienzo.h"

#include <QImage>
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
