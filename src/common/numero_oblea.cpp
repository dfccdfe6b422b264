#include "common/numero_oblea.h"

#include <algorithm>

namespace {

bool esDigito(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

QString rellenar(const QString& texto, int ancho)
{
    const bool numero = !texto.isEmpty() && std::all_of(texto.begin(), texto.end(), esDigito);
    return numero ? texto.rightJustified(ancho, QLatin1Char('0')) : texto;
}

} // namespace

QString completarNumeroOblea(const QString& texto)
{
    const QString mayusculas = texto.toUpper();
    if (mayusculas.isEmpty()) return mayusculas;
    if (esDigito(mayusculas.front())) return rellenar(mayusculas.left(8), 8);
    return mayusculas.left(1) + rellenar(mayusculas.mid(1, 7), 7);
}
