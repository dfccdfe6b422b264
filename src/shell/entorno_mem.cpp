#include "shell/entorno_mem.h"

#include <QRegularExpression>
#include <QStringList>
#include <cmath>

namespace {

QString sinBlancos(const QString& texto)
{
    qsizetype inicio = 0;
    qsizetype fin = texto.size();
    while (inicio < fin && texto[inicio] == QLatin1Char(' ')) ++inicio;
    while (fin > inicio && texto[fin - 1] == QLatin1Char(' ')) --fin;
    return texto.mid(inicio, fin - inicio);
}

} // namespace

qint64 valorNumerico(const QString& texto)
{
    QString limpio;
    for (QChar c : texto)
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n')
            && c != QLatin1Char('\r'))
            limpio += c;
    static const QRegularExpression numero(
        QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?"));
    const auto m = numero.match(limpio);
    if (!m.hasMatch() || m.capturedLength() == 0) return 0;
    bool ok = false;
    const double valor = m.captured(0).toDouble(&ok);
    if (!ok || !std::isfinite(valor) || std::fabs(valor) > 2147483647.0) return 0;
    // Whole numbers are rounded half to even: Entorno.mem is written and read with that rule.
    return static_cast<qint64>(std::nearbyint(valor));
}

QString conCeros(const QString& texto, int ancho)
{
    static const QRegularExpression numero(QStringLiteral("^\\s*([+-]?)(\\d+)(\\.\\d*)?\\s*$"));
    const auto m = numero.match(texto);
    if (!m.hasMatch()) return texto;
    bool ok = false;
    const double valor = (m.captured(1) + m.captured(2) + m.captured(3)).toDouble(&ok);
    if (!ok) return texto;
    const qint64 entero = static_cast<qint64>(std::nearbyint(std::fabs(valor)));
    const QString digitos = QString::number(entero).rightJustified(ancho, QLatin1Char('0'));
    return valor < 0 && entero != 0 ? QLatin1Char('-') + digitos : digitos;
}

ContenidoEntornoMem leerEntornoMem(const QByteArray& contenido)
{
    ContenidoEntornoMem leido;
    const QStringList lineas = QString::fromLatin1(contenido).split(QLatin1Char('\n'));
    for (QString linea : lineas) {
        if (linea.endsWith(QLatin1Char('\r'))) linea.chop(1);
        linea = sinBlancos(linea);
        const qsizetype igual = linea.indexOf(QLatin1Char('='));
        if (igual < 0) continue;
        const QString clave = sinBlancos(linea.left(igual));
        const QString valor = linea.mid(igual + 1);
        if (clave == QLatin1String("CabeceraAct")) {
            leido.cabecera = valorNumerico(valor);
            leido.cabeceraEncontrada = true;
        } else if (clave == QLatin1String("AgenteAct")) {
            leido.agente = conCeros(valor, 6);
        } else if (clave == QLatin1String("SucursalAct")) {
            leido.sucursal = conCeros(valor, 4);
        } else if (clave == QLatin1String("RegimenAct")) {
            leido.regimen = conCeros(valor, 2);
        }
    }
    return leido;
}

QByteArray escribirEntornoMem(std::optional<qint64> cabecera, const std::optional<QString>& agente,
                              const std::optional<QString>& sucursal,
                              const std::optional<QString>& regimen)
{
    QByteArray texto;
    auto linea = [&](const char* clave, const QString& valor) {
        texto += clave;
        texto += " = ";
        texto += valor.toLatin1();
        texto += "\r\n";
    };
    if (cabecera) {
        linea("CabeceraAct", QString::number(*cabecera));
        return texto;
    }
    if (agente) linea("AgenteAct", *agente);
    if (sucursal) linea("SucursalAct", *sucursal);
    if (regimen) linea("RegimenAct", *regimen);
    return texto;
}
