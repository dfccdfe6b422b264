#pragma once
// The paper declaration that follows the declaration file: the per-rate subtotals and the coded
// row it is printed from, then the print itself after the user's confirmation.

#include <QString>

class BaseDatos;
class Dialogs;
class Impresora;
struct Contexto;
struct DeclaracionEmitida;

void imprimirDeclaracion(Contexto& contexto, const DeclaracionEmitida& emitida);
// The same, printed through `impresora` in place of the program's printer (Contexto::impresora).
void imprimirDeclaracion(Contexto& contexto, const DeclaracionEmitida& emitida,
                         Impresora& impresora);

// Impresos.Texto of the printed declaration: "1" or "0" for rows or none, "(Rectificativa)" or
// fifteen blanks, the counts of valid and annulled rows, the observation and, in the stamp
// regimes, the agent's stamp balances (which may tell the user of a stamp type never received).
QString textoDeclaracionImpresa(BaseDatos& base, Dialogs& dialogs,
                                const DeclaracionEmitida& emitida);
