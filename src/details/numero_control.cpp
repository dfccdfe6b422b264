#include "details/numero_control.h"

namespace {

// The value of a text of digits; nothing for an empty text, any other character, or a value
// that no stamp figure can reach (more than eighteen digits).
std::optional<qint64> cifras(const QString& texto)
{
    const QString t = texto.trimmed();
    if (t.isEmpty() || t.size() > 18) return std::nullopt;
    qint64 valor = 0;
    for (const QChar c : t) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
        valor = valor * 10 + (c.unicode() - '0');
    }
    return valor;
}

QString relleno(qint64 valor, int ancho)
{
    return QStringLiteral("%1").arg(valor, ancho, 10, QLatin1Char('0'));
}

} // namespace

std::optional<qint64> numeroControlRemesa(const RemesaTipeada& r)
{
    const auto agente = cifras(r.agente);
    const auto remesa = cifras(r.remesa);
    const auto desde = cifras(r.desde);
    const auto hasta = cifras(r.hasta);
    if (!agente || !remesa || !desde || !hasta || r.tipo.size() != 1) return std::nullopt;

    const QString cadena = relleno(*agente, 6) + relleno(*remesa, 6)
                           + relleno(r.tipo.front().unicode(), 2) + relleno(*desde, 7)
                           + relleno(*hasta, 7);
    qint64 suma = 0;
    for (qsizetype i = 0; i < cadena.size(); ++i) {
        const qint64 codigo = cadena.at(i).unicode();
        if (codigo >= 33 && codigo <= 125) suma += (i + 1) * (i + 1) * codigo;
    }
    return suma % 100000000;
}

bool controlCoincide(const QString& tipeado, qint64 esperado)
{
    QString t = tipeado.trimmed();
    while (t.size() > 1 && t.front() == QLatin1Char('0')) t.remove(0, 1);
    const auto valor = cifras(t);
    return valor && *valor == esperado;
}
