#include "reports/paginas_reporte.h"

#include "reports/reporte.h"

#include <QPainter>
#include <algorithm>
#include <climits>

namespace {

void fijarResolucion(QImage& imagen)
{
    const int puntosPorMetro = qRound(PaginasReporte::kPuntosPorPulgada / 0.0254);
    imagen.setDotsPerMeterX(puntosPorMetro);
    imagen.setDotsPerMeterY(puntosPorMetro);
}

} // namespace

Pasada pasarCopias(const Reporte& reporte, int copias, Lienzo& lienzo)
{
    const int total = std::max(1, copias);
    try {
        for (int copia = 0; copia < total; ++copia) {
            lienzo.setPie(total > 1 ? QStringLiteral("Ejemplar %1 de %2").arg(copia + 1).arg(total)
                                    : QString());
            if (!lienzo.empezarCopia(copia)) continue;
            lienzo.nuevaPagina();
            reporte.pintar(lienzo);
        }
    } catch (const FinDeTramo&) {
        return {lienzo.hojas(), false};
    }
    return {lienzo.hojas(), true};
}

PaginasReporte::PaginasReporte(const Reporte& reporte, int copias)
    : reporte_(reporte), copias_(copias), medida_(1, 1, QImage::Format_RGB32)
{
    fijarResolucion(medida_);
}

void PaginasReporte::contar(const Pasada& pasada)
{
    conocidas_ = std::max(conocidas_, pasada.hojas);
    if (pasada.completa) completas_ = true;
}

void PaginasReporte::avanzar(int cuantas)
{
    if (completas_) return;
    Lienzo lienzo(nullptr, medida_, conocidas_, conocidas_ + std::max(1, cuantas) - 1, &marcas_);
    contar(pasarCopias(reporte_, copias_, lienzo));
}

bool PaginasReporte::pintar(int hoja, QImage& imagen)
{
    imagen.fill(Qt::white);
    if (completas_ && hoja >= conocidas_) return false;
    fijarResolucion(imagen);
    QPainter pintor(&imagen);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setRenderHint(QPainter::TextAntialiasing);
    // The sheet's own units, those of the resolution, scaled down to the image.
    const double ancho = Lienzo::kAnchoA4 / 25.4 * kPuntosPorPulgada;
    const double alto = Lienzo::kAltoA4 / 25.4 * kPuntosPorPulgada;
    pintor.scale(imagen.width() / ancho, imagen.height() / alto);
    Lienzo lienzo(&pintor, imagen, hoja, hoja, &marcas_);
    const Pasada pasada = pasarCopias(reporte_, copias_, lienzo);
    contar(pasada);
    return pasada.hojas > hoja;
}
