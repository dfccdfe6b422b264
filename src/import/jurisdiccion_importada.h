#pragma once
// The jurisdiction of an imported subject number chooses how its inscription number is checked:
// "000" (the province's own register) by the inscription check digit, "901" to "924" and "999"
// (Convenio Multilateral) by the Convenio check digit, "950" not at all; any other jurisdiction,
// or one that is not three digits, is not valid.

#include <QString>

enum class RevisionJurisdiccion {
    Correcta,
    DigitoInscripcion,    // "000" with a wrong check digit
    DigitoConvenio,       // a Convenio Multilateral number with a wrong check digit
    JurisdiccionInvalida,
};

RevisionJurisdiccion revisarJurisdiccion(const QString& jurisdiccion, const QString& inscripcion);
