#pragma once
// The sheet a report paints on: an A4 page of the printer, the preview or a PDF file, measured in
// millimetres from the sheet's top left corner, with a cursor that moves down as blocks are laid
// out and a new sheet when the current one is full. Text sizes are in points.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>
#include <functional>

class QPagedPaintDevice;
class QPainter;

enum class Alineacion { Izquierda, Centro, Derecha };

struct Estilo {
    double puntos = 9;
    bool negrita = false;
    bool cursiva = false;
    QColor color = Qt::black;
};

class Lienzo {
public:
    static constexpr double kAnchoA4 = 210.0;
    static constexpr double kAltoA4 = 297.0;

    // The painter must be active on the device.
    Lienzo(QPainter& pintor, QPagedPaintDevice& dispositivo, double margen = 14.0);

    // Forms laid out to the edge of the sheet (the slips' three copies) take narrower margins.
    void setMargen(double margen) { margen_ = margen; }

    double izquierda() const { return margen_; }
    double derecha() const { return kAnchoA4 - margen_; }
    double ancho() const { return derecha() - izquierda(); }
    double arriba() const { return margen_; }
    // The footer line sits below this.
    double abajo() const { return kAltoA4 - margen_ - 6.0; }

    double y() const { return y_; }
    void setY(double y) { y_ = y; }
    void bajar(double mm) { y_ += mm; }
    double libre() const { return abajo() - y_; }

    // Starts a sheet: the first call uses the device's current page, later ones add a page. The
    // footer is painted on it and the cursor goes to the top.
    void nuevaPagina();
    // Starts a new sheet when fewer than `alto` millimetres are left; true when it did.
    bool reservar(double alto);
    // Text painted at the bottom of every sheet started from now on.
    void setPie(const QString& pie) { pie_ = pie; }

    // Text in a box. With `ajustar` it wraps at word boundaries within the box's width.
    void texto(const QRectF& caja, const QString& texto, const Estilo& estilo,
               Alineacion alineacion = Alineacion::Izquierda, bool ajustar = false);
    // Height of the text wrapped at `ancho`; one line's height for an empty text.
    double altoTexto(double ancho, const QString& texto, const Estilo& estilo) const;
    double altoLinea(const Estilo& estilo) const;
    double anchoTexto(const QString& texto, const Estilo& estilo) const;

    void linea(double x1, double y1, double x2, double y2, double grosor = 0.2,
               Qt::PenStyle trazo = Qt::SolidLine);
    void rectangulo(const QRectF& caja, double grosor = 0.2, const QColor& relleno = {});
    // A picture scaled into the box, bars kept sharp (no smoothing).
    void imagen(const QRectF& caja, const QImage& imagen);

private:
    QFont fuente(const Estilo& estilo) const;
    QRectF enDispositivo(const QRectF& mm) const;
    double pxX(double mm) const { return mm * escalaX_; }
    double pxY(double mm) const { return mm * escalaY_; }
    void pintarPie();

    QPainter& pintor_;
    QPagedPaintDevice& dispositivo_;
    double margen_;
    double escalaX_;
    double escalaY_;
    double y_ = 0;
    bool hayPagina_ = false;
    QString pie_;
};
