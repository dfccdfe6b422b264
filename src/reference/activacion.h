#pragma once
// Choosing the working environment: the active agent (and with it its first branch), the active
// branch of that agent, the active regime. Each choice leaves no declaration active and writes the
// status-bar panels it changes.

#include <QString>

class Entorno;

// The agent and its branch with the lowest number; with no branch, no branch is active.
void activarAgente(Entorno& entorno, const QString& nroAgente);
// A branch of the active agent.
void activarSucursal(Entorno& entorno, const QString& sucursal);
// The regime; the agent and branch stay as they are.
void activarRegimen(Entorno& entorno, const QString& codRegimen);
