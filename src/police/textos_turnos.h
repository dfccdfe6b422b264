#pragma once
// What the shift windows say and how they show a shift's dates, times and amounts.

#include <QDate>
#include <QString>
#include <QTime>
#include <QVariant>

namespace textos_turnos {

// The title of the questions that show the instant read from the clock, start and finish alike.
inline const QString kTituloPregunta = QStringLiteral("Confiramar Inicar Turno");

QString preguntaInicio(const QDate& fecha, const QTime& hora);
QString preguntaFin(const QDate& fecha, const QTime& hora);

// A stored date "DD/MM/YYYY", a stored time "HH:MM", an amount "$ 1.234,50"; "" for none.
QString fecha(const QVariant& valor);
QString hora(const QVariant& valor);
QString moneda(const QVariant& valor);

} // namespace textos_turnos
