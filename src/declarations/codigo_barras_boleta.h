#pragma once
// The 40 characters a payment slip's barcode carries, read by the bank's scanners: agent, branch,
// regime, year, month, the total, the other payments and the interest in cents, the rectification
// and a closing "*". There is no check digit.

#include <QString>
#include <optional>

struct Boleta;

// textoCodigoBarras. Nothing when a value does not fit its field (a total or other payments of
// 1,000,000.00 or more, interest of 100,000.00 or more, a negative amount, a code of another
// width): such a slip is printed without a barcode, never with one that reads another amount.
std::optional<QString> textoCodigoBarras(const Boleta& boleta);
