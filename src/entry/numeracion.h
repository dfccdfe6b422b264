#pragma once
// Receipt numbers. Each branch keeps in `Sucursales.Nro_Comprobante` the last number it issued, as
// eight digits with leading zeros ("00000000" for a new branch); a new receipt takes the next one.
// Numbers are per branch: two branches of one agent issue the same numbers.

#include <QString>
#include <optional>

inline constexpr qint64 kUltimoComprobante = 99999999;

// The number after `ultimo`, as eight digits; nothing when `ultimo` is the last eight-digit
// number or is not a number at all.
std::optional<QString> siguienteComprobante(const QString& ultimo);
