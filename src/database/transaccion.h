#pragma once
// One user action that writes several rows lands whole or not at all. A Transaccion that goes out
// of scope without confirmar() undoes everything done since it began. They nest (savepoints), so a
// routine that keeps its own work whole can also run inside a caller's transaction.
//
// The outermost one is the engine's transaction itself, and it holds the file for writing from its
// start: while another program reads or writes the file, it fails right there, after one busy
// wait and before anything is done; once it has begun it never waits again. When its commit fails
// (a full disk) everything is rolled back there and then and the failure is thrown: the
// connection is never left with a transaction open, so a later action can never nest inside a
// failed one and be undone with it.

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
    // Ends the engine's transaction whatever state it is in; never throws.
    void deshacerTodo() noexcept;
    void terminar() noexcept;

    BaseDatos& base_;
    QString nombre_;
    bool exterior_;
    bool abierta_ = true;
};
