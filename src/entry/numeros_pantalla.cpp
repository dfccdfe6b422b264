#include "entry/numeros_pantalla.h"

#include <QLocale>
#include <utility>

namespace {

// The text as Importe reads it, and the decimal separator to read it with.
std::pair<QString, QChar> comoNumero(const QString& texto, const QLocale& locale)
{
    const QString decimal = locale.decimalPoint();
    const QString grupo = locale.groupSeparator();
    QString limpio;
    for (const QChar c : texto) {
        if (c.isSpace() || c == QLatin1Char('$')) continue;
        limpio += c;
    }
    if (!grupo.isEmpty() && grupo != decimal) limpio.remove(grupo);
    // Importe::leer also takes "."; where "." groups thousands it was removed above.
    return {limpio, decimal.size() == 1 ? decimal.front() : QLatin1Char('.')};
}

} // namespace

std::optional<Importe> leerNumero(const QString& texto, const QLocale& locale)
{
    const auto [limpio, separador] = comoNumero(texto, locale);
    return Importe::leer(limpio, separador);
}

bool numeroDemasiadoGrande(const QString& texto, const QLocale& locale)
{
    const auto [limpio, separador] = comoNumero(texto, locale);
    return Importe::esDemasiadoGrande(limpio, separador);
}

QString textoNumero(Importe valor, const QLocale& locale)
{
    QString texto = valor.formato(u"0.0000", locale);
    const QString decimal = locale.decimalPoint();
    while (texto.endsWith(QLatin1Char('0'))) texto.chop(1);
    if (texto.endsWith(decimal)) texto.chop(decimal.size());
    return texto;
}
