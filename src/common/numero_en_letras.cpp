#include "common/numero_en_letras.h"

#include <array>

namespace {

const std::array<const char*, 10> kUnidades = {"",     "UN",    "DOS",  "TRES", "CUATRO",
                                               "CINCO", "SEIS", "SIETE", "OCHO", "NUEVE"};
const std::array<const char*, 10> kDecenas = {"",          "DIEZ",     "VEINT",   "TREINTA",
                                              "CUARENTA",  "CINCUENTA", "SESENTA", "SETENTA",
                                              "OCHENTA",   "NOVENTA"};
const std::array<const char*, 10> kCentenas = {
    "",           "CIEN",         "DOSCIENTOS",  "TRESCIENTOS", "CUATROCIENTOS",
    "QUINIENTOS", "SEISCIENTOS",  "SETECIENTOS", "OCHOCIENTOS", "NOVECIENTOS"};
// 11 to 19, by the units digit.
const std::array<const char*, 10> kOnceADiecinueve = {
    "",       "ONCE",      "DOCE",       "TRECE",     "CATORCE",
    "QUINCE", "DIECISEIS", "DIECISIETE", "DIECIOCHO", "DIECINUEVE"};

bool soloDigitos(const QString& texto)
{
    for (const QChar c : texto)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    return true;
}

QString palabra(const char* texto)
{
    return QString::fromLatin1(texto);
}

QString unidades(int u, const QString& terminacion)
{
    return u == 1 ? QStringLiteral("UN") + terminacion : palabra(kUnidades[u]);
}

} // namespace

QString centenasEnLetras(const QString& grupo, const QString& terminacion)
{
    if (grupo.size() >= 4) return QStringLiteral("Máximo permitido: 999");
    if (!soloDigitos(grupo)) return {};
    const QString cifras = grupo.rightJustified(3, QLatin1Char('0'));
    const int c = cifras.at(0).unicode() - '0';
    const int d = cifras.at(1).unicode() - '0';
    const int u = cifras.at(2).unicode() - '0';

    QString letras = palabra(kCentenas[c]);
    if (d + u == 0) return letras;
    if (c != 0) letras += c == 1 ? QStringLiteral("TO ") : QStringLiteral(" ");
    if (d == 1 && u != 0) return letras + palabra(kOnceADiecinueve[u]);
    if (d != 0) {
        letras += palabra(kDecenas[d]);
        if (d == 2)
            letras += u == 0 ? QStringLiteral("E") : QStringLiteral("I");
        else if (u != 0)
            letras += QStringLiteral(" Y ");
    }
    return letras + unidades(u, terminacion);
}

QString numeroEnLetras(const QString& numero, const QString& terminacion)
{
    if (numero.size() >= 10) return QStringLiteral("Máximo permitido: 999999999");
    if (!soloDigitos(numero)) return {};
    const QString cifras = numero.rightJustified(9, QLatin1Char('0'));

    QString millones = centenasEnLetras(cifras.mid(0, 3), QString());
    QString miles = centenasEnLetras(cifras.mid(3, 3), QString());
    const QString resto = centenasEnLetras(cifras.mid(6, 3), terminacion);

    if (!millones.trimmed().isEmpty())
        millones += millones == QLatin1String("UN") ? QStringLiteral(" MILLON ")
                                                     : QStringLiteral(" MILLONES ");
    if (!miles.trimmed().isEmpty()) miles += QStringLiteral(" MIL ");
    return (millones + miles + resto).trimmed();
}
