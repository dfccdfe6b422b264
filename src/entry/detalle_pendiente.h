#pragma once
// The detail rows (`Guias`) of the receipt still being entered. The detail window stores them
// under the pending receipt number (kComprobantePendiente) while the receipt has no number of its
// own; saving the receipt gives them its number in the same transaction. Only one receipt is ever
// being entered, so every pending row belongs to it; a new receipt first drops the rows an
// abandoned one left.

#include "database/filas.h"

#include <QString>
#include <optional>
#include <vector>

class BaseDatos;

// Drops every pending detail row, whatever its agent or declaration.
void borrarDetallePendiente(BaseDatos& base);

// Gives every pending detail row the saved receipt's number and declaration.
void numerarDetallePendiente(BaseDatos& base, const ClaveRetencion& clave);

// A pending stamp as the confirmation of a police receipt lists it.
struct ObleaPendiente {
    QString nroGuia;
    std::optional<QString> descripcion;  // of its type in goods class `clase`; none when unknown
};
// The pending rows in the order they were stored.
std::vector<ObleaPendiente> obleasPendientes(BaseDatos& base, int clase);
