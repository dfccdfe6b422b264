#pragma once
// "Rendición detallada": the rendition of one police shift. Its rows are written into
// Tmp_Informe_Turno, which the rendition report reads: per stamp type A to D what the shift began with,
// received by remittances, sold and has left (type 1 to 4, kind 1), then one row per stamp of
// each receipt that carries a fine of the shift, annulled receipts included (kind 2), or a single
// zero row when the shift collected nothing. A shift still open shows its live counts; a finished
// one, those stored when it was finished.

#include "database/filas.h"

class BaseDatos;
class Impresora;
struct Contexto;

namespace registro_informe {
constexpr qint64 Estampillas = 1;
constexpr qint64 Comprobante = 2;
} // namespace registro_informe

// Empties Tmp_Informe_Turno and writes the shift's rows, in one transaction.
void llenarInformeTurno(BaseDatos& base, const Turno& turno);

// The "Rendición detallada" button (cmdRendicion): the rows, the print question, and the report on
// the screen. The rows stay when the user declines.
void imprimirRendicionTurno(Contexto& contexto, const Turno& turno);
void imprimirRendicionTurno(Contexto& contexto, const Turno& turno, Impresora& impresora);
