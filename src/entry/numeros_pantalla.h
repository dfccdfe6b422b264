#pragma once
// Numbers as the entry forms show and read them: in the locale's notation, amounts and rates kept as
// exact Importe values so that no computation depends on how a label happens to be written.

#include "database/importe.h"

#include <QString>
#include <optional>

class QLocale;

// Reads a number the way the user or a label writes it: blanks, a "$" sign and the locale's
// thousands separators are allowed, the decimal separator is the locale's. Nothing when the text
// is not a number.
std::optional<Importe> leerNumero(const QString& texto, const QLocale& locale);
// Whether leerNumero() refuses `texto` only because it is too large for an amount.
bool numeroDemasiadoGrande(const QString& texto, const QLocale& locale);

// The shortest text of a number in the locale: no thousands separators, no trailing zero
// decimals (2.5 gives "2,5", 3 gives "3", 0.5 gives "0,5").
QString textoNumero(Importe valor, const QLocale& locale);
