#include "forms/grilla_registros.h"

#include <QEvent>
#include <QHeaderView>

#include <algorithm>

GrillaRegistros::GrillaRegistros(BaseDatos& base, const QString& nombre, QWidget* parent)
    : QTableView(parent), modelo_(base, this)
{
    setObjectName(nombre);
    // The grid dbgAgentes shows the data source datAgentes.
    if (nombre.startsWith(QLatin1String("dbg")))
        modelo_.setObjectName(QStringLiteral("dat") + nombre.mid(3));
    setModel(&modelo_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAlternatingRowColors(true);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setStretchLastSection(false);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { Q_EMIT filaCambiada(); });
}

void GrillaRegistros::consultar(const QString& orden)
{
    modelo_.consultar(orden);
    orden_ = orden;
    disponerColumnas();
}

// Widths are given in characters: a character is a digit of the grid's font, and a column is never
// narrower than its caption. Room left over at the right goes to the columns the user may resize
// (the long texts), or to every column when none may be, so the grid is filled and no blank strip
// is left beside its last column.
void GrillaRegistros::disponerColumnas()
{
    const int caracter = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    const QFontMetrics encabezado = horizontalHeader()->fontMetrics();
    const auto& columnas = modelo_.columnas();
    anchosBase_.assign(columnas.size(), 0);
    for (int i = 0; i < int(columnas.size()); ++i) {
        const ColumnaGrilla& c = columnas[std::size_t(i)];
        setColumnHidden(i, c.oculta);
        if (c.oculta) continue;
        horizontalHeader()->setSectionResizeMode(
            i, c.redimensionable ? QHeaderView::Interactive : QHeaderView::Fixed);
        anchosBase_[std::size_t(i)] =
            std::max(c.ancho * caracter + 12, encabezado.horizontalAdvance(c.titulo) + 16);
    }
    repartirAncho();
}

void GrillaRegistros::repartirAncho()
{
    const auto& columnas = modelo_.columnas();
    if (anchosBase_.size() != columnas.size()) return;
    int ocupado = 0;
    int pesoElastico = 0;
    for (std::size_t i = 0; i < columnas.size(); ++i) {
        if (columnas[i].oculta) continue;
        ocupado += anchosBase_[i];
        if (columnas[i].redimensionable) pesoElastico += anchosBase_[i];
    }
    // Each growing column takes a share in proportion to its own width.
    const bool soloElasticas = pesoElastico > 0;
    const int peso = soloElasticas ? pesoElastico : ocupado;
    const int libre = std::max(0, viewport()->width() - ocupado);
    int repartido = 0;
    int ultima = -1;
    for (std::size_t i = 0; i < columnas.size(); ++i) {
        if (columnas[i].oculta) continue;
        int ancho = anchosBase_[i];
        if (peso > 0 && (!soloElasticas || columnas[i].redimensionable)) {
            const int extra = int(qint64(libre) * anchosBase_[i] / peso);
            ancho += extra;
            repartido += extra;
            ultima = int(i);
        }
        setColumnWidth(int(i), ancho);
    }
    // What integer division left over goes to the last column that grew.
    if (ultima >= 0 && libre > repartido)
        setColumnWidth(ultima, columnWidth(ultima) + libre - repartido);
}

bool GrillaRegistros::viewportEvent(QEvent* evento)
{
    if (evento->type() == QEvent::Resize) repartirAncho();
    return QTableView::viewportEvent(evento);
}

int GrillaRegistros::filaActual() const
{
    const QModelIndex actual = currentIndex();
    return actual.isValid() ? actual.row() : -1;
}

std::optional<qint64> GrillaRegistros::idActual() const
{
    return modelo_.idFila(filaActual());
}

std::optional<QSqlRecord> GrillaRegistros::registroActual() const
{
    const auto id = idActual();
    if (!id) return std::nullopt;
    return modelo_.registro(*id);
}

void GrillaRegistros::irAFila(int fila)
{
    if (!hayFilas()) return;
    fila = std::clamp(fila, 0, filas() - 1);
    int columna = 0;
    while (columna < modelo_.columnCount() - 1 && isColumnHidden(columna)) ++columna;
    const QModelIndex indice = modelo_.index(fila, columna);
    setCurrentIndex(indice);
    scrollTo(indice);
}

bool GrillaRegistros::irAId(qint64 id)
{
    const auto fila = modelo_.posicion(id);
    if (!fila) return false;
    irAFila(*fila);
    return true;
}
