#include "forms/modelo_grilla.h"

#include "database/base_datos.h"

#include <QStringList>
#include <algorithm>

namespace {

constexpr int kFilasPorPagina = 200;
constexpr std::size_t kPaginasGuardadas = 12;

} // namespace

ModeloGrilla::ModeloGrilla(BaseDatos& base, QObject* parent)
    : QAbstractTableModel(parent), base_(base)
{
}

void ModeloGrilla::setFuente(const QString& tabla, const QString& filtro,
                             const QVariantList& valores)
{
    tabla_ = tabla;
    filtro_ = filtro;
    valoresFiltro_ = valores;
}

void ModeloGrilla::setColumnas(std::vector<ColumnaGrilla> columnas)
{
    beginResetModel();
    columnas_ = std::move(columnas);
    paginas_.clear();
    recientes_.clear();
    endResetModel();
}

QString ModeloGrilla::desde() const
{
    QString sql = QStringLiteral(" FROM ") + tabla_;
    if (!filtro_.isEmpty()) sql += QStringLiteral(" WHERE ") + filtro_;
    return sql;
}

// The rowid last makes the order total, so pages never overlap and a row has one position.
QString ModeloGrilla::ordenCompleto() const
{
    return orden_.isEmpty() ? QStringLiteral("rowid") : orden_ + QStringLiteral(", rowid");
}

void ModeloGrilla::consultar(const QString& orden)
{
    const int filas =
        base_.valor(QStringLiteral("SELECT COUNT(*)") + desde(), valoresFiltro_).toInt();
    beginResetModel();
    orden_ = orden;
    filas_ = filas;
    paginas_.clear();
    recientes_.clear();
    endResetModel();
}

int ModeloGrilla::rowCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : filas_;
}

int ModeloGrilla::columnCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : int(columnas_.size());
}

const ModeloGrilla::Pagina* ModeloGrilla::pagina(int numero) const
{
    if (const auto it = paginas_.find(numero); it != paginas_.end()) return &it->second;

    QStringList campos{QStringLiteral("rowid")};
    for (const ColumnaGrilla& c : columnas_) campos << c.campo;
    QVariantList valores = valoresFiltro_;
    valores << kFilasPorPagina << numero * kFilasPorPagina;
    Pagina nueva;
    try {
        const auto filas = base_.filas(QStringLiteral("SELECT ") + campos.join(QStringLiteral(", "))
                                           + desde() + QStringLiteral(" ORDER BY ")
                                           + ordenCompleto() + QStringLiteral(" LIMIT ? OFFSET ?"),
                                       valores);
        for (const QSqlRecord& fila : filas) {
            nueva.ids.push_back(fila.value(0).toLongLong());
            QVariantList v;
            for (int i = 1; i < fila.count(); ++i) v << fila.value(i);
            nueva.valores.push_back(std::move(v));
        }
    } catch (const ErrorMotor&) {
        // A grid cannot report from inside its painting; the row shows empty and the next
        // operation of the form meets the same failure and reports it.
        return nullptr;
    }

    if (recientes_.size() >= kPaginasGuardadas) {
        paginas_.erase(recientes_.front());
        recientes_.pop_front();
    }
    recientes_.push_back(numero);
    return &paginas_.emplace(numero, std::move(nueva)).first->second;
}

QVariant ModeloGrilla::data(const QModelIndex& indice, int rol) const
{
    if (!indice.isValid() || indice.row() >= filas_ || indice.column() >= columnCount()) return {};
    const ColumnaGrilla& columna = columnas_[std::size_t(indice.column())];
    if (rol == Qt::TextAlignmentRole)
        return QVariant::fromValue(columna.alineacion | Qt::AlignVCenter);
    if (rol != Qt::DisplayRole && rol != Qt::EditRole) return {};

    const Pagina* p = pagina(indice.row() / kFilasPorPagina);
    const std::size_t i = std::size_t(indice.row() % kFilasPorPagina);
    if (!p || i >= p->valores.size()) return {};
    const QVariant& valor = p->valores[i][indice.column()];
    if (rol == Qt::EditRole) return valor;
    if (valor.isNull()) return QString();
    return columna.formato ? columna.formato(valor) : valor.toString();
}

QVariant ModeloGrilla::headerData(int seccion, Qt::Orientation orientacion, int rol) const
{
    if (orientacion != Qt::Horizontal || seccion < 0 || seccion >= columnCount()) return {};
    if (rol == Qt::DisplayRole) return columnas_[std::size_t(seccion)].titulo;
    return {};
}

std::optional<qint64> ModeloGrilla::idFila(int fila) const
{
    if (fila < 0 || fila >= filas_) return std::nullopt;
    const Pagina* p = pagina(fila / kFilasPorPagina);
    const std::size_t i = std::size_t(fila % kFilasPorPagina);
    if (!p || i >= p->ids.size()) return std::nullopt;
    return p->ids[i];
}

std::optional<int> ModeloGrilla::posicion(qint64 id) const
{
    const QVariant n = base_.valor(
        QStringLiteral("SELECT n FROM (SELECT rowid AS r, ROW_NUMBER() OVER (ORDER BY ")
            + ordenCompleto() + QStringLiteral(") AS n") + desde()
            + QStringLiteral(") WHERE r = ?"),
        QVariantList(valoresFiltro_) << id);
    if (n.isNull()) return std::nullopt;
    return n.toInt() - 1;
}

std::optional<QSqlRecord> ModeloGrilla::registro(qint64 id) const
{
    return base_.fila(QStringLiteral("SELECT * FROM ") + tabla_ + QStringLiteral(" WHERE rowid = ?"),
                      {id});
}
