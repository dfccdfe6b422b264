#include "declarations/vencimiento_mes.h"

#include "database/base_datos.h"

QDate vencimientoDelMes(BaseDatos& base, const QString& anio, const QString& mes)
{
    return QDate::fromString(
        base.valor(QStringLiteral("SELECT Fecha FROM Vencimientos WHERE Anio = ? AND Mes = ?"),
                   {anio.toInt(), mes.toInt()})
            .toString(),
        Qt::ISODate);
}

QString textoSinVencimiento(const QString& mes, const QString& anio)
{
    return QStringLiteral("No se encuentra cargada la fecha de vencimiento para el pago de la "
                          "declaración jurada correspondiente al mes %1 del año %2")
        .arg(mes, anio);
}
