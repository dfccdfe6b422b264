#include "reports/lienzo.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>

namespace {

// The one family the set-up installs on every machine, so a document looks the same everywhere.
const QString kFamilia = QStringLiteral("DejaVu Sans");

int banderas(Alineacion alineacion, bool ajustar)
{
    int f = Qt::AlignVCenter;
    switch (alineacion) {
    case Alineacion::Izquierda: f |= Qt::AlignLeft; break;
    case Alineacion::Centro: f |= Qt::AlignHCenter; break;
    case Alineacion::Derecha: f |= Qt::AlignRight; break;
    }
    if (ajustar) f = (f & ~Qt::AlignVCenter) | Qt::AlignTop | Qt::TextWordWrap;
    return f;
}

} // namespace

Lienzo::Lienzo(QPainter& pintor, QPagedPaintDevice& dispositivo, double margen)
    : pintor_(pintor),
      dispositivo_(dispositivo),
      margen_(margen),
      escalaX_(dispositivo.logicalDpiX() / 25.4),
      escalaY_(dispositivo.logicalDpiY() / 25.4)
{
}

void Lienzo::nuevaPagina()
{
    if (hayPagina_) dispositivo_.newPage();
    hayPagina_ = true;
    y_ = arriba();
    pintarPie();
}

bool Lienzo::reservar(double alto)
{
    if (hayPagina_ && y_ + alto <= abajo()) return false;
    nuevaPagina();
    return true;
}

void Lienzo::pintarPie()
{
    if (pie_.isEmpty()) return;
    const Estilo estilo{7, false, true, QColor(90, 90, 90)};
    texto(QRectF(izquierda(), abajo() + 2.0, ancho(), altoLinea(estilo)), pie_, estilo,
          Alineacion::Derecha);
}

QFont Lienzo::fuente(const Estilo& estilo) const
{
    QFont f(kFamilia);
    f.setPointSizeF(estilo.puntos);
    f.setBold(estilo.negrita);
    f.setItalic(estilo.cursiva);
    return f;
}

QRectF Lienzo::enDispositivo(const QRectF& mm) const
{
    return QRectF(pxX(mm.x()), pxY(mm.y()), pxX(mm.width()), pxY(mm.height()));
}

void Lienzo::texto(const QRectF& caja, const QString& texto, const Estilo& estilo,
                   Alineacion alineacion, bool ajustar)
{
    if (texto.isEmpty()) return;
    pintor_.save();
    pintor_.setFont(fuente(estilo));
    pintor_.setPen(estilo.color);
    pintor_.drawText(enDispositivo(caja), banderas(alineacion, ajustar), texto);
    pintor_.restore();
}

double Lienzo::altoTexto(double ancho, const QString& texto, const Estilo& estilo) const
{
    if (texto.isEmpty()) return altoLinea(estilo);
    const QFontMetricsF medidas(fuente(estilo), &dispositivo_);
    const QRectF ocupa = medidas.boundingRect(QRectF(0, 0, pxX(ancho), 1e9),
                                              Qt::AlignLeft | Qt::TextWordWrap, texto);
    return ocupa.height() / escalaY_;
}

double Lienzo::altoLinea(const Estilo& estilo) const
{
    return QFontMetricsF(fuente(estilo), &dispositivo_).lineSpacing() / escalaY_;
}

double Lienzo::anchoTexto(const QString& texto, const Estilo& estilo) const
{
    return QFontMetricsF(fuente(estilo), &dispositivo_).horizontalAdvance(texto) / escalaX_;
}

void Lienzo::linea(double x1, double y1, double x2, double y2, double grosor, Qt::PenStyle trazo)
{
    pintor_.save();
    QPen lapiz(Qt::black);
    lapiz.setWidthF(pxY(grosor));
    lapiz.setStyle(trazo);
    pintor_.setPen(lapiz);
    pintor_.drawLine(QPointF(pxX(x1), pxY(y1)), QPointF(pxX(x2), pxY(y2)));
    pintor_.restore();
}

void Lienzo::rectangulo(const QRectF& caja, double grosor, const QColor& relleno)
{
    pintor_.save();
    if (grosor > 0) {
        QPen lapiz(Qt::black);
        lapiz.setWidthF(pxY(grosor));
        pintor_.setPen(lapiz);
    } else {
        pintor_.setPen(Qt::NoPen);
    }
    pintor_.setBrush(relleno.isValid() ? QBrush(relleno) : QBrush(Qt::NoBrush));
    pintor_.drawRect(enDispositivo(caja));
    pintor_.restore();
}

void Lienzo::imagen(const QRectF& caja, const QImage& imagen)
{
    if (imagen.isNull()) return;
    pintor_.save();
    pintor_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    pintor_.drawImage(enDispositivo(caja), imagen);
    pintor_.restore();
}
