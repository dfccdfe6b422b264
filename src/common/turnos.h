#pragma once
// Shifts of a police-checkpoint declaration (`Turnos`): a shift is open while it has no end date.

#include <QtGlobal>

class BaseDatos;

// Whether the declaration has a shift without an end date.
bool hayTurnoAbierto(BaseDatos& base, qint64 idCabecera);
// `Cod_Turno` of the declaration's open shift (no end date nor end time), or -1. Only one shift is
// open at a time; should several be, the newest one is taken.
qint64 turnoAbierto(BaseDatos& base, qint64 idCabecera);
