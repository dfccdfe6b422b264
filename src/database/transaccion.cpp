#include "database/transaccion.h"

#include "database/base_datos.h"

#include <atomic>

namespace {
std::atomic<int> contador{0};
}

Transaccion::Transaccion(BaseDatos& base)
    : base_(base), nombre_(QStringLiteral("t%1").arg(++contador))
{
    base_.ejecutar(QStringLiteral("SAVEPOINT ") + nombre_);
}

Transaccion::~Transaccion()
{
    if (!abierta_) return;
    try {
        deshacer();
    } catch (...) {
        // Nothing more can be done while unwinding; the journal restores the file on next open.
    }
}

void Transaccion::confirmar()
{
    if (!abierta_) return;
    base_.ejecutar(QStringLiteral("RELEASE SAVEPOINT ") + nombre_);
    abierta_ = false;
}

void Transaccion::deshacer()
{
    if (!abierta_) return;
    abierta_ = false;
    base_.ejecutar(QStringLiteral("ROLLBACK TO SAVEPOINT ") + nombre_);
    base_.ejecutar(QStringLiteral("RELEASE SAVEPOINT ") + nombre_);
}
