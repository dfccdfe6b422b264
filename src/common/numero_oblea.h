#pragma once
// A stamp number as the user types it into a stamp box, completed when the box is left: upper
// case; a number that begins with a digit is padded with zeros to eight digits, one that begins
// with a letter keeps the letter and pads what follows to seven digits. A part that is no number
// stays as typed, and a bare letter stays a bare letter, so the checks that follow can say what is
// missing ("b45" gives "B0000045", "1234" gives "00001234").

#include <QString>

QString completarNumeroOblea(const QString& texto);
