#include "reference/activacion.h"

#include "database/base_datos.h"
#include "database/entorno.h"

namespace {

QString campo(const QSqlRecord& fila, const char* nombre)
{
    return fila.value(QString::fromLatin1(nombre)).toString();
}

} // namespace

void activarAgente(Entorno& entorno, const QString& nroAgente)
{
    entorno.Agente_Actual = entorno.leerAgente(nroAgente);
    if (!entorno.Agente_Actual) {
        // The row went away meanwhile: nothing is active rather than a stale agent.
        entorno.Limpiar_Agente_Actual();
        return;
    }
    entorno.setPanel(panel::Agente,
                     Entorno::textoAgente(nroAgente, campo(*entorno.Agente_Actual, "Razon_Social")));

    entorno.Sucursal_Actual = entorno.Base_Datos().fila(
        QStringLiteral("SELECT * FROM Sucursales WHERE Nro_Agente = ? "
                       "ORDER BY Nro_Agente, Sucursal LIMIT 1"),
        {nroAgente});
    if (!entorno.Sucursal_Actual) {
        entorno.Limpiar_Sucursal_Actual();
        return;
    }
    entorno.setPanel(panel::Sucursal,
                     Entorno::textoSucursal(campo(*entorno.Sucursal_Actual, "Sucursal"),
                                            campo(*entorno.Sucursal_Actual, "Descripcion")));
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
    entorno.setPanel(panel::Sucursal,
                     Entorno::textoSucursal(campo(*entorno.Sucursal_Actual, "Sucursal"),
                                            campo(*entorno.Sucursal_Actual, "Descripcion")));
}

void activarRegimen(Entorno& entorno, const QString& codRegimen)
{
    entorno.Limpiar_Cabecera_Actual();
    const auto regimen = entorno.leerRegimen(codRegimen);
    if (!regimen) return;  // the list showed it a moment ago; keep the regime there was
    entorno.Regimen_Actual = regimen;
    entorno.setPanel(panel::Regimen,
                     Entorno::textoRegimen(campo(*regimen, "Cod_Regimen"),
                                           campo(*regimen, "Descripcion")));
}
