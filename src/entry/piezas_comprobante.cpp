#include "entry/piezas_comprobante.h"

namespace {

const QString kCeros13 = QStringLiteral("0000000000000");

bool soloCifras(const QString& texto)
{
    if (texto.isEmpty()) return false;
    for (const QChar c : texto)
        if (!c.isDigit()) return false;
    return true;
}

// A number written with leading zeros to `ancho`; a text that is no number, as it is.
QString ceros(const QString& texto, int ancho)
{
    const QString t = texto.trimmed();
    return soloCifras(t) ? t.rightJustified(ancho, QLatin1Char('0')) : t;
}

// The waybill's digits without its dash, and a blank.
QString piezaPorte(const std::optional<QString>& nroPorte)
{
    if (!nroPorte) return QStringLiteral("000000000000 ");
    return nroPorte->mid(0, 4) + nroPorte->mid(5, 8) + QLatin1Char(' ');
}

} // namespace

PiezasComprobante piezasComprobante(const ReglasRegimen& reglas, const std::optional<Guia>& primera)
{
    const bool anticiposConOblea = reglas.detalle == ModoDetalle::AnticiposConOblea;
    if (!primera) {
        if (anticiposConOblea) return {QStringLiteral("0"), kCeros13, true};
        return {QStringLiteral("00000000"), kCeros13, false};
    }
    const QString oblea = primera->nroGuia.value_or(QStringLiteral("0"));
    switch (reglas.detalle) {
    case ModoDetalle::Guias:
    case ModoDetalle::Alimentos:
        return {QString(), kCeros13, false};
    case ModoDetalle::Obleas:
        // The police form writes the stamp as stored.
        if (reglas.policial()) return {oblea, piezaPorte(primera->nroPorte), false};
        return {oblea.rightJustified(8, QLatin1Char(' ')), piezaPorte(primera->nroPorte), false};
    case ModoDetalle::AnticiposConOblea: {
        const QString pieza = oblea.rightJustified(8, QLatin1Char(' ')).trimmed();
        return {pieza, piezaPorte(primera->nroPorte), pieza == QLatin1String("0")};
    }
    case ModoDetalle::Anticipos:
        return {ceros(primera->nroAnticipo.value_or(QString()), 8).rightJustified(8, QLatin1Char('0')),
                ceros(primera->nroAgente, 13).rightJustified(13, QLatin1Char('0')), false};
    case ModoDetalle::Ninguno:
    case ModoDetalle::ObleaZ:
        break;
    }
    return {QStringLiteral("00000000"), kCeros13, false};
}

QString detalleComprobanteLote(const ReglasRegimen& reglas, const std::optional<Guia>& primera)
{
    if (!reglas.loteConDetalle || !primera) return {};
    const QString oblea = primera->nroGuia.value_or(QStringLiteral("0"));
    switch (reglas.detalle) {
    case ModoDetalle::Guias:
        return ceros(oblea, 8).rightJustified(8, QLatin1Char('0')) + kCeros13;
    case ModoDetalle::Obleas:
    case ModoDetalle::AnticiposConOblea:
        return oblea.rightJustified(8, QLatin1Char(' ')) + piezaPorte(primera->nroPorte);
    case ModoDetalle::Anticipos:
        return ceros(primera->nroAnticipo.value_or(QString()), 8).rightJustified(8, QLatin1Char('0'))
               + ceros(primera->nroAgente, 13).rightJustified(13, QLatin1Char('0'));
    case ModoDetalle::Ninguno:
    case ModoDetalle::Alimentos:
    case ModoDetalle::ObleaZ:
        break;
    }
    return {};
}
