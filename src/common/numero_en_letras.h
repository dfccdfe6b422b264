#pragma once
// A whole number in Spanish capital words, without accents, as the payment and deposit slips
// print the amount ("UN MIL DOSCIENTOS TREINTA Y CUATRO"). The slips add the cents themselves.

#include <QString>

// The words of a whole number of at most nine digits (shorter texts are read as zero-padded; "0"
// gives the empty text). terminacion is the ending of a final "UN": the slips pass "O" to read 1
// as UNO and 21 as VEINTIUNO; inside the millions and thousands it is always empty (UN MILLON,
// VEINTIUN MIL). A text of ten characters or more gives "Máximo permitido: 999999999"; one that
// holds anything but digits gives the empty text.
QString numeroEnLetras(const QString& numero, const QString& terminacion);

// The words of one group of up to three digits ("000" gives the empty text); four characters or
// more give "Máximo permitido: 999".
QString centenasEnLetras(const QString& grupo, const QString& terminacion);
