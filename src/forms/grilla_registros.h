#pragma once
// The read-only grid of a record form or list: the rows of one table in the order the user chose,
// one current row, columns laid out as the form says (caption, alignment, width in characters,
// whether the user may resize them, hidden ones).

#include "forms/modelo_grilla.h"

#include <QTableView>

#include <vector>

class BaseDatos;

class GrillaRegistros : public QTableView {
    Q_OBJECT
public:
    GrillaRegistros(BaseDatos& base, const QString& nombre, QWidget* parent = nullptr);

    ModeloGrilla& modelo() { return modelo_; }
    const ModeloGrilla& modelo() const { return modelo_; }

    // Runs the query in `orden` and lays the columns out again; no row is current afterwards.
    // Throws ErrorMotor.
    void consultar(const QString& orden);
    // Runs it again in the same order (after a save or a deletion).
    void refrescar() { consultar(orden_); }

    int filas() const { return modelo_.rowCount(); }
    bool hayFilas() const { return filas() > 0; }
    // Position of the current row; -1 when there is none.
    int filaActual() const;
    std::optional<qint64> idActual() const;
    // All the fields of the current row. Throws ErrorMotor.
    std::optional<QSqlRecord> registroActual() const;

    // Makes the row at `fila` current (the nearest one when out of range); nothing when empty.
    void irAFila(int fila);
    void irAUltima() { irAFila(filas() - 1); }
    // Makes the row known by `id` current; false when the query does not hold it.
    bool irAId(qint64 id);

Q_SIGNALS:
    void filaCambiada();

protected:
    bool viewportEvent(QEvent* evento) override;

private:
    void disponerColumnas();
    // Sets the columns' widths: their own, and the room left at the right shared out.
    void repartirAncho();

    ModeloGrilla modelo_;
    QString orden_;
    std::vector<int> anchosBase_;  // each column's own width in pixels; 0 when hidden
};
