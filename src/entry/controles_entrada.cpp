#include "entry/controles_entrada.h"

#include "entry/numeros_pantalla.h"

#include <QDate>
#include <QLocale>

#include <algorithm>

namespace {

bool esDigito(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool soloDigitos(QStringView texto)
{
    return !texto.isEmpty() && std::all_of(texto.begin(), texto.end(), esDigito);
}

} // namespace

std::optional<QString> comprobarDia(const QString& dia, const QString& mes, const QString& anio,
                                    const QStringList& nombresMeses)
{
    if (dia == QLatin1String("00"))
        return QStringLiteral("Debe indicar el día de efectuada la retención.");
    const int d = dia.toInt();
    const int m = mes.toInt();
    const int a = anio.toInt();
    if (soloDigitos(dia) && QDate(a, m, d).isValid()) return std::nullopt;

    const QString nombre = (m >= 1 && m <= nombresMeses.size()) ? nombresMeses.at(m - 1) : mes;
    QString mensaje = nombre + QStringLiteral(" no tiene ") + dia + QStringLiteral(" días");
    if (mes == QLatin1String("02") && dia == QLatin1String("29"))
        mensaje += QStringLiteral(" en ") + anio;
    return mensaje + QLatin1Char('.');
}

ComprobacionBruto comprobarBruto(const QString& texto, bool admiteNegativos,
                                 const QLocale& locale, const QString& mascara)
{
    ComprobacionBruto r;
    const QString recortado = texto.trimmed();
    if (recortado.isEmpty()) {
        r.texto = QStringLiteral("0");
        return r;
    }
    const auto valor = leerNumero(recortado, locale);
    if (!valor) {
        r.estado = numeroDemasiadoGrande(recortado, locale) ? EstadoBruto::SuperaMaximo
                                                           : EstadoBruto::NoEsNumero;
    } else if (valor->esNegativo() && !admiteNegativos) {
        r.estado = EstadoBruto::NegativoNoAdmitido;
    } else if (*valor > kMaximoBruto) {
        r.estado = EstadoBruto::SuperaMaximo;
    } else {
        r.valor = *valor;
        r.texto = valor->formato(mascara, locale);
    }
    return r;
}

QString mensajeBruto(EstadoBruto estado)
{
    switch (estado) {
    case EstadoBruto::Aceptado: break;
    case EstadoBruto::NoEsNumero:
        return QStringLiteral("El importe ingresado no es un número válido.");
    case EstadoBruto::NegativoNoAdmitido:
        return QStringLiteral("Solo el Regimen Percepciones permite importes negativos");
    case EstadoBruto::SuperaMaximo:
        return QStringLiteral("El importe ingresado supera el máximo permitido ($ 999.999.999,99).");
    }
    return {};
}

bool aceptaTeclaBruto(QChar tecla, const QString& textoActual, QChar separadorDecimal,
                      bool admiteMenos)
{
    if (esDigito(tecla) || tecla == QLatin1Char('\b')) return true;
    if (tecla == separadorDecimal) return !textoActual.contains(separadorDecimal);
    if (tecla == QLatin1Char('-')) return admiteMenos && !textoActual.contains(QLatin1Char('-'));
    return false;
}

bool aceptaTeclaNroX(QChar tecla)
{
    return esDigito(tecla) || tecla == QLatin1Char('\b');
}

QString completarNroX(const QString& texto)
{
    return texto.trimmed().isEmpty() ? QStringLiteral("0") : texto;
}

QString normalizarOblea(const QString& texto)
{
    const QString mayusculas = texto.toUpper();
    if (mayusculas.isEmpty()) return mayusculas;
    const QString resto = mayusculas.mid(1, 7);
    const QString numero = resto.trimmed();
    if (!soloDigitos(numero)) return mayusculas.left(1) + resto;
    return mayusculas.left(1) + numero.rightJustified(7, QLatin1Char('0'));
}
