#pragma once
// The questions a payment slip asks before it is printed: the payment date, the amount to pay
// (regimes of slips for any amount only) and the other payments already made. Each asks again until it gets an answer
// it can use; amounts are read in the locale's notation and rounded to cents.

#include "database/importe.h"

#include <QDate>
#include <QString>
#include <optional>

class Dialogs;
class QLocale;

inline const QString kTituloImprimirBoleta = QStringLiteral("Imprimir Boleta de Pago");

// A typed date, day first: "15/05/2008", "15-5-08", "1.6.2008". A two-digit year falls between
// 1930 and 2029. Nothing when the text is no date.
std::optional<QDate> leerFechaTecleada(const QString& texto);

// A typed amount: blanks, a "$" and the locale's thousands separators are allowed, the decimal
// separator is the locale's; rounded to cents. Nothing when the text is no number.
std::optional<Importe> leerImporteTecleado(const QString& texto, const QLocale& locale);

// The payment date, offering the due date. Nothing when the user cancels or leaves it empty.
std::optional<QDate> pedirFechaPago(Dialogs& dialogs, const QDate& vencimiento);

// A regime of slips for any amount: the amount the slip is printed for, offering the one computed from the receipts;
// cancelling or leaving it empty keeps that one. A negative amount is refused.
Importe pedirImporteAPagar(Dialogs& dialogs, Importe calculado);

// Payments already made, deducted on this slip: zero unless the user types an amount. Neither a
// negative amount nor one above the total to pay is taken.
Importe pedirOtrosPagos(Dialogs& dialogs, Importe total);
