#include "declarations/reportes/texto_declaracion.h"

namespace {

constexpr int kLargoObservacion = 100;
constexpr int kAnchoSaldo = 5;

// Reads a stamp balance at `pos`: five blanks (not counted), five digits, or "-" and five digits.
std::optional<qint64> leerSaldo(const QString& texto, qsizetype& pos)
{
    const QString campo = texto.mid(pos, kAnchoSaldo);
    if (campo.trimmed().isEmpty()) {
        pos += kAnchoSaldo;
        return std::nullopt;
    }
    const bool negativo = campo.startsWith(QLatin1Char('-'));
    const int ancho = negativo ? kAnchoSaldo + 1 : kAnchoSaldo;
    const qint64 valor = texto.mid(pos, ancho).toLongLong();
    pos += ancho;
    return valor;
}

} // namespace

TextoDeclaracion leerTextoDeclaracion(const QString& texto, bool conSaldos, int cifrasValidos,
                                      int cifrasAnulados)
{
    TextoDeclaracion t;
    t.hayMovimientos = texto.startsWith(QLatin1Char('1'));
    t.rectificativa = !texto.mid(1, 15).trimmed().isEmpty();
    qsizetype pos = 16;
    t.validos = texto.mid(pos, cifrasValidos).toLongLong();
    pos += cifrasValidos;
    t.anulados = texto.mid(pos, cifrasAnulados).toLongLong();
    pos += cifrasAnulados;
    t.conSaldos = conSaldos;
    if (!conSaldos) {
        t.observacion = texto.mid(pos).trimmed();
        return t;
    }
    t.observacion = texto.mid(pos, kLargoObservacion).trimmed();
    pos += kLargoObservacion;
    for (std::optional<qint64>& saldo : t.saldos) saldo = leerSaldo(texto, pos);
    return t;
}
