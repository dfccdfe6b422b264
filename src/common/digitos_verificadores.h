#pragma once
// Check digits of the tax identifiers the system accepts. Each identifier has an interactive check,
// used by the record forms, that explains a refusal to the user under the title "Error", and a
// silent check, used by the import, that only answers. The numbers come as bare digits, without
// the separators of their masks. A character that is not a digit where a digit is weighed or
// compared makes the number invalid.

#include <QString>

class Dialogs;

// CUIT, 11 digits: completeness, not zero, a known prefix and the check digit, stopping at the
// first failure, which is explained.
bool validaCUIT(Dialogs& dialogos, const QString& cuit);
// The CUIT's check digit alone; length, zero and prefix are the caller's business.
bool verificaDigitoCUIT(const QString& cuit);

// Inscription number, 7 digits (six and the check digit). Only an incomplete or zero number is
// explained; a wrong check digit is left for the caller to explain in its own words.
bool validaInscripcion(Dialogs& dialogos, const QString& numero);
// Exactly 7 characters, not zero, right check digit.
bool verificaDigitoInscripcion(const QString& numero);

// Convenio Multilateral number, 7 digits. The interactive and the silent checks expect different
// digits when the weighted sum leaves remainder 1 (0 and 1 respectively): numbers already stored
// and imported were judged by these two rules, so both are kept as they are.
bool validaConvenioMultilateral(Dialogs& dialogos, const QString& numero);
bool verificaDigitoConvenioMultilateral(const QString& numero);
