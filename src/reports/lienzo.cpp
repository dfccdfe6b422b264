#include "reports/lienzo.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <QTextLayout>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {

// The one family the set-up installs on every machine, so a document looks the same everywhere.
const QString kFamilia = QStringLiteral("DejaVu Sans");

// Styles shrunk to fit a box come in any size: past this many fonts the cache starts again, so a
// long report does not keep one for every size it met.
constexpr std::size_t kFuentesGuardadas = 64;

// Texts remembered to find those that come back, and layouts kept for them.
constexpr std::size_t kTextosVistos = 4096;
constexpr std::size_t kCapasGuardadas = 512;

constexpr int kAjustado = Qt::AlignLeft | Qt::TextWordWrap;

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

quint64 claveFuente(const Estilo& estilo)
{
    // Sizes are kept to a thousandth of a point: a shrunk size is a computed one.
    return (quint64(std::llround(estilo.puntos * 1000.0)) << 2) | (estilo.negrita ? 1u : 0u)
           | (estilo.cursiva ? 2u : 0u);
}

// Characters the document's family draws itself, on one line: such a text takes the height of one
// line of that font whenever it fits the width.
bool deLaFamilia(QChar c)
{
    return c.unicode() >= 0x20 && c.unicode() <= 0xFF;
}

constexpr double kHolgura = 0.97;

// Digits and the signs numbers, dates and inscriptions are written with.
bool esCifra(QChar c)
{
    return (c >= u'0' && c <= u'9') || c == u'-' || c == u'.' || c == u',' || c == u'/';
}

// Whether the family, in that weight and slant, sets those characters by their own advances with
// no kerning between them: a number's width is then the sum of its characters' advances, to the
// last fraction of a pixel. Kerning is a property of the font's design, so one size tells.
bool cifrasSinInterletraje(const Estilo& estilo)
{
    static std::array<int, 4> conocido{-1, -1, -1, -1};
    int& sin = conocido[(estilo.negrita ? 1 : 0) + (estilo.cursiva ? 2 : 0)];
    if (sin < 0) {
        QImage medida(1, 1, QImage::Format_RGB32);
        medida.setDotsPerMeterX(47244);  // 1200 dpi
        medida.setDotsPerMeterY(47244);
        QFont f(kFamilia);
        f.setPointSizeF(9);
        f.setBold(estilo.negrita);
        f.setItalic(estilo.cursiva);
        const QFontMetricsF m(f, &medida);
        const QString cifras = QStringLiteral("0123456789-.,/");
        sin = 1;
        for (const QChar a : cifras)
            for (const QChar b : cifras)
                if (std::abs(m.horizontalAdvance(QString(a) + b) - m.horizontalAdvance(a)
                             - m.horizontalAdvance(b))
                    > 1e-9)
                    sin = 0;
    }
    return sin == 1;
}

} // namespace

Lienzo::Lienzo(QPainter& pintor, QPagedPaintDevice& dispositivo, double margen)
    : pintor_(&pintor),
      medida_(dispositivo),
      paginado_(&dispositivo),
      margen_(margen),
      escalaX_(dispositivo.logicalDpiX() / 25.4),
      escalaY_(dispositivo.logicalDpiY() / 25.4)
{
}

Lienzo::Lienzo(QPainter* pintor, QPaintDevice& medida, int desde, int hasta, MarcasHojas* marcas)
    : pintor_(pintor),
      medida_(medida),
      margen_(14.0),
      escalaX_(medida.logicalDpiX() / 25.4),
      escalaY_(medida.logicalDpiY() / 25.4),
      desde_(desde),
      hasta_(hasta),
      marcas_(marcas)
{
}

void Lienzo::nuevaPagina()
{
    if (hoja_ + 1 > hasta_) throw FinDeTramo{};
    ++hoja_;
    if (pintando()) {
        if (hayPaginaPintada_ && paginado_) paginado_->newPage();
        hayPaginaPintada_ = true;
    }
    y_ = arriba();
    pintarPie();
}

bool Lienzo::reservar(double alto)
{
    if (cabe(alto)) return false;
    nuevaPagina();
    return true;
}

bool Lienzo::empezarCopia(int copia)
{
    copia_ = copia;
    tablas_ = 0;
    if (!marcas_) return true;
    std::vector<int>& copias = marcas_->copias;
    const auto c = std::size_t(copia);
    if (c + 1 < copias.size() && copias[c + 1] <= desde_) {
        hoja_ = copias[c + 1] - 1;
        return false;
    }
    if (copias.size() == c) copias.push_back(hoja_ + 1);
    return true;
}

void Lienzo::marcarHojaDeTabla(int tabla, qint64 fila)
{
    if (!marcas_) return;
    std::vector<MarcaHoja>& m = marcas_->tablas;
    if (m.empty() || m.back().hoja < hoja_) m.push_back({hoja_, copia_, tabla, fila});
}

std::optional<MarcaHoja> Lienzo::saltoEnTabla(int tabla) const
{
    if (!marcas_) return std::nullopt;
    const std::vector<MarcaHoja>& m = marcas_->tablas;
    // The marks come in the order of their sheets: the last one not past the first sheet wanted.
    auto it = std::upper_bound(m.begin(), m.end(), desde_,
                               [](int hoja, const MarcaHoja& marca) { return hoja < marca.hoja; });
    while (it != m.begin()) {
        --it;
        if (it->hoja <= hoja_) break;
        if (it->copia == copia_ && it->tabla == tabla) return *it;
    }
    return std::nullopt;
}

void Lienzo::saltarAHoja(int hoja)
{
    hoja_ = hoja - 1;
    nuevaPagina();
}

void Lienzo::pintarPie()
{
    if (pie_.isEmpty() || !pintando()) return;
    const Estilo estilo{7, false, true, QColor(90, 90, 90)};
    texto(QRectF(izquierda(), abajo() + 2.0, ancho(), altoLinea(estilo)), pie_, estilo,
          Alineacion::Derecha);
}

const Lienzo::Fuente& Lienzo::fuente(const Estilo& estilo) const
{
    const quint64 clave = claveFuente(estilo);
    if (ultima_ && clave == claveUltima_) return *ultima_;
    claveUltima_ = clave;
    const auto it = fuentes_.find(clave);
    if (it != fuentes_.end()) return *(ultima_ = it->second.get());
    if (fuentes_.size() >= kFuentesGuardadas) fuentes_.clear();
    QFont f(kFamilia);
    f.setPointSizeF(estilo.puntos);
    f.setBold(estilo.negrita);
    f.setItalic(estilo.cursiva);
    auto nueva = std::make_unique<Fuente>(
        Fuente{f, QFontMetricsF(f, &medida_), QFont(f, pintor_ ? pintor_->device() : &medida_), -1, {}});
    ultima_ = nueva.get();
    fuentes_.emplace(clave, std::move(nueva));
    return *ultima_;
}

const std::vector<double>& Lienzo::avances(const Fuente& f)
{
    if (f.anchos.empty()) {
        f.anchos.assign(0x100, 0.0);
        for (char16_t c = 0x20; c <= 0xFF; ++c) f.anchos[c] = f.medidas.horizontalAdvance(QChar(c));
    }
    return f.anchos;
}

double Lienzo::anchoMaximo(const Fuente& f, QStringView texto) const
{
    const std::vector<double>& anchos = avances(f);
    double suma = 0;
    for (const QChar c : texto) {
        if (!deLaFamilia(c)) return std::numeric_limits<double>::infinity();
        suma += anchos[c.unicode()];
    }
    // Kerning, which the characters' own advances leave out, takes a little off or adds a little.
    return suma / kHolgura + 1.0;
}

double Lienzo::altoUnaLinea(const Fuente& f) const
{
    if (f.altoUnaLinea < 0)
        f.altoUnaLinea =
            f.medidas.boundingRect(QRectF(0, 0, 1e9, 1e9), kAjustado, QStringLiteral("Ag")).height();
    return f.altoUnaLinea;
}

QRectF Lienzo::enDispositivo(const QRectF& mm) const
{
    return QRectF(pxX(mm.x()), pxY(mm.y()), pxX(mm.width()), pxY(mm.height()));
}

void Lienzo::texto(const QRectF& caja, const QString& texto, const Estilo& estilo,
                   Alineacion alineacion, bool ajustar)
{
    if (texto.isEmpty() || !pintando()) return;
    // Boxes and text share the painter's pen; it changes only when the colour does.
    if (pintor_->pen().style() != Qt::SolidLine || pintor_->pen().color() != estilo.color)
        pintor_->setPen(estilo.color);
    // Rows of cells in one style: the font is set once for them.
    const quint64 clave = claveFuente(estilo) | (quint64(1) << 63);
    if (clave != fuentePuesta_) {
        pintor_->setFont(fuente(estilo).fuente);
        fuentePuesta_ = clave;
    }
    const QRectF r = enDispositivo(caja);
    if (!ajustar || !textoDeUnaLinea(r, texto, estilo, alineacion))
        pintor_->drawText(r, banderas(alineacion, ajustar), texto);
}

bool Lienzo::textoDeUnaLinea(const QRectF& r, const QString& texto, const Estilo& estilo,
                             Alineacion alineacion)
{
    // Line breaks, tabs and characters of other families take the painter's own path.
    if (!std::all_of(texto.cbegin(), texto.cend(), deLaFamilia)) return false;
    // The painter would lay the text out in a layout of its own, with the same font, first line
    // at the box's top, and place that line by its advance; a text that takes one line inside
    // the box is drawn here from that same line, without the painter's second pass over it.
    const QTextLayout* capa = capaDeUnaLinea(texto, estilo, r.width());
    if (!capa) return false;
    const QTextLine linea = capa->lineAt(0);
    // A text that leaves its box is clipped by the painter: that stays its own.
    const double ancho = linea.naturalTextWidth();
    double dentro = 0;
    if (alineacion == Alineacion::Derecha) dentro = r.width() - ancho;
    else if (alineacion == Alineacion::Centro) dentro = (r.width() - ancho) / 2;
    if (!r.contains(QRectF(r.x() + dentro, r.y(), ancho, linea.ascent() + linea.descent())))
        return false;
    const double avance = linea.horizontalAdvance();
    double x = 0;
    if (alineacion == Alineacion::Derecha) x = r.width() - avance;
    else if (alineacion == Alineacion::Centro) x = (r.width() - avance) / 2;
    linea.draw(pintor_, QPointF(r.x() + x, r.y()));
    return true;
}

const QTextLayout* Lienzo::capaDeUnaLinea(const QString& texto, const Estilo& estilo, double ancho)
{
    const ClaveCapa clave{texto, claveFuente(estilo), qint64(std::llround(ancho * 1000.0))};
    if (const auto it = capas_.find(clave); it != capas_.end()) return it->second.get();
    // Texts that come back (days, codes, rates, states) keep their layout from their second
    // time on; the others share one.
    const std::size_t huella = qHash(texto) ^ clave.fuente ^ quint64(clave.ancho);
    if (vistos_.empty()) vistos_.assign(kTextosVistos, 0);
    std::size_t& hueco = vistos_[huella % kTextosVistos];
    const bool repetido = hueco == huella;
    hueco = huella;
    std::unique_ptr<QTextLayout> nueva;
    QTextLayout* capa = &capa_;
    if (repetido) {
        if (capas_.size() >= kCapasGuardadas) capas_.clear();
        nueva = std::make_unique<QTextLayout>();
        capa = nueva.get();
    }
    // The shaped glyphs are kept from the layout to the drawing.
    capa->setCacheEnabled(true);
    capa->setText(texto);
    capa->setFont(fuente(estilo).enDispositivo);
    capa->beginLayout();
    QTextLine linea = capa->createLine();
    linea.setLineWidth(std::max(0.0, ancho));
    linea.setPosition(QPointF(0, 0));
    const bool una = !capa->createLine().isValid();
    capa->endLayout();
    if (!una) return nullptr;
    if (nueva) return capas_.emplace(clave, std::move(nueva)).first->second.get();
    return capa;
}

double Lienzo::altoTexto(double ancho, const QString& texto, const Estilo& estilo) const
{
    if (texto.isEmpty()) return altoLinea(estilo);
    const QRectF ocupa =
        fuente(estilo).medidas.boundingRect(QRectF(0, 0, pxX(ancho), 1e9), kAjustado, texto);
    return ocupa.height() / escalaY_;
}

double Lienzo::altoLinea(const Estilo& estilo) const
{
    return fuente(estilo).medidas.lineSpacing() / escalaY_;
}

double Lienzo::anchoTexto(const QString& texto, const Estilo& estilo) const
{
    return fuente(estilo).medidas.horizontalAdvance(texto) / escalaX_;
}

double Lienzo::anchoPalabra(const Fuente& f, QStringView palabra, const Estilo& estilo) const
{
    // A number is not shaped to be measured: its characters' advances add up to its width.
    if (std::all_of(palabra.begin(), palabra.end(), esCifra) && cifrasSinInterletraje(estilo)) {
        const std::vector<double>& anchos = avances(f);
        double suma = 0;
        for (const QChar c : palabra) suma += anchos[c.unicode()];
        return suma / escalaX_;
    }
    return anchoTexto(palabra.toString(), estilo);
}

MedidaTexto Lienzo::medirAjustado(double ancho, const QString& texto, const Estilo& estilo) const
{
    if (texto.isEmpty()) return {estilo, altoLinea(estilo)};
    const Fuente& f = fuente(estilo);
    const double px = pxX(ancho);
    // The widest of the words the text wraps between (spaces only: an inscription's dashes do not
    // count); a word is measured only when its characters' advances leave a doubt.
    double mayor = 0;
    bool todoUnaPalabra = false;  // the text is that one word, measured whole
    if (ancho > 0) {
        const QStringView todo(texto);
        qsizetype i = 0;
        while (i < todo.size()) {
            while (i < todo.size() && todo[i] == u' ') ++i;
            qsizetype fin = i;
            while (fin < todo.size() && todo[fin] != u' ') ++fin;
            if (fin > i) {
                const QStringView palabra = todo.mid(i, fin - i);
                if (anchoMaximo(f, palabra) > px) {
                    mayor = std::max(mayor, anchoPalabra(f, palabra, estilo));
                    todoUnaPalabra = i == 0 && fin == todo.size();
                }
            }
            i = fin;
        }
    }
    Estilo elegido = estilo;
    if (mayor > ancho && ancho > 0)
        elegido.puntos = std::max(5.0, estilo.puntos * ancho / mayor * 0.98);
    const Fuente& g = fuente(elegido);
    // A word shrunk to 98 % of the width, whose characters all draw on one line, fits on one line:
    // widths grow with the size, so measuring it again would only confirm it.
    if (todoUnaPalabra && elegido.puntos > 5.0 && elegido.puntos < estilo.puntos
        && std::all_of(texto.cbegin(), texto.cend(), deLaFamilia))
        return {elegido, altoUnaLinea(g) / escalaY_};
    // Most cells are one short line: they take one line's height.
    if (ancho > 0 && anchoMaximo(g, texto) <= px) return {elegido, altoUnaLinea(g) / escalaY_};
    return {elegido, altoTexto(ancho, texto, elegido)};
}

void Lienzo::linea(double x1, double y1, double x2, double y2, double grosor, Qt::PenStyle trazo)
{
    if (!pintando()) return;
    QPen lapiz(Qt::black);
    lapiz.setWidthF(pxY(grosor));
    lapiz.setStyle(trazo);
    pintor_->setPen(lapiz);
    pintor_->drawLine(QPointF(pxX(x1), pxY(y1)), QPointF(pxX(x2), pxY(y2)));
}

void Lienzo::rectangulo(const QRectF& caja, double grosor, const QColor& relleno)
{
    if (!pintando()) return;
    if (grosor > 0) {
        QPen lapiz(Qt::black);
        lapiz.setWidthF(pxY(grosor));
        pintor_->setPen(lapiz);
    } else {
        pintor_->setPen(Qt::NoPen);
    }
    pintor_->setBrush(relleno.isValid() ? QBrush(relleno) : QBrush(Qt::NoBrush));
    pintor_->drawRect(enDispositivo(caja));
}

void Lienzo::lineas(const std::vector<QLineF>& lineas, double grosor)
{
    if (!pintando() || lineas.empty()) return;
    QPen lapiz(Qt::black);
    lapiz.setWidthF(pxY(grosor));
    pintor_->setPen(lapiz);
    lineasEnPixeles_.clear();
    for (const QLineF& l : lineas)
        lineasEnPixeles_.emplace_back(pxX(l.x1()), pxY(l.y1()), pxX(l.x2()), pxY(l.y2()));
    pintor_->drawLines(lineasEnPixeles_.data(), int(lineasEnPixeles_.size()));
}


void Lienzo::imagen(const QRectF& caja, const QImage& imagen)
{
    if (imagen.isNull() || !pintando()) return;
    pintor_->save();
    pintor_->setRenderHint(QPainter::SmoothPixmapTransform, false);
    pintor_->drawImage(enDispositivo(caja), imagen);
    pintor_->restore();
}
