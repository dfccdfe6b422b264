#pragma once
// Rows that the tests of agents and branches start from, written straight into the database.

#include "database/base_datos.h"

#include <QString>

namespace datos {

inline void agente(BaseDatos& base, const QString& nro, const QString& nombre,
                   const QString& cuit = QStringLiteral("20123456786"))
{
    base.ejecutar(QStringLiteral("INSERT INTO Agentes (Nro_Agente, CUIT, Razon_Social, Domicilio, "
                                 "Localidad, CondIVA) VALUES (?, ?, ?, 'CALLE 1', 'ROSARIO', 0)"),
                  {nro, cuit, nombre});
}

inline void sucursal(BaseDatos& base, const QString& agente, const QString& sucursal,
                     const QString& descripcion = QStringLiteral("CASA CENTRAL"),
                     const QString& comprobante = QStringLiteral("00000000"))
{
    base.ejecutar(QStringLiteral("INSERT INTO Sucursales (Nro_Agente, Sucursal, Nro_Comprobante, "
                                 "Descripcion, Localidad) VALUES (?, ?, ?, ?, 'ROSARIO')"),
                  {agente, sucursal, comprobante, descripcion});
}

// A declaration of the agent's branch; returns its IdCabecera.
inline qint64 cabecera(BaseDatos& base, const QString& agente, const QString& sucursal,
                       const QString& mes = QStringLiteral("03"),
                       const QString& regimen = QStringLiteral("01"))
{
    base.ejecutar(QStringLiteral("INSERT INTO Cabeceras (Nro_Agente, Sucursal, Cod_Regimen, Anio, "
                                 "Mes, Rectifica, Estado) VALUES (?, ?, ?, '2024', ?, '00', '1')"),
                  {agente, sucursal, regimen, mes});
    return base.ultimoId();
}

} // namespace datos
