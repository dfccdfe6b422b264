#pragma once
// The open database BDR.mdb. Every value reaches SQL as a bound parameter; failures are thrown as
// ErrorMotor with the program's error numbers (error_motor.h).
//
// The engine itself ends an open transaction on some failures (a full disk, an I/O error): from
// then on, statements would land one by one outside it. The connection notices that, and every
// later statement of the same operation fails with the original cause until the operation's
// outermost Transaccion has ended, so nothing of it is kept.

#include "database/error_motor.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QVariant>
#include <functional>
#include <optional>
#include <vector>

class BaseDatos {
public:
    BaseDatos();
    ~BaseDatos();
    BaseDatos(const BaseDatos&) = delete;
    BaseDatos& operator=(const BaseDatos&) = delete;

    // Opens an existing file; 3024 when it is not there.
    void abrir(const QString& ruta);
    // Makes a new, empty file (it must not exist yet) and opens it.
    void crear(const QString& ruta);
    void cerrar();
    bool abierta() const;
    const QString& ruta() const { return ruta_; }
    QSqlDatabase conexion() const;

    // Runs one statement; returns the rows it changed.
    int ejecutar(const QString& sql, const QVariantList& valores = {});
    // Runs a query and returns all its rows.
    std::vector<QSqlRecord> filas(const QString& sql, const QVariantList& valores = {});
    // Runs a query and hands its rows to `fila` one at a time as the engine reads them, so that a
    // query of any size holds one row in memory. The columns are read by position.
    void recorrer(const QString& sql, const QVariantList& valores,
                  const std::function<void(const QSqlQuery&)>& fila);
    // Runs a query whose rows the caller takes at its own pace with siguiente(), one row in
    // memory: a report reading as it lays out its sheets.
    QSqlQuery consulta(const QString& sql, const QVariantList& valores = {});
    // Moves such a query to its next row; false after the last.
    bool siguiente(QSqlQuery& consulta);
    // The first row of a query, or nothing.
    std::optional<QSqlRecord> fila(const QString& sql, const QVariantList& valores = {});
    // The first column of the first row, or a null value.
    QVariant valor(const QString& sql, const QVariantList& valores = {});
    // The first column of every row, as text: a query that lists one field.
    QStringList textos(const QString& sql, const QVariantList& valores = {});
    bool existe(const QString& sql, const QVariantList& valores = {});
    // The counter given to the last inserted row.
    qint64 ultimoId();

    // Whether the engine holds a transaction open on this connection.
    bool transaccionAbierta() const;
    // How long a statement waits for a lock another program holds before it gives up.
    void setEsperaOcupada(int milisegundos);
    int esperaOcupada() const { return esperaOcupada_; }

private:
    friend class Transaccion;

    void abrirConexion(const QString& ruta);
    QSqlQuery preparar(const QString& sql, const QVariantList& valores);
    // Every failure goes through here: it notices a transaction the engine has ended.
    [[noreturn]] void fallar(const QSqlError& error);
    void comprobarTransaccion() const;

    QString nombreConexion_;
    QString ruta_;
    int esperaOcupada_ = 5000;
    int transacciones_ = 0;                 // Transaccion objects open, outermost included
    std::optional<ErrorMotor> perdida_;     // what ended the open transaction behind our back
};
