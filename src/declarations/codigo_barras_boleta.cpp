#include "declarations/codigo_barras_boleta.h"

#include "declarations/boleta.h"

namespace {

bool soloDigitos(const QString& texto)
{
    for (const QChar c : texto)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    return !texto.isEmpty();
}

// An amount in cents, zero-padded to its field; nothing when it does not fit.
std::optional<QString> enCentavos(Importe importe, int ancho)
{
    if (importe.esNegativo()) return std::nullopt;
    const QString cifras = QString::number(importe.centavos());
    if (cifras.size() > ancho) return std::nullopt;
    return cifras.rightJustified(ancho, QLatin1Char('0'));
}

// A code of exactly `ancho` digits, or the last `ancho` of a longer one when `ultimos`.
std::optional<QString> codigo(const QString& valor, int ancho, bool ultimos = false)
{
    if (!soloDigitos(valor)) return std::nullopt;
    if (valor.size() == ancho) return valor;
    if (ultimos && valor.size() > ancho) return valor.right(ancho);
    return std::nullopt;
}

} // namespace

std::optional<QString> textoCodigoBarras(const Boleta& boleta)
{
    const std::optional<QString> piezas[] = {
        codigo(boleta.nroAgente, 6),
        codigo(boleta.sucursal, 2, true),
        codigo(boleta.codRegimen, 2),
        codigo(boleta.anio, 2, true),
        codigo(boleta.mes, 2),
        enCentavos(boleta.total, 8),
        enCentavos(boleta.otrosPagos, 8),
        enCentavos(boleta.interes, 7),
        codigo(boleta.rectifica, 2),
    };
    QString texto;
    for (const std::optional<QString>& pieza : piezas) {
        if (!pieza) return std::nullopt;
        texto += *pieza;
    }
    return texto + QLatin1Char('*');
}
