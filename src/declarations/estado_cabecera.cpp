#include "declarations/estado_cabecera.h"

#include "database/codigos.h"
#include "database/entorno.h"

QString textoEstado(const Entorno& entorno, const QString& estado)
{
    return QLatin1Char(' ') + nombreEstado(entorno.estadosCabecera(), estado);
}
