#pragma once
// The sheet a report paints on: an A4 page of the printer, the preview or a PDF file, measured in
// millimetres from the sheet's top left corner, with a cursor that moves down as blocks are laid
// out and a new sheet when the current one is full. Text sizes are in points.
//
// A pass of a report may paint only some of its sheets (the preview paints the one on screen): the
// others are laid out, never painted, and the pass ends (FinDeTramo) once the last sheet wanted is
// complete. Tables leave marks where their sheets start, so that a later pass lays out a sheet far
// down a long table without the rows before it.

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QLineF>
#include <QRectF>
#include <QString>
#include <QTextLayout>
#include <climits>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

enum class Alineacion { Izquierda, Centro, Derecha };

struct Estilo {
    double puntos = 9;
    bool negrita = false;
    bool cursiva = false;
    QColor color = Qt::black;
};

// Where a sheet starts inside a table: the copy, the table's number in it and the position of the
// row the sheet starts with, as its row source counts them.
struct MarcaHoja {
    int hoja = 0;
    int copia = 0;
    int tabla = 0;
    qint64 fila = 0;
};

// What earlier passes learnt about the report's sheets: where each copy starts and where sheets
// start inside tables. A few numbers a sheet, whatever the rows hold.
struct MarcasHojas {
    std::vector<int> copias;        // first sheet of each copy laid out so far
    std::vector<MarcaHoja> tablas;  // in the order of their sheets
};

// Thrown by Lienzo::nuevaPagina() when the pass has laid out every sheet it was asked for.
struct FinDeTramo {};

// The style a text is printed in within a width, and the height it takes there.
struct MedidaTexto {
    Estilo estilo;
    double alto = 0;
};

class Lienzo {
public:
    static constexpr double kAnchoA4 = 210.0;
    static constexpr double kAltoA4 = 297.0;

    // The painter must be active on the device. Every sheet is painted; each after the first is
    // a new page of the device.
    Lienzo(QPainter& pintor, QPagedPaintDevice& dispositivo, double margen = 14.0);
    // A pass that paints only the sheets from `desde` to `hasta` (counted from 0), with `pintor`
    // (none: nothing is painted) on one page of `medida`, whose resolution the layout is measured
    // at; `marcas` gathers and offers the marks of the pass.
    Lienzo(QPainter* pintor, QPaintDevice& medida, int desde, int hasta, MarcasHojas* marcas);

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
    // Whether `alto` millimetres fit on the current sheet.
    bool cabe(double alto) const { return hoja_ >= 0 && y_ + alto <= abajo(); }
    // Starts a new sheet when fewer than `alto` millimetres are left; true when it did.
    bool reservar(double alto);
    // Text painted at the bottom of every sheet started from now on.
    void setPie(const QString& pie) { pie_ = pie; }

    // The sheet being laid out, counted from 0; -1 before the first.
    int hoja() const { return hoja_; }
    // Sheets laid out so far.
    int hojas() const { return hoja_ + 1; }

    // Copy `copia` (from 0) starts: it is laid out from its first sheet when an earlier pass
    // found that sheet at or before the first one wanted; false when the whole copy comes before
    // the sheets wanted and can be left out.
    bool empezarCopia(int copia);

    // A table starts: its number in the copy.
    int empezarTabla() { return tablas_++; }
    // The table's sheet starts at row `fila` of its source.
    void marcarHojaDeTabla(int tabla, qint64 fila);
    // The furthest sheet of the table an earlier pass marked, after the current one and not past
    // the first sheet wanted: the table may go straight there (saltarAHoja) from that row.
    std::optional<MarcaHoja> saltoEnTabla(int tabla) const;
    // Starts that sheet as if the ones between had been laid out.
    void saltarAHoja(int hoja);

    // Text in a box. With `ajustar` it wraps at word boundaries within the box's width.
    void texto(const QRectF& caja, const QString& texto, const Estilo& estilo,
               Alineacion alineacion = Alineacion::Izquierda, bool ajustar = false);
    // Height of the text wrapped at `ancho`; one line's height for an empty text.
    double altoTexto(double ancho, const QString& texto, const Estilo& estilo) const;
    double altoLinea(const Estilo& estilo) const;
    double anchoTexto(const QString& texto, const Estilo& estilo) const;
    // A text printed wrapped at `ancho`: a word wider than that (an amount, a number, a date)
    // cannot wrap and would lose its first or last characters to the box's edge, so the text is
    // printed in a smaller size instead, never below 5 points; and the height it takes in that
    // size. One measure gives both.
    MedidaTexto medirAjustado(double ancho, const QString& texto, const Estilo& estilo) const;

    void linea(double x1, double y1, double x2, double y2, double grosor = 0.2,
               Qt::PenStyle trazo = Qt::SolidLine);
    void rectangulo(const QRectF& caja, double grosor = 0.2, const QColor& relleno = {});
    // Solid lines of one width at once (a table's rules).
    void lineas(const std::vector<QLineF>& lineas, double grosor = 0.2);
    // A picture scaled into the box, bars kept sharp (no smoothing).
    void imagen(const QRectF& caja, const QImage& imagen);

private:
    // A style's font and its measures on the device, made once per pass.
    struct Fuente {
        QFont fuente;
        QFontMetricsF medidas;
        QFont enDispositivo;  // resolved at the painter's device, for the layouts drawn on it
        // Made on first use: a wrapped text's height when it takes one line, and each
        // character's advance by code up to 0xFF.
        mutable double altoUnaLinea = -1;
        mutable std::vector<double> anchos;
    };
    const Fuente& fuente(const Estilo& estilo) const;
    // Each character's advance by code up to 0xFF, in pixels.
    static const std::vector<double>& avances(const Fuente& f);
    // At least the width the text takes on one line, in pixels, without shaping it; infinite
    // when it holds characters of other families.
    double anchoMaximo(const Fuente& f, QStringView texto) const;
    double altoUnaLinea(const Fuente& f) const;
    // A word's width on one line, in millimetres.
    double anchoPalabra(const Fuente& f, QStringView palabra, const Estilo& estilo) const;
    bool pintando() const { return pintor_ && hoja_ >= desde_ && hoja_ <= hasta_; }
    QRectF enDispositivo(const QRectF& mm) const;
    double pxX(double mm) const { return mm * escalaX_; }
    double pxY(double mm) const { return mm * escalaY_; }
    void pintarPie();
    // Draws a wrapped text that takes one line of the box; false when it takes more, or leaves
    // the box, and must be drawn by the painter.
    bool textoDeUnaLinea(const QRectF& r, const QString& texto, const Estilo& estilo,
                         Alineacion alineacion);

    QPainter* pintor_;
    QPaintDevice& medida_;
    QPagedPaintDevice* paginado_ = nullptr;  // the device that takes every sheet as a page
    double margen_;
    double escalaX_;
    double escalaY_;
    double y_ = 0;
    int hoja_ = -1;
    int desde_ = 0;
    int hasta_ = INT_MAX;
    bool hayPaginaPintada_ = false;
    int copia_ = 0;
    int tablas_ = 0;
    MarcasHojas* marcas_ = nullptr;
    QString pie_;
    quint64 fuentePuesta_ = 0;  // the style whose font the painter holds (0: none yet)
    std::vector<QLineF> lineasEnPixeles_;
    // A one-line text laid out at `ancho` pixels, as the painter lays it out; none when it takes
    // more lines.
    const QTextLayout* capaDeUnaLinea(const QString& texto, const Estilo& estilo, double ancho);
    struct ClaveCapa {
        QString texto;
        quint64 fuente;
        qint64 ancho;  // thousandths of a pixel
        bool operator==(const ClaveCapa&) const = default;
    };
    struct HashCapa {
        std::size_t operator()(const ClaveCapa& c) const
        {
            return qHash(c.texto) ^ c.fuente ^ quint64(c.ancho);
        }
    };
    QTextLayout capa_;  // for the texts seen once
    std::unordered_map<ClaveCapa, std::unique_ptr<QTextLayout>, HashCapa> capas_;
    // The fingerprints of recent texts, each in the slot its low bits name: a text is known
    // again when its slot still holds it.
    std::vector<std::size_t> vistos_;
    mutable std::unordered_map<quint64, std::unique_ptr<Fuente>> fuentes_;
    // The style asked last: cells of a row ask for it over and over.
    mutable quint64 claveUltima_ = 0;
    mutable const Fuente* ultima_ = nullptr;
};
