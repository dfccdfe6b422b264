#pragma once
// The due date of a month's declarations, as Administración > Vencimientos keeps it.

#include <QDate>
#include <QString>

class BaseDatos;

// Invalid when the month has none stored.
QDate vencimientoDelMes(BaseDatos& base, const QString& anio, const QString& mes);

// What the user is told when the month has no due date, so nothing can be paid or emitted.
QString textoSinVencimiento(const QString& mes, const QString& anio);
