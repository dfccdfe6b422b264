#pragma once
// One user action that writes several rows lands whole or not at all. A Transaccion that goes out
// of scope without confirmar() undoes everything done since it began. They nest (savepoints), so a
// routine that keeps its own work whole can also run inside a caller's transaction.

#include <QString>

class BaseDatos;

class Transaccion {
public:
    explicit Transaccion(BaseDatos& base);
    ~Transaccion();
    Transaccion(const Transaccion&) = delete;
    Transaccion& operator=(const Transaccion&) = delete;

    void confirmar();
    void deshacer();

private:
    BaseDatos& base_;
    QString nombre_;
    bool abierta_ = true;
};
