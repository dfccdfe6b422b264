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

std::vector<ModeloGrilla::TerminoOrden> ModeloGrilla::terminos() const
{
    std::vector<TerminoOrden> lista;
    // The terms are split at the commas outside parentheses.
    QString termino;
    int profundidad = 0;
    const auto cerrar = [&] {
        TerminoOrden t;
        t.expresion = termino.trimmed();
        termino.clear();
        if (t.expresion.isEmpty()) return;
        const QString mayusculas = t.expresion.toUpper();
        if (mayusculas.endsWith(QStringLiteral(" DESC"))) {
            t.descendente = true;
            t.expresion.chop(5);
        } else if (mayusculas.endsWith(QStringLiteral(" ASC"))) {
            t.expresion.chop(4);
        }
        t.expresion = t.expresion.trimmed();
        lista.push_back(std::move(t));
    };
    for (const QChar c : ordenCompleto()) {
        if (c == QLatin1Char('(')) ++profundidad;
        if (c == QLatin1Char(')')) --profundidad;
        if (c == QLatin1Char(',') && profundidad == 0)
            cerrar();
        else
            termino += c;
    }
    cerrar();
    return lista;
}

QString ModeloGrilla::ordenSql(bool invertido) const
{
    if (!invertido) return ordenCompleto();
    // Each term the other way round; NULLs, first going up, come last going down.
    QStringList lista;
    for (const TerminoOrden& t : terminos())
        lista << t.expresion + (t.descendente ? QString() : QStringLiteral(" DESC"));
    return lista.join(QStringLiteral(", "));
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
    // A page in the second half is read from the end: skipping rows costs as much as reading them.
    const int primera = numero * kFilasPorPagina;
    const int siguiente = std::min(primera + kFilasPorPagina, filas_);
    const bool desdeElFinal = primera >= filas_ / 2 && siguiente > primera;
    QVariantList valores = valoresFiltro_;
    if (desdeElFinal)
        valores << siguiente - primera << filas_ - siguiente;
    else
        valores << kFilasPorPagina << primera;
    Pagina nueva;
    try {
        auto filas = base_.filas(QStringLiteral("SELECT ") + campos.join(QStringLiteral(", "))
                                     + desde() + QStringLiteral(" ORDER BY ")
                                     + ordenSql(desdeElFinal) + QStringLiteral(" LIMIT ? OFFSET ?"),
                                 valores);
        if (desdeElFinal) std::reverse(filas.begin(), filas.end());
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

// The rows before it in the order, counted term by term on the order's keys: those equal to the row
// on the earlier terms and before it on this one. Each count is a range of an index on the order.
std::optional<int> ModeloGrilla::posicion(qint64 id) const
{
    const std::vector<TerminoOrden> orden = terminos();
    QStringList expresiones;
    for (const TerminoOrden& t : orden) expresiones << t.expresion;
    const QString filtro = filtro_.isEmpty() ? QString() : QLatin1Char('(') + filtro_ + QStringLiteral(") AND ");
    const auto clave = base_.fila(QStringLiteral("SELECT ") + expresiones.join(QStringLiteral(", "))
                                      + QStringLiteral(" FROM ") + tabla_ + QStringLiteral(" WHERE ")
                                      + filtro + QStringLiteral("rowid = ?"),
                                  QVariantList(valoresFiltro_) << id);
    if (!clave) return std::nullopt;

    qint64 antes = 0;
    QString iguales;
    QVariantList valoresIguales;
    const auto contar = [&](const QString& condicion, const QVariantList& valores) {
        antes += base_.valor(QStringLiteral("SELECT COUNT(*) FROM ") + tabla_
                                 + QStringLiteral(" WHERE ") + filtro + iguales + condicion,
                             QVariantList(valoresFiltro_) + valoresIguales + valores)
                     .toLongLong();
    };
    for (std::size_t i = 0; i < orden.size(); ++i) {
        const QString& e = orden[i].expresion;
        const QVariant valor = clave->value(int(i));
        // NULLs come first going up and last going down; the rowid, last, is never NULL.
        if (i + 1 == orden.size()) {
            contar(e + QStringLiteral(" < ?"), {valor});
        } else if (!orden[i].descendente) {
            if (!valor.isNull()) {
                contar(e + QStringLiteral(" IS NULL"), {});
                contar(e + QStringLiteral(" < ?"), {valor});
            }
        } else if (valor.isNull()) {
            contar(e + QStringLiteral(" IS NOT NULL"), {});
        } else {
            contar(e + QStringLiteral(" > ?"), {valor});
        }
        iguales += e + QStringLiteral(" IS ? AND ");
        valoresIguales << valor;
    }
    return int(antes);
}

std::optional<QSqlRecord> ModeloGrilla::registro(qint64 id) const
{
    return base_.fila(QStringLiteral("SELECT * FROM ") + tabla_ + QStringLiteral(" WHERE rowid = ?"),
                      {id});
}
