#pragma once
// The rows of a query for a table, read from the engine as the table lays them out: one row in
// memory whatever the query returns. Rows that close the table (totals) can follow the query's
// own, made once its rows are done.

#include "reports/bloques_reporte.h"

#include <QList>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>
#include <functional>
#include <optional>

class BaseDatos;

class ConsultaFilas final : public FuenteFilas {
public:
    // A table row from the query's current row, read by position.
    using Fila = std::function<FilaTabla(const QSqlQuery&)>;
    // The rows after the query's last one.
    using Cola = std::function<QList<FilaTabla>()>;

    // The query must have no LIMIT of its own: a sheet far down starts it at its row with one.
    ConsultaFilas(BaseDatos& base, QString sql, QVariantList valores, Fila fila, Cola cola = {});

    std::optional<FilaTabla> siguiente() override;
    void irA(qint64 fila) override;

private:
    BaseDatos& base_;
    QString sql_;
    QVariantList valores_;
    Fila fila_;
    Cola cola_;
    std::optional<QSqlQuery> consulta_;
    qint64 desde_ = 0;      // the row the open query started at
    qint64 leidas_ = 0;     // rows it has given since
    bool enCola_ = false;
    QList<FilaTabla> filasCola_;
    qsizetype siguienteCola_ = 0;
};
