#pragma once
// "Boleta de Depósito del Turno": the deposit slip of a finished police shift, on the same slip as
// a declaration's payment slip (boleta*.h): what the shift collected (its stamp fees and fines),
// the late-payment interest from the due date of its declaration's month up to today, the amount
// in words and the barcode, in the three copies of Impresos, and the shift's row in
// Tmp_Informe_Turno. The slip's report prints at once, without a question. Nothing else is
// stored: the slip can be printed again any day, with that day's interest. The active declaration
// is left as it was.

#include "database/filas.h"

class Impresora;
struct Contexto;

void imprimirBoletaTurno(Contexto& contexto, const Turno& turno);
void imprimirBoletaTurno(Contexto& contexto, const Turno& turno, Impresora& impresora);
