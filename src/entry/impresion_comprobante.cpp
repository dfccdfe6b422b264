#include "entry/impresion_comprobante.h"

void imprimirComprobante(Contexto&, const QString&, const QSqlRecord&) {}
