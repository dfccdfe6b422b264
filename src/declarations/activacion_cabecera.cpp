#include "declarations/activacion_cabecera.h"

#include "database/entorno.h"

bool activarCabecera(Entorno& entorno, qint64 idCabecera)
{
    auto cabecera = entorno.leerCabecera(idCabecera);
    if (!cabecera) {
        entorno.Limpiar_Cabecera_Actual();
        return false;
    }
    entorno.Cabecera_Actual = std::move(cabecera);
    entorno.mostrarCabecera();
    return true;
}
