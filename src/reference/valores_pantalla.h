#pragma once
// How the record forms show and read dates, rates and unit values. Dates are typed and shown
// "DD/MM/YYYY" and stored as ISO text; rates and unit values are exact Importe, shown with two
// decimals and the locale's separator, and read back without passing through a double.

#include "database/importe.h"

#include <QDate>
#include <QString>
#include <QVariant>
#include <optional>

namespace pantalla {

// A date typed day first: day and month with one or two digits, the year with four, "/" between
// them. Nothing when it is not a date of the calendar (31/02/2005).
std::optional<QDate> leerFecha(const QString& texto);
// "DD/MM/YYYY".
QString fecha(const QDate& fecha);
// A stored ISO date as the forms show it; "" when the column holds none.
QString fechaDesdeColumna(const QVariant& valor);

// The highest rate a rate box accepts: 99.99 percent.
inline constexpr Importe kTasaMaxima = Importe::desdeDiezmilesimos(999900);
// A rate with two decimals ("2,50").
QString tasa(Importe valor);
QString tasaDesdeColumna(const QVariant& valor);
// What a rate box holds: a number not above the maximum, or why not.
enum class EstadoTasa { Valida, NoEsNumero, SuperaMaximo };
EstadoTasa controlarTasa(const QString& texto, QChar separadorDecimal);
// "El valor ingresado supera el máximo permitido (99,99)."
QString mensajeTasaMaxima();

// A unit value as "$ 1.234,50".
QString valor(Importe valor);
QString valorDesdeColumna(const QVariant& valor);
// A unit value read back, as shown ("$ 1.234,50") or as typed ("1234,5"); nothing otherwise.
std::optional<Importe> leerValor(const QString& texto, QChar separadorDecimal);
// Whether leerValor() refuses `texto` only because it is too large for an amount.
bool valorDemasiadoGrande(const QString& texto, QChar separadorDecimal);

} // namespace pantalla
