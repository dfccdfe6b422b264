#include "reference/numeracion_sujetos.h"

#include "database/base_datos.h"
#include "database/codigos.h"

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kUltimaSecuencia = 999999;

// The sequence of a stored number, characters 4 to 9, read as the digits it begins with.
int secuencia(const QString& nroContrib)
{
    int valor = 0;
    for (const QChar c : QStringView(nroContrib).mid(3, 6)) {
        if (c < u'0' || c > u'9') break;
        valor = valor * 10 + (c.unicode() - '0');
    }
    return valor;
}

} // namespace

QString jurisdiccion(SujetoNumerado clase)
{
    return clase == SujetoNumerado::NoInscripto ? u"950"_s : u"999"_s;
}

std::optional<QString> siguienteNumero(BaseDatos& base, SujetoNumerado clase)
{
    // The bare jurisdiction followed by zeros is no number of the sequence. Foreigners have no
    // upper bound: "999" is the highest jurisdiction.
    const QString sql = clase == SujetoNumerado::NoInscripto
        ? u"SELECT Nro_Contrib FROM Contribuyentes WHERE Nro_Contrib > ? AND Nro_Contrib < ? "
          u"ORDER BY Nro_Contrib DESC LIMIT 1"_s
        : u"SELECT Nro_Contrib FROM Contribuyentes WHERE Nro_Contrib > ? "
          u"ORDER BY Nro_Contrib DESC LIMIT 1"_s;
    const QVariantList valores = clase == SujetoNumerado::NoInscripto
        ? QVariantList{u"9500000000"_s, u"9510000000"_s}
        : QVariantList{u"9990000000"_s};
    const QVariant mayor = base.valor(sql, valores);
    const int siguiente = mayor.isNull() ? 1 : secuencia(mayor.toString()) + 1;
    if (siguiente > kUltimaSecuencia) return std::nullopt;
    return jurisdiccion(clase) + QString::number(siguiente).rightJustified(6, u'0') + u'0';
}

QString tipoDeSujeto(const QString& nroContrib, bool constancia)
{
    if (constancia) return tipo_sujeto::Constancia;
    const QString j = nroContrib.left(3);
    if (j == u"000"_s) return tipo_sujeto::ObligadoDirecto;
    if (j == u"911"_s) return tipo_sujeto::ConvenioLocal;
    if (j == u"999"_s) return tipo_sujeto::Extranjero;
    if (j == u"950"_s) return tipo_sujeto::NoInscripto;
    return tipo_sujeto::ConvenioForaneo;
}
