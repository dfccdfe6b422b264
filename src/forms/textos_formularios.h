#pragma once
// Titles and texts that every record form and list shares.

#include <QString>

namespace textos {
inline const QString Atencion = QStringLiteral("Atención");
inline const QString AtencionPuntos = QStringLiteral("Atención...");
inline const QString ClaveRepetida = QStringLiteral("Clave Repetida");
inline const QString CorrijaloOCancele = QStringLiteral("corríjalo o cancele.");
inline const QString ImposibleEliminar = QStringLiteral("Imposible eliminar el registro");
inline const QString SinOrdenamiento =
    QStringLiteral("No se dispone de ordenamiento por este campo.");
inline const QString AyudaOrdenar = QStringLiteral(
    "Para ordenar por alguna columna en particular haga un click sobre el encabezado de la misma.");
} // namespace textos
