#pragma once
// The text a payment slip prints under its amounts: a 15-character prefix and the amount to pay in
// Spanish words with its cents ("  UN MIL DOSCIENTOS TREINTA Y CUATRO CON 50/100").

#include "database/importe.h"

#include <QString>
#include <optional>

inline const QString kPalabrasCero = QStringLiteral(" CERO CON 00/100");
inline const QString kSinMovimientos = QStringLiteral("Sin Movimientos");

// The largest amount that can be written in words: nine whole digits.
constexpr Importe kMaximoEnLetras = Importe::desdeCentavos(99999999999);

// The words of net + interest: " CERO CON 00/100" when the net is zero; otherwise a blank, the
// whole part in words, " CON ", the cents and "/100". Nothing when the amount is negative or
// larger than 999,999,999.99, which no slip can be printed for.
std::optional<QString> importeEnLetras(Importe neto, Importe interes);

// "Sin Movimientos" when the declaration has no withholdings and the total to pay, rounded to a
// whole number (ties to even), is zero; fifteen blanks otherwise. The shift's slip, which has no
// withholdings of its own, passes false.
QString prefijoBoleta(bool hayMovimientos, Importe total);
