#pragma once
// The steps every print shares with the user: the confirmation that the printer is ready, the
// optional observation of receipts and declarations, and the report of a failed print.

#include "platform/dialogs.h"
#include "platform/impresion.h"

#include <QString>

inline const QString kTituloConfirmarImpresion = QStringLiteral("¿Confirmar Impresión?");
inline const QString kTextoConfirmarImpresion =
    QStringLiteral("ATENCION: verifique si la impresora está lista antes de confirmar.");
inline const QString kTituloErrorImpresion = QStringLiteral("Error al imprimir");
constexpr int kLargoObservacion = 100;

// "¿Confirmar Impresión?" with Yes and No; true on Yes.
bool confirmarImpresion(Dialogs& dialogs, Respuesta porDefecto = Respuesta::Si);

// Asks for an observation in a box that stops typing at 100 characters. Cancel gives the empty
// text.
QString pedirObservacion(Dialogs& dialogs, const QString& texto, const QString& titulo);
// The two prompts of the program.
QString pedirObservacionComprobante(Dialogs& dialogs);
QString pedirObservacionDeclaracion(Dialogs& dialogs);

// "Error Nº <n> - <text>" under "Error al imprimir"; nothing when the print went well.
void informarErrorImpresion(Dialogs& dialogs, const ResultadoImpresion& resultado);

// Prints and reports a failure; true when the print went well.
bool imprimirReporte(Dialogs& dialogs, Impresora& impresora, const TrabajoImpresion& trabajo);
