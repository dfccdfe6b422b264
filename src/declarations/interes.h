#pragma once
// Late-payment interest of the payment slips: every day after the due date up to and including the
// payment date is charged a thirtieth of the monthly rate in force on that day. The arithmetic is
// kept exactly as the agency computes it, so a slip printed here and the agency's own account of
// the same payment agree to the cent.

#include "database/importe.h"

#include <QDate>
#include <optional>
#include <vector>

class BaseDatos;

// A row of Tasas: the monthly rate in percent, in force from `vigencia` on.
struct TasaInteres {
    QDate vigencia;
    Importe tasa;
};

// How the daily rate of a stretch is held: the declaration's payment slip keeps it as a single
// precision number; the police shift's deposit slip as a currency amount.
enum class TasaDiaria { Simple, Moneda };

// calculoIntereses: the interest on `neto` paid on `pago` for the due date `vencimiento`, summed
// stretch by stretch between rate changes and not yet rounded to cents (the caller rounds it).
// `tasas` must be in ascending order of validity; rates that start after the payment date are
// disregarded. Zero when the payment is on time; nothing when no rate is in force on the due date.
// A stretch longer than 32767 days or an amount out of currency range throws ErrorMotor
// (errores::Desbordamiento): no interest is ever made of a wrapped count.
std::optional<Importe> calculoIntereses(Importe neto, const QDate& vencimiento, const QDate& pago,
                                         const std::vector<TasaInteres>& tasas,
                                         TasaDiaria diaria = TasaDiaria::Simple);

// The rates of Tasas in force up to the payment date, in ascending order of validity.
std::vector<TasaInteres> tasasHasta(BaseDatos& base, const QDate& pago);

inline const QString kTituloSinBoleta = QStringLiteral("Imposible emitir boleta de pago...");
inline const QString kTextoSinTasa =
    QStringLiteral("No se encuentra cargada la tasa de interés correspondiente");
