#pragma once
// "Interv. Realizadas": the interventions report of a declaration of the police checkpoints. One
// row of Tmp_Intervenciones per officer with interventions in the declaration (an officer since
// deleted keeps his own row, named by his number), with their number and their amount at the value of one
// intervention in force for the declaration's month; printing it closes the declaration after the
// usual question. A declaration already closed is printed again as it stands: neither its state
// nor its observation mark is written.

#include "database/filas.h"
#include "database/importe.h"

#include <optional>

class BaseDatos;
class Impresora;
struct Contexto;

// The value of one intervention (`Parametros` of type "I") in force on the first day of the
// declaration's month; the lowest-numbered such row when several are. Nothing when none is.
std::optional<Importe> valorIntervencion(BaseDatos& base, const Cabecera& cabecera);

// True when the declaration's row changed (it was closed).
bool imprimirIntervenciones(Contexto& contexto, qint64 idCabecera);
bool imprimirIntervenciones(Contexto& contexto, qint64 idCabecera, Impresora& impresora);
