#include "declarations/impresion_declaracion.h"

void imprimirDeclaracion(Contexto&, const DeclaracionEmitida&) {}
