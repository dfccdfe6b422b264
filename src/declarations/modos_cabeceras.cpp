#include "declarations/modos_cabeceras.h"

#include "common/ciclo_cabecera.h"
#include "database/codigos.h"
#include "database/entorno.h"

namespace {

// What the rows a mode lists are for. The maintenance mode modifies and deletes; the emit mode
// closes, and emits a closed declaration again.
AccionCabecera accionDelModo(ModoCabeceras modo)
{
    switch (modo) {
    case ModoCabeceras::Mantenimiento: return AccionCabecera::Modificar;
    case ModoCabeceras::Activacion: return AccionCabecera::Activar;
    case ModoCabeceras::Emision: return AccionCabecera::Cerrar;
    case ModoCabeceras::Rectificacion: return AccionCabecera::Rectificar;
    case ModoCabeceras::Deshacer: return AccionCabecera::Deshacer;
    }
    return AccionCabecera::Activar;
}

} // namespace

QString tituloModo(ModoCabeceras modo)
{
    switch (modo) {
    case ModoCabeceras::Mantenimiento: return titulo_cabeceras::Mantenimiento;
    case ModoCabeceras::Activacion: return titulo_cabeceras::Activacion;
    case ModoCabeceras::Emision: return titulo_cabeceras::Emision;
    case ModoCabeceras::Rectificacion: return titulo_cabeceras::Rectificacion;
    case ModoCabeceras::Deshacer: return titulo_cabeceras::Deshacer;
    }
    return {};
}

OrigenCabeceras origenCabeceras(ModoCabeceras modo, const Entorno& entorno)
{
    QString sql;
    QVariantList valores;
    if (modo == ModoCabeceras::Deshacer) {
        sql = QStringLiteral("SELECT * FROM Cabeceras WHERE Origen = ?");
        valores = {origen_cabecera::Importada};
    } else {
        sql = QStringLiteral(
            "SELECT * FROM Cabeceras WHERE Nro_Agente = ? AND Sucursal = ? AND Cod_Regimen = ?");
        valores = {entorno.agente(), entorno.sucursal(), entorno.regimen()};
    }
    if (modo == ModoCabeceras::Mantenimiento) {
        sql += QStringLiteral(" AND Rectifica = ?");
        valores << rectificacion::Original;
    }
    // Each mode lists the declarations in the states its action admits.
    const EstadoCabecera::Filtro estados = EstadoCabecera::filtro(accionDelModo(modo));
    if (!estados.condicion.isEmpty()) {
        sql += QStringLiteral(" AND ") + estados.condicion;
        valores += estados.valores;
    }
    return {sql + QStringLiteral(" ORDER BY Anio DESC, Mes DESC"), valores};
}

BotonesCabeceras botonesCabeceras(ModoCabeceras modo)
{
    BotonesCabeceras b;
    switch (modo) {
    case ModoCabeceras::Mantenimiento:
        b.crear = b.modificar = b.borrar = b.grabar = b.cancelar = b.activar = true;
        break;
    case ModoCabeceras::Activacion:
        b.activar = true;
        break;
    case ModoCabeceras::Emision:
        b.decJurada = b.pago = true;
        break;
    case ModoCabeceras::Rectificacion:
        b.rectificar = true;
        break;
    case ModoCabeceras::Deshacer:
        b.deshacer = true;
        break;
    }
    return b;
}
