#pragma once
// Creating and modifying a declaration of the active agent, branch and regime. A declaration is
// one month: the database refuses a second one for the same agent, branch, regime, year and month.

#include <QString>
#include <QtGlobal>
#include <optional>

class Reloj;
struct Contexto;

struct AnioMes {
    QString anio;  // four digits
    QString mes;   // two digits, "01" to "12" when valid
};

// What Crear proposes: this year and this month.
AnioMes propuestaCabecera(const Reloj& reloj);

// The year box on leaving: its leading digits as a number, two-digit years pivoting at 50
// ("5" is 2005, "50" is 1950, nothing is 2000), shown with four digits.
QString normalizarAnio(const QString& texto);
// The month box on leaving: its leading digits shown with two ("1" is "01", nothing is "00").
QString normalizarMes(const QString& texto);

enum class Grabacion {
    Grabada,
    MesNoValido,    // told; the form keeps editing with the focus on the month
    ClaveRepetida,  // told ("Clave Repetida"); the form keeps editing with the focus on the month
    Fallida,        // told; the form keeps editing
};
struct ResultadoGrabacion {
    Grabacion resultado;
    qint64 idCabecera = 0;  // the row stored, when Grabada
};

// Grabar: stores a new declaration (no id) or rewrites one, as an empty ("1"), original ("00"),
// hand-made ("M") declaration without observation of the active agent, branch and regime. Shows
// the month and duplicate messages itself.
ResultadoGrabacion grabarCabecera(Contexto& contexto, std::optional<qint64> idCabecera,
                                  const AnioMes& periodo);
