#pragma once
// The paper declaration that follows the declaration file: the per-rate subtotals and the coded
// row it is printed from, then the print itself after the user's confirmation.

struct Contexto;
struct DeclaracionEmitida;

void imprimirDeclaracion(Contexto& contexto, const DeclaracionEmitida& emitida);
