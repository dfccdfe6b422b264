#pragma once
// Starting a police shift of a declaration at a given instant, the one the user was shown. The
// shift and its count rows (one per stamp type, with the count it starts with) land together in
// one transaction or not at all.
//
// Start instants grow strictly over every shift of every declaration, so that an instant names
// one shift: a start is refused while any stored shift started at that instant or later, which is
// what a clock set back would do.

#include <QDate>
#include <QTime>

class BaseDatos;
struct Cabecera;

enum class InicioTurno {
    Iniciado,
    TurnoAbierto,   // the declaration already has an open shift
    RelojAtrasado,  // a stored shift started at that instant or later
};

struct ResultadoInicio {
    InicioTurno estado = InicioTurno::Iniciado;
    qint64 codTurno = 0;  // the new shift, when started
};

// Throws ErrorMotor, with nothing written.
ResultadoInicio iniciarTurno(BaseDatos& base, const Cabecera& cabecera, const QDate& fecha,
                             const QTime& hora);
