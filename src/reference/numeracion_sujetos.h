#pragma once
// Subject numbers. The first three digits are the jurisdiction: "000" the province's own register,
// "901" to "924" the Convenio Multilateral ("911" the province's own jurisdiction there), "950"
// the subjects not registered and "999" the foreigners. The last two kinds are numbered by the
// system: the jurisdiction, a six-digit sequence and "0". The subject's type follows from the
// jurisdiction, unless the subject presented a certificate of non-withholding.

#include <QString>
#include <optional>

class BaseDatos;

enum class SujetoNumerado { NoInscripto, Extranjero };

QString jurisdiccion(SujetoNumerado clase);  // "950" or "999"

// The number after the highest one stored in the jurisdiction (a number ending in something else
// than "0" is followed by the next one ending in "0"); the first is the jurisdiction, "000001"
// and "0". Nothing once the sequence is exhausted: a further number would need eleven digits.
// Throws ErrorMotor.
std::optional<QString> siguienteNumero(BaseDatos& base, SujetoNumerado clase);

// The type a subject is stored with: "3" with a certificate of non-withholding, otherwise "0"
// for "000", "1" for "911", "4" for "999", "6" for "950" and "2" for any other jurisdiction.
QString tipoDeSujeto(const QString& nroContrib, bool constancia);
