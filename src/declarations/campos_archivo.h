#pragma once
// Field formats of the agency's fixed-width files. Numbers follow format masks: zero-padded
// integer digits, two decimals after the running system's decimal separator, a "-" in front of
// the digits of a negative value, and every digit kept when a value outgrows its mask (the field
// then grows). Fixed zero fields are literals and always carry a point, whatever the system uses.

#include "database/importe.h"

#include <QString>
#include <QVariant>
#include <optional>

class QLocale;

namespace campo_archivo {

// Left-justified and blank-padded to the width in the file's bytes; a null value is all blanks. The
// stored fields are no wider than their place in the file.
QString texto(const QVariant& valor, int ancho);

// The placeholder of an unused or empty text field: "0" and blanks to the width.
QString cero(int ancho);

// A whole number padded with zeros to `digitos`. A real value is rounded half away from zero; a
// text that is not a number is written as it stands (zeros pad numbers only). Nothing for a null or
// empty value, whose placeholder is the caller's.
std::optional<QString> entero(const QVariant& valor, int digitos);
std::optional<QString> entero(std::optional<qint64> valor, int digitos);
std::optional<QString> entero(std::optional<double> valor, int digitos);

// An amount with `enteros` integer digits and two decimals after the locale's separator.
QString importe(Importe valor, int enteros, const QLocale& locale);
// The same for an amount that may be missing; nothing when it is.
std::optional<QString> importe(const std::optional<Importe>& valor, int enteros,
                               const QLocale& locale);

// The literal zero amount: `enteros` zeros, a point and two zeros ("0000000.00").
QString importeCero(int enteros);

} // namespace campo_archivo
