#include "details/campos_detalle.h"

#include "database/base_datos.h"

namespace {

bool soloCifras(const QString& texto)
{
    if (texto.isEmpty()) return false;
    for (const QChar c : texto)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    return true;
}

// Digits padded with zeros to `ancho`; any other text as it is.
QString ceros(const QString& texto, int ancho)
{
    return soloCifras(texto) ? texto.rightJustified(ancho, QLatin1Char('0')) : texto;
}

} // namespace

QString normalizarObleaAnticipo(const QString& texto)
{
    const QString t = texto.toUpper();
    if (t.isEmpty()) return t;
    return t.front() + ceros(t.mid(1, 7), 7);
}

QString normalizarPorte(const QString& texto, int ancho)
{
    const QString t = texto.trimmed();
    return ceros(t.isEmpty() ? QStringLiteral("0") : t, ancho);
}

QString unirPorte(const QString& primera, const QString& segunda)
{
    return primera + QLatin1Char('-') + segunda;
}

std::pair<QString, QString> separarPorte(const QString& nroPorte)
{
    const qsizetype guion = nroPorte.indexOf(QLatin1Char('-'));
    if (guion < 0) return {nroPorte, QString()};
    return {nroPorte.left(guion), nroPorte.mid(guion + 1)};
}

std::optional<TipoBien> buscarTipoBien(BaseDatos& base, int clase, qint64 tipo)
{
    const auto fila = base.fila(
        QStringLiteral("SELECT Descripcion, Valor FROM Tipos WHERE Clase = ? AND Tipo = ?"),
        {clase, tipo});
    if (!fila) return std::nullopt;
    return TipoBien{fila->value(0).toString(), Importe::desdeColumna(fila->value(1))};
}

Importe valorPorCantidad(Importe valor, Importe cantidad)
{
    // valor * cantidad = valor * (cantidad * 100) / 100.
    return valor.porcentaje(cantidad * 100);
}
