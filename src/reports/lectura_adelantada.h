#pragma once
// A query's rows read ahead on a thread and a connection of their own, while the report lays out
// and draws the rows before them: a long listing's reading no longer adds to its drawing. A few
// batches wait at most, so memory holds a few hundred rows whatever the query returns.
//
// The connection opens the same file: it sees what is committed, so it is for queries made
// outside a transaction.

#include "reports/bloques_reporte.h"

#include <QSqlQuery>
#include <QString>
#include <QVariantList>
#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

class LecturaAdelantada {
public:
    // Turns the query's current row into a table row. It runs on the reading thread: it may use
    // the query and nothing the caller shares.
    using Fila = std::function<FilaTabla(const QSqlQuery&)>;

    // Starts reading at once. `espera` is how long the connection waits for a lock another
    // program holds.
    LecturaAdelantada(QString ruta, int espera, QString sql, QVariantList valores, Fila fila);
    // Stops the reading where it is and waits for its thread.
    ~LecturaAdelantada();
    LecturaAdelantada(const LecturaAdelantada&) = delete;
    LecturaAdelantada& operator=(const LecturaAdelantada&) = delete;

    // The next row, waiting for it if it is not read yet; none after the last. A failure of the
    // reading is thrown here, after the rows read before it.
    std::optional<FilaTabla> siguiente();

private:
    void leer(std::stop_token parar);

    const QString ruta_;
    const int espera_;
    const QString sql_;
    const QVariantList valores_;
    const Fila fila_;

    std::mutex mutex_;
    std::condition_variable_any cambio_;
    std::deque<std::vector<FilaTabla>> lotes_;  // read, not yet taken
    bool terminada_ = false;
    std::exception_ptr error_;

    std::vector<FilaTabla> lote_;  // the batch being taken, on the caller's side
    std::size_t enLote_ = 0;

    std::jthread hilo_;  // last: it starts once everything it uses is made, and stops first
};
