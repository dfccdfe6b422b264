#include "database/transaccion.h"

#include "database/base_datos.h"

#include <atomic>

namespace {
std::atomic<int> contador{0};
}

Transaccion::Transaccion(BaseDatos& base)
    : base_(base), nombre_(QStringLiteral("t%1").arg(++contador)), exterior_(base.transacciones_ == 0)
{
    // The outermost level takes the write lock before anything is done. A writer that began without
    // it would meet another program's reader at every page it had to move to the file, waiting
    // the busy time out each time; taken here, the wait is one busy time at most, the action
    // fails before it has done anything, and once it holds the lock nothing can make it wait.
    base_.ejecutar(exterior_ ? QStringLiteral("BEGIN EXCLUSIVE")
                             : QStringLiteral("SAVEPOINT ") + nombre_);
    ++base_.transacciones_;
}

Transaccion::~Transaccion()
{
    if (!abierta_) return;
    try {
        deshacer();
    } catch (...) {
        // deshacer() has already left the connection without this transaction's work.
    }
}

void Transaccion::confirmar()
{
    if (!abierta_) return;
    // A failure that ended the engine's transaction fails every level that still thinks it is open.
    base_.comprobarTransaccion();
    if (!exterior_) {
        base_.ejecutar(QStringLiteral("RELEASE SAVEPOINT ") + nombre_);
        terminar();
        return;
    }
    try {
        base_.ejecutar(QStringLiteral("COMMIT"));
    } catch (...) {
        // The commit did not land (a full disk, a disk that fails): undo it all
        // now, or the transaction would stay open and swallow every later action.
        deshacerTodo();
        terminar();
        throw;
    }
    terminar();
}

void Transaccion::deshacer()
{
    if (!abierta_) return;
    if (exterior_) {
        deshacerTodo();
        terminar();
        return;
    }
    // After the engine has ended the transaction there is no savepoint left to go back to; the
    // outermost level ends what remains.
    const bool perdida = base_.perdida_.has_value();
    terminar();
    if (perdida) return;
    base_.ejecutar(QStringLiteral("ROLLBACK TO SAVEPOINT ") + nombre_);
    base_.ejecutar(QStringLiteral("RELEASE SAVEPOINT ") + nombre_);
}

void Transaccion::deshacerTodo() noexcept
{
    base_.perdida_.reset();
    if (!base_.transaccionAbierta()) return;
    try {
        base_.ejecutar(QStringLiteral("ROLLBACK"));
    } catch (...) {
        // A rollback only fails when there is nothing left to roll back.
    }
}

void Transaccion::terminar() noexcept
{
    abierta_ = false;
    if (--base_.transacciones_ == 0) base_.perdida_.reset();
}
