#include "declarations/reportes/texto_declaracion.h"

#include <algorithm>

namespace {

constexpr int kLargoObservacion = 100;
constexpr int kAnchoSaldo = 5;

// Reads a stamp balance at `pos`: five blanks (not counted), or its `cifras` digits with "-" in
// front when negative.
std::optional<qint64> leerSaldo(const QString& texto, qsizetype& pos, int cifras)
{
    if (texto.mid(pos, kAnchoSaldo).trimmed().isEmpty()) {
        pos += kAnchoSaldo;
        return std::nullopt;
    }
    const int ancho = texto.mid(pos, 1) == QLatin1String("-") ? cifras + 1 : cifras;
    const qint64 valor = texto.mid(pos, ancho).toLongLong();
    pos += ancho;
    return valor;
}

} // namespace

int cifrasTexto(qint64 valor, int minimo)
{
    const QString digitos = QString::number(valor);
    return std::max<int>(minimo, int(digitos.size()) - (valor < 0 ? 1 : 0));
}

TextoDeclaracion leerTextoDeclaracion(const QString& texto, bool conSaldos, int cifrasValidos,
                                      int cifrasAnulados, const std::array<int, 5>& cifrasSaldos)
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
    for (std::size_t i = 0; i < t.saldos.size(); ++i)
        t.saldos[i] = leerSaldo(texto, pos, cifrasSaldos[i]);
    return t;
}
