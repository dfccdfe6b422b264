#pragma once
// The control number the agency computes from a stamp remittance's data and sends with it. A
// remittance is registered only when the number the user types matches the one computed here from
// what the user typed, so a slip in any figure of the remittance is caught before it is stored.

#include <QString>
#include <optional>

// The remittance as typed: the agent's six digits, the remittance number, the stamp type letter
// and the first and last stamp numbers.
struct RemesaTipeada {
    QString agente;
    QString remesa;
    QString tipo;
    QString desde;
    QString hasta;
};

// The control number of a remittance: its figures written side by side (agent in six digits,
// remittance in six, the letter's character code in two, the range in seven and seven; a wider
// value keeps all its digits), each character's code weighted by the square of its position,
// the last eight digits of the sum. Nothing when a figure is not a number or the type is not one
// letter: no control number can then be computed, and none may be taken as matching.
std::optional<qint64> numeroControlRemesa(const RemesaTipeada& remesa);

// Whether the control typed (digits, leading zeros allowed) is `esperado`.
bool controlCoincide(const QString& tipeado, qint64 esperado);
