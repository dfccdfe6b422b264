#include "shell/ayuda.h"

#include "common/contexto.h"
#include "database/entorno.h"

void mostrarAyuda(Contexto& contexto, const QString& clave)
{
    contexto.entorno.Clave_Ayuda = clave;
}
