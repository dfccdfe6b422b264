#pragma once
// The rows behind a form's grid. It counts the rows of its query and reads them a page at a time as
// the grid shows them, so a table of any size opens at once, positioned on its last row. Each row
// is known by the table's rowid, which plays the part of a bookmark: the form finds the row it just
// saved by it, wherever the order puts that row. Pages in the second half are read from the end of
// the order, and a row's position is counted on the order's keys, so that with an index on the
// order neither costs more on the last row than on the first.

#include <QAbstractTableModel>
#include <QSqlRecord>
#include <QString>
#include <QVariantList>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <vector>

class BaseDatos;

struct ColumnaGrilla {
    ColumnaGrilla() = default;
    // A column as the forms' tables give it: field, caption, alignment, width, resizable, and the
    // order label of its header click ("" when the column cannot be ordered).
    ColumnaGrilla(QString campo_, QString titulo_, Qt::Alignment alineacion_, int ancho_,
                  bool redimensionable_, QString textoOrden_ = {}, QString orden_ = {})
        : campo(std::move(campo_)), titulo(std::move(titulo_)), alineacion(alineacion_),
          ancho(ancho_), redimensionable(redimensionable_), textoOrden(std::move(textoOrden_)),
          orden(std::move(orden_))
    {
    }

    QString campo;                      // field of the table shown in the column
    QString titulo;                     // caption
    Qt::Alignment alineacion = Qt::AlignLeft;
    int ancho = 10;                     // in characters of the grid's font
    bool redimensionable = false;       // whether the user may drag its width
    QString textoOrden;                 // order label after a click on its header; "" refuses
    QString orden;                      // ORDER BY of that click; the field when empty
    bool oculta = false;
    std::function<QString(const QVariant&)> formato;  // display text; the value as text if unset

    bool ordenable() const { return !textoOrden.isEmpty(); }
    QString ordenSql() const { return orden.isEmpty() ? campo : orden; }
};

class ModeloGrilla final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ModeloGrilla(BaseDatos& base, QObject* parent = nullptr);

    // The table and the condition that selects the form's rows ("Nro_Agente = ?"), with its values.
    void setFuente(const QString& tabla, const QString& filtro = {},
                   const QVariantList& valores = {});
    void setColumnas(std::vector<ColumnaGrilla> columnas);
    const std::vector<ColumnaGrilla>& columnas() const { return columnas_; }
    const QString& tabla() const { return tabla_; }

    // Runs the query again in `orden` (an ORDER BY list). Throws ErrorMotor.
    void consultar(const QString& orden);
    // Runs it again in the same order.
    void refrescar() { consultar(orden_); }

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int rol = Qt::DisplayRole) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion,
                        int rol = Qt::DisplayRole) const override;

    // The rowid of the row at a position; nothing when out of range.
    std::optional<qint64> idFila(int fila) const;
    // The position of a row in the current order; nothing when the query does not hold it.
    std::optional<int> posicion(qint64 id) const;
    // All the fields of a row of the table. Throws ErrorMotor.
    std::optional<QSqlRecord> registro(qint64 id) const;

private:
    struct Pagina {
        std::vector<qint64> ids;
        std::vector<QVariantList> valores;
    };

    // One term of the ORDER BY list.
    struct TerminoOrden {
        QString expresion;
        bool descendente = false;
    };

    const Pagina* pagina(int numero) const;
    QString desde() const;
    QString ordenCompleto() const;
    // The ORDER BY list term by term, the rowid last.
    std::vector<TerminoOrden> terminos() const;
    // The complete order, or its exact reverse.
    QString ordenSql(bool invertido) const;

    BaseDatos& base_;
    QString tabla_;
    QString filtro_;
    QVariantList valoresFiltro_;
    QString orden_;
    std::vector<ColumnaGrilla> columnas_;
    int filas_ = 0;
    mutable std::map<int, Pagina> paginas_;
    mutable std::deque<int> recientes_;
};
