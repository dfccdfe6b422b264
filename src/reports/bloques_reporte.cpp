#include "reports/bloques_reporte.h"

#include <algorithm>
#include <numeric>

namespace {

const QColor kSombra(225, 225, 225);
const QColor kSombraSuave(242, 242, 242);
const QColor kGrisRotulo(80, 80, 80);
constexpr double kRelleno = 1.5;    // space between a box's edge and its text
constexpr double kSeparacion = 2.5; // space left below a block
constexpr double kGrosorCelda = 0.2;

const Estilo kRotulo{6.5, false, false, kGrisRotulo};
const Estilo kValor{9.5, true};
const Estilo kCelda{9};
const Estilo kCeldaNegrita{9, true};
const Estilo kCabeceraTabla{8, true};

std::vector<double> anchosColumnas(const Lienzo& lienzo, const QList<ColumnaTabla>& columnas)
{
    const double pesos = std::accumulate(columnas.begin(), columnas.end(), 0.0,
                                         [](double s, const ColumnaTabla& c) { return s + c.peso; });
    std::vector<double> anchos;
    for (const ColumnaTabla& c : columnas) anchos.push_back(lienzo.ancho() * c.peso / pesos);
    return anchos;
}

double altoFila(const Lienzo& lienzo, const Estilo& estilo)
{
    return lienzo.altoLinea(estilo) + 2 * 1.0;
}

// A row's cell, blank past its last one. Read in place: the row may come from another thread,
// and a copy would write to the text's shared count.
const QString& celda(const FilaTabla& fila, qsizetype i)
{
    static const QString blanco;
    return i < fila.celdas.size() ? fila.celdas[i] : blanco;
}

// The heading row's titles as measured once for the whole table, and the row's height.
struct CabeceraMedida {
    std::vector<MedidaTexto> medidas;
    double alto = 0;
};

CabeceraMedida medirCabeceraTabla(const Lienzo& lienzo, const TablaReporte& tabla,
                                  const std::vector<double>& anchos)
{
    CabeceraMedida c;
    for (qsizetype i = 0; i < tabla.columnas.size(); ++i) {
        c.medidas.push_back(
            lienzo.medirAjustado(anchos[i] - 2 * kRelleno, tabla.columnas[i].titulo, kCabeceraTabla));
        c.alto = std::max(c.alto, c.medidas.back().alto);
    }
    c.alto += 2.0;
    return c;
}

void pintarCabeceraTabla(Lienzo& lienzo, const TablaReporte& tabla,
                         const std::vector<double>& anchos, const CabeceraMedida& cabecera)
{
    double x = lienzo.izquierda();
    for (qsizetype i = 0; i < tabla.columnas.size(); ++i) {
        const QRectF caja(x, lienzo.y(), anchos[i], cabecera.alto);
        lienzo.rectangulo(caja, 0.25, kSombra);
        lienzo.texto(caja.adjusted(kRelleno, 1.0, -kRelleno, -1.0), tabla.columnas[i].titulo,
                     cabecera.medidas[std::size_t(i)].estilo, tabla.columnas[i].alineacion, true);
        x += anchos[i];
    }
    lienzo.bajar(cabecera.alto);
}

// The rules of the rows laid out one under another on a sheet: a line under each row and the
// column rules once for them all. They draw what a box around every cell would, with a tenth of
// the strokes, which a long listing's file and its drawing feel.
class RejillaFilas {
public:
    RejillaFilas(Lienzo& lienzo, const std::vector<double>& anchos)
        : lienzo_(lienzo), anchos_(anchos)
    {
    }

    void fila(double y, double alto)
    {
        if (arriba_ < 0) {
            arriba_ = y;
            lineas_.emplace_back(lienzo_.izquierda(), y, lienzo_.derecha(), y);
        }
        abajo_ = y + alto;
        lineas_.emplace_back(lienzo_.izquierda(), abajo_, lienzo_.derecha(), abajo_);
    }

    // Before the sheet ends, a row of another kind, or the table's end.
    void cerrar()
    {
        if (arriba_ < 0) return;
        double x = lienzo_.izquierda();
        lineas_.emplace_back(x, arriba_, x, abajo_);
        for (const double ancho : anchos_) {
            x += ancho;
            lineas_.emplace_back(x, arriba_, x, abajo_);
        }
        lienzo_.lineas(lineas_, kGrosorCelda);
        lineas_.clear();
        arriba_ = -1;
    }

private:
    Lienzo& lienzo_;
    const std::vector<double>& anchos_;
    std::vector<QLineF> lineas_;
    double arriba_ = -1;
    double abajo_ = 0;
};

// One table painted from its heading down: the rows one at a time, from the source or the list,
// each known by its position, so that a sheet an earlier pass marked is laid out from its own
// first row.
class PintorTabla {
public:
    PintorTabla(Lienzo& lienzo, const TablaReporte& tabla)
        : lienzo_(lienzo), tabla_(tabla), anchos_(anchosColumnas(lienzo, tabla.columnas)),
          numero_(lienzo.empezarTabla()),
          // The heading is repeated on every sheet: it is measured once.
          cabecera_(medirCabeceraTabla(lienzo, tabla, anchos_)), rejilla_(lienzo, anchos_)
    {
    }

    void pintar()
    {
        lienzo_.reservar(12.0 + altoFila(lienzo_, kCelda));
        pintarCabeceraTabla(lienzo_, tabla_, anchos_, cabecera_);
        if (tabla_.fuente) tabla_.fuente->irA(0);
        std::optional<FilaTabla> fila = siguiente();
        if (!fila) {
            pintarSinFilas();
            return;
        }
        if (retomarHojaMarcada()) fila = siguiente();
        for (; fila; ++posicion_, fila = siguiente()) {
            if (fila->tipo == FilaTabla::Tipo::Grupo) pintarGrupo(*fila);
            else pintarFila(*fila);
        }
        rejilla_.cerrar();
        lienzo_.bajar(kSeparacion);
    }

private:
    std::optional<FilaTabla> siguiente()
    {
        if (tabla_.fuente) return tabla_.fuente->siguiente();
        if (posicion_ < tabla_.filas.size()) return tabla_.filas[posicion_];
        return std::nullopt;
    }

    void irA(qint64 fila)
    {
        posicion_ = fila;
        if (tabla_.fuente) tabla_.fuente->irA(fila);
    }

    void pintarSinFilas()
    {
        const Estilo estilo{9, false, true};
        const double alto = altoFila(lienzo_, estilo);
        const QRectF caja(lienzo_.izquierda(), lienzo_.y(), lienzo_.ancho(), alto);
        lienzo_.rectangulo(caja, 0.2);
        lienzo_.texto(caja, tabla_.sinFilas, estilo, Alineacion::Centro);
        lienzo_.bajar(alto + kSeparacion);
    }

    // A sheet further down that an earlier pass marked: its heading, and the rows from its own.
    bool retomarHojaMarcada()
    {
        const std::optional<MarcaHoja> salto = lienzo_.saltoEnTabla(numero_);
        if (!salto) return false;
        lienzo_.saltarAHoja(salto->hoja);
        pintarCabeceraTabla(lienzo_, tabla_, anchos_, cabecera_);
        irA(salto->fila);
        return true;
    }

    // A row that does not fit starts a sheet of its own under the heading, marked for later passes.
    void nuevaHojaSiNoCabe(double alto)
    {
        if (lienzo_.cabe(alto)) return;
        rejilla_.cerrar();
        lienzo_.reservar(alto);
        lienzo_.marcarHojaDeTabla(numero_, posicion_);
        pintarCabeceraTabla(lienzo_, tabla_, anchos_, cabecera_);
    }

    // A group's title across the whole table, shaded.
    void pintarGrupo(const FilaTabla& fila)
    {
        const double alto = altoFila(lienzo_, kCeldaNegrita);
        nuevaHojaSiNoCabe(alto);
        rejilla_.cerrar();
        const QRectF caja(lienzo_.izquierda(), lienzo_.y(), lienzo_.ancho(), alto);
        lienzo_.rectangulo(caja, kGrosorCelda, kSombraSuave);
        lienzo_.texto(caja.adjusted(kRelleno, 0, -kRelleno, 0), celda(fila, 0), kCeldaNegrita);
        lienzo_.bajar(alto);
    }

    // A long cell wraps and makes its whole row taller; each cell is measured once.
    double medirCeldas(const FilaTabla& fila, const Estilo& estilo)
    {
        medidas_.clear();
        double alto = altoFila(lienzo_, estilo);
        for (qsizetype i = 0; i < tabla_.columnas.size(); ++i) {
            medidas_.push_back(
                lienzo_.medirAjustado(anchos_[i] - 2 * kRelleno, celda(fila, i), estilo));
            alto = std::max(alto, medidas_.back().alto + 2.0);
        }
        return alto;
    }

    // A detail, subtotal or total row: subtotals and totals shaded and bold, a total under a rule.
    void pintarFila(const FilaTabla& fila)
    {
        const bool destacada = fila.tipo != FilaTabla::Tipo::Detalle;
        const double alto = medirCeldas(fila, destacada ? kCeldaNegrita : kCelda);
        nuevaHojaSiNoCabe(alto);
        const double y = lienzo_.y();
        const QColor fondo = fila.tipo == FilaTabla::Tipo::Total      ? kSombra
                             : fila.tipo == FilaTabla::Tipo::Subtotal ? kSombraSuave
                                                                      : QColor();
        if (fondo.isValid())
            lienzo_.rectangulo(QRectF(lienzo_.izquierda(), y, lienzo_.ancho(), alto), 0, fondo);
        rejilla_.fila(y, alto);
        double x = lienzo_.izquierda();
        for (qsizetype i = 0; i < tabla_.columnas.size(); ++i) {
            const QRectF caja(x, y, anchos_[i], alto);
            lienzo_.texto(caja.adjusted(kRelleno, 1.0, -kRelleno, -1.0), celda(fila, i),
                          medidas_[std::size_t(i)].estilo, tabla_.columnas[i].alineacion, true);
            x += anchos_[i];
        }
        if (fila.tipo == FilaTabla::Tipo::Total)
            lienzo_.linea(lienzo_.izquierda(), y, lienzo_.derecha(), y, 0.6);
        lienzo_.bajar(alto);
    }

    Lienzo& lienzo_;
    const TablaReporte& tabla_;
    const std::vector<double> anchos_;
    const int numero_;
    const CabeceraMedida cabecera_;
    RejillaFilas rejilla_;
    std::vector<MedidaTexto> medidas_;
    qint64 posicion_ = 0;
};

} // namespace

void pintarTitulo(Lienzo& lienzo, const QString& titulo, const QString& subtitulo,
                  const QString& marca)
{
    const Estilo estiloTitulo{13, true};
    const Estilo estiloSubtitulo{8.5};
    const Estilo estiloMarca{11, true};
    const double altoTitulo = lienzo.altoLinea(estiloTitulo);
    const double altoSub = subtitulo.isEmpty() ? 0 : lienzo.altoTexto(lienzo.ancho() * 0.7,
                                                                      subtitulo, estiloSubtitulo);
    const double alto = altoTitulo + altoSub + 2.0;
    lienzo.reservar(alto + kSeparacion);
    const double y = lienzo.y();

    double anchoMarca = 0;
    if (!marca.isEmpty()) {
        anchoMarca = lienzo.anchoTexto(marca, estiloMarca) + 8.0;
        const QRectF caja(lienzo.derecha() - anchoMarca, y, anchoMarca, altoTitulo + 2.0);
        lienzo.rectangulo(caja, 0.5);
        lienzo.texto(caja, marca, estiloMarca, Alineacion::Centro);
    }
    const double anchoTexto = lienzo.ancho() - anchoMarca - 3.0;
    lienzo.texto(QRectF(lienzo.izquierda(), y, anchoTexto, altoTitulo), titulo, estiloTitulo);
    if (!subtitulo.isEmpty())
        lienzo.texto(QRectF(lienzo.izquierda(), y + altoTitulo, anchoTexto, altoSub), subtitulo,
                     estiloSubtitulo, Alineacion::Izquierda, true);
    lienzo.bajar(alto);
    lienzo.linea(lienzo.izquierda(), lienzo.y(), lienzo.derecha(), lienzo.y(), 0.6);
    lienzo.bajar(kSeparacion);
}

void pintarSeccion(Lienzo& lienzo, const QString& titulo)
{
    const Estilo estilo{8.5, true};
    const double alto = lienzo.altoLinea(estilo) + 1.6;
    // A heading is never left alone at the foot of a sheet.
    lienzo.reservar(alto + 12.0);
    const QRectF caja(lienzo.izquierda(), lienzo.y(), lienzo.ancho(), alto);
    lienzo.rectangulo(caja, 0, kSombra);
    lienzo.texto(caja.adjusted(kRelleno, 0, -kRelleno, 0), titulo.toUpper(), estilo);
    lienzo.bajar(alto + 1.0);
}

void pintarCampos(Lienzo& lienzo, const QList<CampoReporte>& campos, int columnas)
{
    const double anchoColumna = lienzo.ancho() / columnas;
    const double altoRotulo = lienzo.altoLinea(kRotulo);
    qsizetype i = 0;
    while (i < campos.size()) {
        // One line of boxes: as many fields as fit in the columns.
        QList<CampoReporte> linea;
        int ocupadas = 0;
        while (i < campos.size()
               && (linea.isEmpty() || ocupadas + std::max(1, campos[i].columnas) <= columnas)) {
            ocupadas += std::max(1, campos[i].columnas);
            linea.push_back(campos[i++]);
        }
        // The width each box of the line gets: the last one runs to the right edge.
        std::vector<double> anchosCaja;
        double resto = lienzo.ancho();
        for (qsizetype k = 0; k < linea.size(); ++k) {
            const double ancho = k == linea.size() - 1
                                     ? resto
                                     : anchoColumna * std::max(1, linea[k].columnas);
            anchosCaja.push_back(ancho);
            resto -= ancho;
        }
        std::vector<MedidaTexto> valores;
        double altoValor = 0;
        for (qsizetype k = 0; k < linea.size(); ++k) {
            valores.push_back(lienzo.medirAjustado(anchosCaja[std::size_t(k)] - 2 * kRelleno,
                                                   linea[k].valor, kValor));
            altoValor = std::max(altoValor, valores.back().alto);
        }
        const double alto = altoRotulo + altoValor + 1.6;
        lienzo.reservar(alto);
        double x = lienzo.izquierda();
        for (qsizetype k = 0; k < linea.size(); ++k) {
            const CampoReporte& c = linea[k];
            const double ancho = anchosCaja[std::size_t(k)];
            const QRectF caja(x, lienzo.y(), ancho, alto);
            lienzo.rectangulo(caja, 0.2);
            lienzo.texto(QRectF(x + kRelleno, lienzo.y() + 0.5, ancho - 2 * kRelleno, altoRotulo),
                         c.etiqueta, kRotulo);
            lienzo.texto(QRectF(x + kRelleno, lienzo.y() + 0.5 + altoRotulo,
                                ancho - 2 * kRelleno, altoValor),
                         c.valor, valores[std::size_t(k)].estilo, Alineacion::Izquierda, true);
            x += ancho;
        }
        lienzo.bajar(alto);
    }
    lienzo.bajar(kSeparacion);
}

void pintarTabla(Lienzo& lienzo, const TablaReporte& tabla)
{
    PintorTabla(lienzo, tabla).pintar();
}

void pintarParrafo(Lienzo& lienzo, const QString& etiqueta, const QString& texto)
{
    pintarCampos(lienzo, {{etiqueta, texto, 1}}, 1);
}

void pintarFirmas(Lienzo& lienzo, const QStringList& rotulos)
{
    if (rotulos.isEmpty()) return;
    const Estilo estilo{7.5, false, false, kGrisRotulo};
    const double alto = 13.0 + lienzo.altoLinea(estilo);
    lienzo.reservar(alto);
    const double tramo = lienzo.ancho() / rotulos.size();
    const double yLinea = lienzo.y() + 11.0;
    for (qsizetype i = 0; i < rotulos.size(); ++i) {
        const double x = lienzo.izquierda() + tramo * i + 6.0;
        lienzo.linea(x, yLinea, x + tramo - 12.0, yLinea, 0.3, Qt::DotLine);
        lienzo.texto(QRectF(x, yLinea + 0.8, tramo - 12.0, lienzo.altoLinea(estilo)), rotulos[i],
                     estilo, Alineacion::Centro);
    }
    lienzo.bajar(alto);
}

void pintarCorte(Lienzo& lienzo, double y)
{
    lienzo.linea(4.0, y, Lienzo::kAnchoA4 - 4.0, y, 0.3, Qt::DashLine);
}
