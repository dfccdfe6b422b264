#include "declarations/boleta_texto.h"

#include "common/numero_en_letras.h"

namespace {

// The amount as a whole number, ties to the even one, as the conversion to a long integer does.
qint64 enteroAlPar(Importe importe)
{
    const qint64 v = importe.diezmilesimos();
    qint64 entero = v / Importe::kEscala;
    const qint64 resto = v % Importe::kEscala;
    const qint64 dobleResto = 2 * (resto < 0 ? -resto : resto);
    if (dobleResto > Importe::kEscala || (dobleResto == Importe::kEscala && entero % 2 != 0))
        entero += v < 0 ? -1 : 1;
    return entero;
}

} // namespace

std::optional<QString> importeEnLetras(Importe neto, Importe interes)
{
    if (neto.esCero()) return kPalabrasCero;
    const Importe aPagar = (neto + interes).redondeadoACentavos();
    if (aPagar.esNegativo() || aPagar > kMaximoEnLetras) return std::nullopt;
    const qint64 centavos = aPagar.centavos();
    const QString entero = QString::number(centavos / 100).rightJustified(9, QLatin1Char('0'));
    const QString cents = QString::number(centavos % 100).rightJustified(2, QLatin1Char('0'));
    return QLatin1Char(' ') + numeroEnLetras(entero, QStringLiteral("O"))
           + QStringLiteral(" CON ") + cents + QStringLiteral("/100");
}

QString prefijoBoleta(bool hayMovimientos, Importe total)
{
    if (!hayMovimientos && enteroAlPar(total) == 0) return kSinMovimientos;
    return QString(15, QLatin1Char(' '));
}
