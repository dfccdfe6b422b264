#pragma once
// The paper declaration that follows the declaration file: the per-rate subtotals and the coded
// row it is printed from, then the print itself after the user's confirmation.

#include "declarations/reportes/texto_declaracion.h"

#include <QString>

class BaseDatos;
class Dialogs;
class Impresora;
struct Cabecera;
struct Contexto;
struct DeclaracionEmitida;

void imprimirDeclaracion(Contexto& contexto, const DeclaracionEmitida& emitida);
// The same, printed through `impresora` in place of the program's printer (Contexto::impresora).
void imprimirDeclaracion(Contexto& contexto, const DeclaracionEmitida& emitida,
                         Impresora& impresora);

// The agent's stamp balances the printed declaration carries, of the types its regime counts
// (none outside the stamp regimes); telling the user of a stamp type never received.
SaldosObleas saldosDeclaracion(BaseDatos& base, Dialogs& dialogs, const Cabecera& cabecera);

// Impresos.Texto of the printed declaration: "1" or "0" for rows or none, "(Rectificativa)" or
// fifteen blanks, the counts of valid and annulled rows, the observation and, in the stamp
// regimes, the stamp balances, each with all its digits.
QString textoDeclaracionImpresa(const DeclaracionEmitida& emitida, const SaldosObleas& saldos);
