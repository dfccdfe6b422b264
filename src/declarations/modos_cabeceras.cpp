#include "declarations/modos_cabeceras.h"

#include "common/estados.h"
#include "database/entorno.h"

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
    const QString orden = QStringLiteral(" ORDER BY Anio DESC, Mes DESC");
    if (modo == ModoCabeceras::Deshacer)
        return {QStringLiteral("SELECT * FROM Cabeceras WHERE Origen = ? AND Estado <= ?") + orden,
                {origen_cabecera::Importada, estado_cabecera::Abierta}};

    QString sql = QStringLiteral(
        "SELECT * FROM Cabeceras WHERE Nro_Agente = ? AND Sucursal = ? AND Cod_Regimen = ?");
    QVariantList valores{entorno.agente(), entorno.sucursal(), entorno.regimen()};
    switch (modo) {
    case ModoCabeceras::Mantenimiento:
        sql += QStringLiteral(" AND Rectifica = ? AND Estado = ?");
        valores << rectificacion::Original << estado_cabecera::Vacia;
        break;
    case ModoCabeceras::Activacion:
        sql += QStringLiteral(" AND Estado <= ?");
        valores << estado_cabecera::Abierta;
        break;
    case ModoCabeceras::Rectificacion:
        sql += QStringLiteral(" AND Estado = ?");
        valores << estado_cabecera::Cerrada;
        break;
    case ModoCabeceras::Emision:
    case ModoCabeceras::Deshacer:
        break;
    }
    return {sql + orden, valores};
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
