#pragma once
// The generator writes a million rows straight through the engine: one prepared statement per
// table, bound and stepped again for each row, inside one transaction. Going through the
// program's own connection would prepare every statement anew for each row.

#include <QString>
#include <QtGlobal>
#include <stdexcept>
#include <string>
#include <string_view>

#include <sqlite3.h>

class ConexionSqlite {
public:
    explicit ConexionSqlite(const QString& ruta);
    ~ConexionSqlite();
    ConexionSqlite(const ConexionSqlite&) = delete;
    ConexionSqlite& operator=(const ConexionSqlite&) = delete;

    sqlite3* manija() const { return db_; }
    void ejecutar(const char* sql);
    // The first column of the first row, as a whole number (0 when there is none).
    qint64 entero(const char* sql);
    qint64 ultimoId() const { return sqlite3_last_insert_rowid(db_); }

private:
    sqlite3* db_ = nullptr;
};

class Sentencia {
public:
    Sentencia(ConexionSqlite& conexion, const char* sql);
    ~Sentencia();
    Sentencia(const Sentencia&) = delete;
    Sentencia& operator=(const Sentencia&) = delete;

    // Binds the values in order and runs the statement once.
    template <class... Valores>
    void ejecutar(const Valores&... valores)
    {
        int i = 0;
        (ligar(++i, valores), ...);
        paso();
    }

private:
    void ligar(int i, std::string_view texto);
    void ligar(int i, const char* texto) { ligar(i, std::string_view(texto)); }
    void ligar(int i, const std::string& texto) { ligar(i, std::string_view(texto)); }
    void ligar(int i, const QString& texto);
    void ligar(int i, qint64 valor);
    void ligar(int i, int valor) { ligar(i, qint64(valor)); }
    void ligar(int i, double valor);
    void ligar(int i, std::nullptr_t);
    void paso();
    [[noreturn]] void fallar(int codigo);

    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};
