#pragma once
// The rows of a query for a table, read from the engine as the table lays them out: a few hundred
// rows in memory whatever the query returns. Outside a transaction they are read ahead on a thread
// of their own (lectura_adelantada.h); inside one, where only this connection sees the rows, one
// at a time as they are taken. Rows that close the table (totals) can follow the query's own,
// made once its rows are done.

#include "reports/bloques_reporte.h"

#include <QList>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>
#include <functional>
#include <memory>
#include <optional>

class BaseDatos;
class LecturaAdelantada;

class ConsultaFilas final : public FuenteFilas {
public:
    // A table row from the query's current row, read by position. It may run on the reading
    // thread: it uses the query and nothing else that is shared.
    using Fila = std::function<FilaTabla(const QSqlQuery&)>;
    // The rows after the query's last one.
    using Cola = std::function<QList<FilaTabla>()>;

    // The query must have no LIMIT of its own: a sheet far down starts it at its row with one.
    ConsultaFilas(BaseDatos& base, QString sql, QVariantList valores, Fila fila, Cola cola = {});
    ~ConsultaFilas() override;

    // A faster way to a row far down, for a query ordered by a unique key: `clave` lists that
    // key's columns in the query's order from an index alone, with the query's values (it gets
    // " LIMIT 1 OFFSET ?"); `desde` is the query with a condition that keeps the rows from a key
    // on, taking the query's values and then the key's. Passing over rows by OFFSET would read
    // each of them, joins included.
    void setSalto(QString clave, QString desde);

    std::optional<FilaTabla> siguiente() override;
    void irA(qint64 fila) override;

private:
    BaseDatos& base_;
    QString sql_;
    QVariantList valores_;
    Fila fila_;
    Cola cola_;
    std::optional<QSqlQuery> consulta_;
    std::unique_ptr<LecturaAdelantada> lectura_;  // instead of consulta_, outside a transaction
    QString sqlClave_;
    QString sqlDesde_;
    bool empezada_ = false;  // irA has chosen where the rows start
    qint64 desde_ = 0;      // the row the open query started at
    qint64 leidas_ = 0;     // rows it has given since
    bool enCola_ = false;
    QList<FilaTabla> filasCola_;
    qsizetype siguienteCola_ = 0;
};
