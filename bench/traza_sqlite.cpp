#include "traza_sqlite.h"

#include "database/base_datos.h"
#include "sentencia_sqlite.h"

#include <QSqlDriver>
#include <QTextStream>
#include <algorithm>
#include <map>

namespace {

TrazaSqlite* activa = nullptr;

int alTerminarSentencia(unsigned tipo, void*, void* p, void* x)
{
    if (tipo != SQLITE_TRACE_PROFILE || !activa) return 0;
    auto* stmt = static_cast<sqlite3_stmt*>(p);
    const double ms = double(*static_cast<sqlite3_int64*>(x)) / 1e6;
    activa->registrar(sqlite3_sql(stmt), ms,
                      sqlite3_stmt_status(stmt, SQLITE_STMTSTATUS_FULLSCAN_STEP, 1),
                      sqlite3_stmt_status(stmt, SQLITE_STMTSTATUS_SORT, 1));
    return 0;
}

void trazar(sqlite3* db)
{
    sqlite3_trace_v2(db, SQLITE_TRACE_PROFILE, alTerminarSentencia, nullptr);
}

int alAbrirConexion(sqlite3* db, const char**, const void*)
{
    trazar(db);
    return SQLITE_OK;
}

using Extension = void (*)();

Extension extension()
{
    return reinterpret_cast<Extension>(&alAbrirConexion);
}

QStringList planDe(ConexionSqlite& db, const QString& sql)
{
    QStringList plan;
    sqlite3_stmt* stmt = nullptr;
    const QByteArray texto = "EXPLAIN QUERY PLAN " + sql.toUtf8();
    if (sqlite3_prepare_v2(db.manija(), texto.constData(), -1, &stmt, nullptr) != SQLITE_OK) {
        sqlite3_finalize(stmt);
        return plan;
    }
    std::map<int, int> profundidad;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        const int id = sqlite3_column_int(stmt, 0);
        const int padre = sqlite3_column_int(stmt, 1);
        profundidad[id] = padre == 0 ? 0 : profundidad[padre] + 1;
        plan << QString(2 * profundidad[id], QLatin1Char(' '))
                    + QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 3)));
    }
    sqlite3_finalize(stmt);
    return plan;
}

} // namespace

TrazaSqlite::TrazaSqlite()
{
    activa = this;
    sqlite3_auto_extension(extension());
}

TrazaSqlite::~TrazaSqlite()
{
    // The connections keep the hook, which does nothing once no trace is active.
    sqlite3_cancel_auto_extension(extension());
    activa = nullptr;
}

void TrazaSqlite::seguir(BaseDatos& base)
{
    const QVariant manija = base.conexion().driver()->handle();
    if (manija.isValid() && qstrcmp(manija.typeName(), "sqlite3*") == 0)
        trazar(*static_cast<sqlite3* const*>(manija.constData()));
}

void TrazaSqlite::registrar(const char* sql, double ms, qint64 recorridas, qint64 ordenamientos)
{
    const QString texto = QString::fromUtf8(sql).simplified();
    auto it = std::find_if(registradas_.begin(), registradas_.end(),
                           [&](const SentenciaTrazada& s) { return s.sql == texto; });
    if (it == registradas_.end()) {
        SentenciaTrazada nueva;
        nueva.sql = texto;
        registradas_.push_back(nueva);
        it = registradas_.end() - 1;
    }
    ++it->veces;
    it->ms += ms;
    it->filasRecorridas += recorridas;
    it->ordenamientos += ordenamientos;
}

std::vector<SentenciaTrazada> TrazaSqlite::sentencias(const QString& rutaBase) const
{
    std::vector<SentenciaTrazada> resultado = registradas_;
    std::sort(resultado.begin(), resultado.end(),
              [](const SentenciaTrazada& a, const SentenciaTrazada& b) { return a.ms > b.ms; });
    // Planning is not part of what was traced.
    TrazaSqlite* const seguida = activa;
    activa = nullptr;
    {
        ConexionSqlite db(rutaBase);
        for (SentenciaTrazada& s : resultado) s.plan = planDe(db, s.sql);
    }
    activa = seguida;
    return resultado;
}

qint64 filasRecorridas(const std::vector<SentenciaTrazada>& sentencias)
{
    qint64 total = 0;
    for (const SentenciaTrazada& s : sentencias) total += s.filasRecorridas;
    return total;
}

void imprimirTraza(const QString& titulo, const std::vector<SentenciaTrazada>& sentencias, int cuantas)
{
    QTextStream out(stdout);
    double total = 0;
    int veces = 0;
    for (const SentenciaTrazada& s : sentencias) total += s.ms, veces += s.veces;
    out << '\n' << titulo << ": " << veces << " sentencias, " << QString::number(total, 'f', 1)
        << " ms en el motor; las más costosas:\n";
    for (int i = 0; i < cuantas && i < int(sentencias.size()); ++i) {
        const SentenciaTrazada& s = sentencias[std::size_t(i)];
        out << QStringLiteral("  %1 ms  x%2").arg(s.ms, 8, 'f', 1).arg(s.veces);
        if (s.filasRecorridas > 0) out << "  recorre " << s.filasRecorridas << " filas";
        if (s.ordenamientos > 0) out << "  ordena x" << s.ordenamientos;
        // Long statements keep their start and their end, where the order and the filter are.
        out << "\n    "
            << (s.sql.size() > 170 ? s.sql.left(100) + QStringLiteral(" ... ") + s.sql.right(65)
                                   : s.sql)
            << '\n';
        for (const QString& paso : s.plan) out << "      " << paso << '\n';
    }
    out.flush();
}
