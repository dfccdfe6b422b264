#include "common/turnos.h"

#include "database/base_datos.h"

bool hayTurnoAbierto(BaseDatos& base, qint64 idCabecera)
{
    return base.existe(
        QStringLiteral("SELECT 1 FROM Turnos WHERE IdCabecera = ? AND Fecha_Hasta IS NULL"),
        {idCabecera});
}

qint64 turnoAbierto(BaseDatos& base, qint64 idCabecera)
{
    const QVariant codigo = base.valor(
        QStringLiteral("SELECT Cod_Turno FROM Turnos WHERE IdCabecera = ? AND Fecha_Hasta IS NULL "
                       "AND Hora_Hasta IS NULL ORDER BY Cod_Turno DESC LIMIT 1"),
        {idCabecera});
    return codigo.isNull() ? -1 : codigo.toLongLong();
}
