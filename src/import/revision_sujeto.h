#pragma once
// The checks of one subject of a subjects file, in the order their findings are logged. A refusal
// ("DESCARTADA") keeps the subject out; a doubtful check digit ("ATENCION") only warns. Every
// check runs, so one line can give several findings.

#include "import/registros_importados.h"

#include <QStringList>

struct RevisionSujeto {
    QStringList hallazgos;  // the log tails, each after "     Línea <n>"
    bool guardable = true;
    QString nroContrib;     // jurisdiction and inscription, ten characters
    QString codTipo;        // "3" with a certificate, else by jurisdiction: "0", "1" ("911"), "2"
};

RevisionSujeto revisarSujeto(const RegistroSujeto& sujeto);

namespace hallazgo {
// The tails of the log lines shared by the file kinds.
inline const QString Formato =
    QStringLiteral(" DESCARTADA: El registro no tiene el formato requerido.");
inline const QString Duplicado =
    QStringLiteral("   IGNORADA: El Nº de inscripción indicado ya está en uso.");
// A subject stored all the same.
inline const QString Atencion = QStringLiteral("   ATENCION: ");

// The note on a stored line whose text fields lost characters, each field named with its
// preposition: "Se quitaron caracteres no válidos de la Razón Social y del Domicilio."
QString caracteresQuitados(const QStringList& campos);
} // namespace hallazgo
