#pragma once
// Passes of a report over its sheets. A pass lays out the copies from the start and paints only
// the sheets it is asked for; the marks earlier passes left let it go straight to a sheet far down
// a long table. The preview keeps those marks, a few numbers a sheet, and never a sheet's drawing:
// it lays the sheets out a few at a time, and paints one when it comes on the screen.

#include "reports/lienzo.h"

#include <QImage>

class Reporte;

struct Pasada {
    int hojas = 0;          // sheets laid out
    bool completa = false;  // the report ended within the pass
};

// One pass of every copy of the report, one after the other, on the sheets of `lienzo`.
Pasada pasarCopias(const Reporte& reporte, int copias, Lienzo& lienzo);

class PaginasReporte {
public:
    // The resolution sheets are laid out at, that of the PDF files and of the printer, so that a
    // sheet breaks at the same row on the screen as on paper.
    static constexpr int kPuntosPorPulgada = 1200;

    PaginasReporte(const Reporte& reporte, int copias);

    int copias() const { return copias_; }
    // The sheets laid out so far, and whether they are all the report has.
    int conocidas() const { return conocidas_; }
    bool completas() const { return completas_; }

    // Lays out up to `cuantas` sheets after the known ones, painting none.
    void avanzar(int cuantas);
    // Paints sheet `hoja` (from 0) over the whole image, which has an A4 sheet's proportions;
    // false when the report has no such sheet.
    bool pintar(int hoja, QImage& imagen);

private:
    void contar(const Pasada& pasada);

    const Reporte& reporte_;
    int copias_;
    MarcasHojas marcas_;
    QImage medida_;  // no pixels to speak of: the resolution the layout is measured at
    int conocidas_ = 0;
    bool completas_ = false;
};
