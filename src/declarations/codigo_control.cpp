#include "declarations/codigo_control.h"

void CodigoControl::sumarLinea(const QByteArray& linea)
{
    for (qsizetype i = 0; i < linea.size(); ++i) {
        const auto codigo = static_cast<unsigned char>(linea[i]);
        if (codigo >= 32 && codigo <= 126) suma_ += quint64(codigo) * quint64(i + 1);
    }
}

QString CodigoControl::codigo() const
{
    return QStringLiteral("%1").arg(suma_ % 100000000ULL, 8, 10, QLatin1Char('0'));
}
