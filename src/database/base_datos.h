#pragma once
// The open database BDR.mdb. Every value reaches SQL as a bound parameter; failures are thrown as
// ErrorMotor with the engine's numbering.

#include "database/error_motor.h"

#include <QSqlDatabase>
#include <QSqlRecord>
#include <QString>
#include <QVariant>
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
    // The first row of a query, or nothing.
    std::optional<QSqlRecord> fila(const QString& sql, const QVariantList& valores = {});
    // The first column of the first row, or a null value.
    QVariant valor(const QString& sql, const QVariantList& valores = {});
    bool existe(const QString& sql, const QVariantList& valores = {});
    // The counter given to the last inserted row.
    qint64 ultimoId();

private:
    void abrirConexion(const QString& ruta);

    QString nombreConexion_;
    QString ruta_;
};
