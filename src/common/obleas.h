#pragma once
// Stamps ("obleas"): numbered forms the agency delivers to an agent in remittances (`Remesas`),
// one stuck on each grain or food transport the agent collects for. A stamp number is its type
// letter ("A" to "D", "Z" for type 26: the character 64 + type) followed by its number. These
// queries only read.

#include <QString>

class BaseDatos;
class Dialogs;
class Entorno;

// Whether a stamp lies inside a remittance of the active agent, for the active regime. Regimes
// whose stamps are not validated (regimenes.h) take any text. A number part
// that is not all digits is not valid. Without an active agent no stamp is.
bool validaOblea(Entorno& entorno, const QString& nro);
// The same for a given regime and agent number (written as six digits).
bool validaObleaAgente(BaseDatos& base, const QString& nro, const QString& regimen, int agente);

// Whether any agent has received any remittance.
bool hayRemesas(BaseDatos& base);

// Stamps of a type (1 to 4, 26) that a branch of an agent still has in a regime: every stamp of
// the agent's remittances of that type, whatever the branch, minus those used on the branch's
// receipts of the regime that are not annulled. Where advances carry the stamps a used stamp is a
// detail row of the declaration's own agent whose number begins with the letter; in the other
// regimes with validated stamps a detail row of that type; other regimes use none. When the agent has no remittance of the type
// the user is told and nothing is taken as delivered.
qint64 obleasDisponibles(BaseDatos& base, Dialogs& dialogos, int tipo, const QString& regimen,
                          const QString& agente, const QString& sucursal);
