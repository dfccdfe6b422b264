#include "declarations/estado_cabecera.h"

#include "database/entorno.h"

QString textoEstado(const Entorno& entorno, const QString& estado)
{
    const int indice = estado.toInt() - 1;
    const QString nombre = indice >= 0 && indice < entorno.Estados_Cabecera.size()
        ? entorno.Estados_Cabecera.at(indice)
        : QString();
    return QLatin1Char(' ') + nombre;
}
