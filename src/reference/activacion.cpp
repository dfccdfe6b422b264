#include "reference/activacion.h"

#include "database/base_datos.h"
#include "database/entorno.h"

void activarAgente(Entorno& entorno, const QString& nroAgente)
{
    entorno.Agente_Actual = entorno.leerAgente(nroAgente);
    if (!entorno.Agente_Actual) {
        // The row went away meanwhile: nothing is active rather than a stale agent.
        entorno.Limpiar_Agente_Actual();
        return;
    }
    entorno.mostrarAgente();

    entorno.Sucursal_Actual = entorno.Base_Datos().fila(
        QStringLiteral("SELECT * FROM Sucursales WHERE Nro_Agente = ? "
                       "ORDER BY Nro_Agente, Sucursal LIMIT 1"),
        {nroAgente});
    if (!entorno.Sucursal_Actual) {
        entorno.Limpiar_Sucursal_Actual();
        return;
    }
    entorno.mostrarSucursal();
    entorno.Limpiar_Cabecera_Actual();
}

void activarSucursal(Entorno& entorno, const QString& sucursal)
{
    entorno.Limpiar_Cabecera_Actual();
    entorno.Sucursal_Actual = entorno.leerSucursal(entorno.agente(), sucursal);
    if (!entorno.Sucursal_Actual) {
        entorno.Limpiar_Sucursal_Actual();
        return;
    }
    entorno.mostrarSucursal();
}

void activarRegimen(Entorno& entorno, const QString& codRegimen)
{
    entorno.Limpiar_Cabecera_Actual();
    const auto regimen = entorno.leerRegimen(codRegimen);
    if (!regimen) return;  // the list showed it a moment ago; keep the regime there was
    entorno.Regimen_Actual = regimen;
    entorno.mostrarRegimen();
}
