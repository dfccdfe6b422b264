#pragma once
// The states of a declaration (`Cabeceras.Estado`) and the name shown for each.

#include <QString>

class Entorno;

namespace estado_cabecera {
inline const QString Vacia = QStringLiteral("1");    // created, no receipt yet
inline const QString Abierta = QStringLiteral("2");  // has receipts, imported or rectified
inline const QString Cerrada = QStringLiteral("3");  // closed by one of the closing operations
inline const QString Anulada = QStringLiteral("4");  // a name only: nothing writes it
} // namespace estado_cabecera

// What the state label shows for a state code: a blank and the state's name.
QString textoEstado(const Entorno& entorno, const QString& estado);
