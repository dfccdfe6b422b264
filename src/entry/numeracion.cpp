#include "entry/numeracion.h"

std::optional<QString> siguienteComprobante(const QString& ultimo)
{
    bool numero = false;
    const qint64 n = ultimo.trimmed().toLongLong(&numero);
    if (!numero || n < 0 || n >= kUltimoComprobante) return std::nullopt;
    return QStringLiteral("%1").arg(n + 1, 8, 10, QLatin1Char('0'));
}
