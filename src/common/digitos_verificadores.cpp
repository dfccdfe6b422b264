#include "common/digitos_verificadores.h"

#include "platform/dialogs.h"

#include <array>
#include <optional>

namespace {

const QString kTituloError = QStringLiteral("Error");

void error(Dialogs& dialogos, const QString& texto)
{
    dialogos.aviso(texto, kTituloError, Icono::Exclamacion);
}

// The number read from the start of a text, the way every numeric field of the program is read:
// blanks are skipped, digits are taken until anything else. Only "is it zero" is ever asked of a whole
// identifier, so the answer is given without building a number that could overflow.
bool valorInicialEsCero(QStringView texto)
{
    for (const QChar c : texto) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t')) continue;
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return true;
        if (c != QLatin1Char('0')) return false;
    }
    return true;
}

// The same reading, of a text short enough to hold its number (a two-digit prefix).
int valorInicial(QStringView texto)
{
    int valor = 0;
    for (const QChar c : texto) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t')) continue;
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) break;
        valor = valor * 10 + (c.unicode() - '0');
    }
    return valor;
}

std::optional<int> digito(QChar c)
{
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
    return c.unicode() - '0';
}

std::optional<int> ultimoDigito(const QString& texto)
{
    if (texto.isEmpty()) return std::nullopt;
    return digito(texto.back());
}

// Sum of the first N digits times their weights; nothing when one of them is not a digit.
template <std::size_t N>
std::optional<int> sumaPonderada(const QString& texto, const std::array<int, N>& pesos,
                                 bool soloUltimaCifra = false)
{
    if (texto.size() < qsizetype(N)) return std::nullopt;
    int suma = 0;
    for (std::size_t i = 0; i < N; ++i) {
        const auto d = digito(texto.at(qsizetype(i)));
        if (!d) return std::nullopt;
        const int producto = *d * pesos[i];
        suma += soloUltimaCifra ? producto % 10 : producto;
    }
    return suma;
}

bool digitoCuitCorrecto(const QString& cuit)
{
    const auto suma = sumaPonderada(cuit, std::array{5, 4, 3, 2, 7, 6, 5, 4, 3, 2});
    const auto ultimo = ultimoDigito(cuit);
    if (!suma || !ultimo) return false;
    const int resto = *suma % 11;
    // Remainder 1 asks for 10, which no digit is: such a number is never valid.
    const int esperado = resto == 0 ? 0 : 11 - resto;
    return esperado == *ultimo;
}

bool digitoInscripcionCorrecto(const QString& numero)
{
    const auto suma = sumaPonderada(numero, std::array{9, 7, 1, 3, 9, 7}, true);
    const auto ultimo = ultimoDigito(numero);
    return suma && ultimo && *suma % 10 == *ultimo;
}

// Remainder of the Convenio Multilateral weighted sum, or nothing.
std::optional<int> restoConvenio(const QString& numero)
{
    const auto suma = sumaPonderada(numero, std::array{1, 3, 9, 7, 1, 3});
    if (!suma) return std::nullopt;
    return *suma % 11;
}

// The completeness and zero steps that the interactive inscription and Convenio Multilateral
// checks share (both speak of an inscription number).
bool inscripcionCompletaYNoNula(Dialogs& dialogos, const QString& numero)
{
    if (numero.size() <= 6) {
        error(dialogos, QStringLiteral("El número de Inscripción no está completo."));
        return false;
    }
    if (valorInicialEsCero(QStringView(numero).left(6))) {
        error(dialogos, QStringLiteral("El número de Inscripción no puede ser nulo."));
        return false;
    }
    return true;
}

bool sieteCaracteresNoNulos(const QString& numero)
{
    return numero.size() == 7 && !valorInicialEsCero(QStringView(numero).left(6));
}

} // namespace

bool validaCUIT(Dialogs& dialogos, const QString& cuit)
{
    if (cuit.size() <= 10) {
        error(dialogos, QStringLiteral("El número de C.U.I.T. no está completo."));
        return false;
    }
    if (valorInicialEsCero(cuit)) {
        error(dialogos, QStringLiteral("El número de C.U.I.T. no puede ser nulo."));
        return false;
    }
    switch (valorInicial(QStringView(cuit).left(2))) {
    case 20: case 23: case 24: case 27: case 30: case 33: case 34: break;
    default:
        // 24 is accepted although the message does not list it.
        error(dialogos, QStringLiteral("Los prefijos válidos para el número de C.U.I.T. son: "
                                       "20, 23, 27, 30, 33 o 34."));
        return false;
    }
    if (!digitoCuitCorrecto(cuit)) {
        error(dialogos,
              QStringLiteral("El dígito verificador del número de C.U.I.T. es incorrecto."));
        return false;
    }
    return true;
}

bool verificaDigitoCUIT(const QString& cuit)
{
    return digitoCuitCorrecto(cuit);
}

bool validaInscripcion(Dialogs& dialogos, const QString& numero)
{
    return inscripcionCompletaYNoNula(dialogos, numero) && digitoInscripcionCorrecto(numero);
}

bool verificaDigitoInscripcion(const QString& numero)
{
    return sieteCaracteresNoNulos(numero) && digitoInscripcionCorrecto(numero);
}

bool validaConvenioMultilateral(Dialogs& dialogos, const QString& numero)
{
    if (!inscripcionCompletaYNoNula(dialogos, numero)) return false;
    const auto resto = restoConvenio(numero);
    const auto ultimo = ultimoDigito(numero);
    if (!resto || !ultimo) return false;
    const int esperado = *resto == 0 ? 1 : *resto == 1 ? 0 : 11 - *resto;
    return esperado == *ultimo;
}

bool verificaDigitoConvenioMultilateral(const QString& numero)
{
    if (!sieteCaracteresNoNulos(numero)) return false;
    const auto resto = restoConvenio(numero);
    const auto ultimo = ultimoDigito(numero);
    if (!resto || !ultimo) return false;
    const int esperado = *resto <= 1 ? 1 : 11 - *resto;
    return esperado == *ultimo;
}
