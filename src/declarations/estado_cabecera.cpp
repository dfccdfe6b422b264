#include "declarations/estado_cabecera.h"

#include "common/ciclo_cabecera.h"

QString textoEstado(const QString& estado)
{
    return QLatin1Char(' ') + EstadoCabecera::deCodigo(estado).nombre();
}
