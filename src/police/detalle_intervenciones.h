#pragma once
// "Detalle de Intervenciones" of the Informes menu: every intervention of the active declaration,
// printed after the print question from the database itself.

class Impresora;
struct Contexto;

void imprimirDetalleIntervenciones(Contexto& contexto);
void imprimirDetalleIntervenciones(Contexto& contexto, Impresora& impresora);
