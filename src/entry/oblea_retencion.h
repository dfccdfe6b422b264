#pragma once
// The single "Z" stamp a receipt of a regime of "Z" stamps may carry. It is stored as one detail row
// (`Guias`) of the receipt; a stamp serves one live receipt only.

#include "entry/consultas_entrada.h"

#include <QString>
#include <optional>

class BaseDatos;

// The stamp type of a "Z" stamp: the letter's code minus 64.
inline constexpr int kTipoObleaZ = 26;

// A letter followed by exactly seven digits.
bool obleaBienFormada(const QString& oblea);

// Whether a receipt that is not annulled already carries the stamp. `excluida` is the receipt
// being corrected, whose own stamp does not count.
bool obleaEnUso(BaseDatos& base, const QString& oblea,
                const std::optional<ClaveRetencion>& excluida = std::nullopt);
