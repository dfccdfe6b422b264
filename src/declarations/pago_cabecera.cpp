#include "declarations/pago_cabecera.h"

bool imprimirBoletaPago(Contexto&, qint64)
{
    return false;
}
