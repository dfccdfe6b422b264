#pragma once
// Where a path's time goes inside the engine: every statement run while a TrazaSqlite lives, on
// the connections it follows and on every connection opened meanwhile, grouped by its text, with
// how often it ran, how long it took, how many rows it stepped through in whole-table scans and
// how the engine plans it (EXPLAIN QUERY PLAN). Not used while timing: only to explain a figure.

#include <QString>
#include <QStringList>
#include <vector>

class BaseDatos;

struct SentenciaTrazada {
    QString sql;
    int veces = 0;
    // From its first step to its last, the program's work on each row read included.
    double ms = 0;
    qint64 filasRecorridas = 0;  // steps of whole-table scans (SQLITE_STMTSTATUS_FULLSCAN_STEP)
    qint64 ordenamientos = 0;    // sorts the engine had to do (SQLITE_STMTSTATUS_SORT)
    QStringList plan;
};

class TrazaSqlite {
public:
    TrazaSqlite();
    ~TrazaSqlite();
    TrazaSqlite(const TrazaSqlite&) = delete;
    TrazaSqlite& operator=(const TrazaSqlite&) = delete;

    // Also follows a connection already open.
    void seguir(BaseDatos& base);

    // The statements, the costliest first, planned on the database file at `rutaBase`.
    std::vector<SentenciaTrazada> sentencias(const QString& rutaBase) const;

    void registrar(const char* sql, double ms, qint64 recorridas, qint64 ordenamientos);

private:
    std::vector<SentenciaTrazada> registradas_;
};

// The whole-table scan steps of all the statements.
qint64 filasRecorridas(const std::vector<SentenciaTrazada>& sentencias);

// Prints the `cuantas` costliest statements of a path under its title, with their plans.
void imprimirTraza(const QString& titulo, const std::vector<SentenciaTrazada>& sentencias,
                   int cuantas = 5);
