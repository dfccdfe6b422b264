#include "sentencia_sqlite.h"

namespace {

[[noreturn]] void fallar(sqlite3* db, const std::string& contexto)
{
    throw std::runtime_error(contexto + ": " + sqlite3_errmsg(db));
}

} // namespace

ConexionSqlite::ConexionSqlite(const QString& ruta)
{
    if (sqlite3_open_v2(ruta.toUtf8().constData(), &db_, SQLITE_OPEN_READWRITE, nullptr)
        != SQLITE_OK) {
        const std::string causa = db_ ? sqlite3_errmsg(db_) : "sin memoria";
        sqlite3_close(db_);
        throw std::runtime_error("no se pudo abrir " + ruta.toStdString() + ": " + causa);
    }
}

ConexionSqlite::~ConexionSqlite()
{
    sqlite3_close(db_);
}

void ConexionSqlite::ejecutar(const char* sql)
{
    char* error = nullptr;
    if (sqlite3_exec(db_, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string texto = error ? error : "?";
        sqlite3_free(error);
        throw std::runtime_error(std::string(sql) + ": " + texto);
    }
}

qint64 ConexionSqlite::entero(const char* sql)
{
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db_, sql, -1, &stmt, nullptr) != SQLITE_OK) fallar(db_, sql);
    const int codigo = sqlite3_step(stmt);
    const qint64 valor = codigo == SQLITE_ROW ? sqlite3_column_int64(stmt, 0) : 0;
    sqlite3_finalize(stmt);
    if (codigo != SQLITE_ROW && codigo != SQLITE_DONE) fallar(db_, sql);
    return valor;
}

Sentencia::Sentencia(ConexionSqlite& conexion, const char* sql) : db_(conexion.manija())
{
    if (sqlite3_prepare_v2(db_, sql, -1, &stmt_, nullptr) != SQLITE_OK) ::fallar(db_, sql);
}

Sentencia::~Sentencia()
{
    sqlite3_finalize(stmt_);
}

void Sentencia::fallar(int codigo)
{
    const std::string sql = sqlite3_sql(stmt_);
    sqlite3_reset(stmt_);
    throw std::runtime_error(sql + ": " + sqlite3_errstr(codigo) + " (" + sqlite3_errmsg(db_) + ")");
}

void Sentencia::ligar(int i, std::string_view texto)
{
    const int codigo =
        sqlite3_bind_text(stmt_, i, texto.data(), int(texto.size()), SQLITE_TRANSIENT);
    if (codigo != SQLITE_OK) fallar(codigo);
}

void Sentencia::ligar(int i, const QString& texto)
{
    const QByteArray utf8 = texto.toUtf8();
    ligar(i, std::string_view(utf8.constData(), std::size_t(utf8.size())));
}

void Sentencia::ligar(int i, qint64 valor)
{
    const int codigo = sqlite3_bind_int64(stmt_, i, valor);
    if (codigo != SQLITE_OK) fallar(codigo);
}

void Sentencia::ligar(int i, double valor)
{
    const int codigo = sqlite3_bind_double(stmt_, i, valor);
    if (codigo != SQLITE_OK) fallar(codigo);
}

void Sentencia::ligar(int i, std::nullptr_t)
{
    const int codigo = sqlite3_bind_null(stmt_, i);
    if (codigo != SQLITE_OK) fallar(codigo);
}

void Sentencia::paso()
{
    const int codigo = sqlite3_step(stmt_);
    if (codigo != SQLITE_DONE && codigo != SQLITE_ROW) fallar(codigo);
    sqlite3_reset(stmt_);
}
