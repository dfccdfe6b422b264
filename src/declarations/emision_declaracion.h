#pragma once
// "D.Jurada": closes the month's declaration and writes the file the agent hands in to the agency.
// Nothing changes until the file is complete and in its place: then, in one step, the declaration
// becomes closed. If anything fails on the way, the folder keeps what it held (no new file under
// the name, an earlier file of that name as it was), the declaration stays as it was, and the user
// is told why. A declaration already closed is emitted again
// without the question, replacing its file.

#include "database/filas.h"
#include "declarations/archivo_declaracion.h"

#include <QDate>
#include <QString>
#include <functional>
#include <optional>

class Dialogs;
struct Contexto;

// What the printed declaration needs of the emission.
struct DeclaracionEmitida {
    Cabecera cabecera;          // the declaration as it now stands: closed, with its MarcaObs
    ArchivoDeclaracion archivo; // name, control code, counts, totals, per-rate subtotals (its
                                // lines went to the file as they were made)
    QString carpeta;            // where the file was written
    QString observacion;        // up to 100 characters; empty when none
    QDate fechaVencimiento;     // the due date of the declaration's month
};

struct PasosEmision {
    // The destination folder (the form's `frmGuardarEn`); empty ends the operation. When not
    // given, the folder chooser of the dialogs port is asked.
    std::function<QString()> elegirCarpeta;
    // The progress bar, 0 to 100 while the withholdings are written, back to 0 at the end.
    std::function<void(int)> progreso;
    // Told as soon as the declaration is closed, before the file's success message, so that the
    // form already shows it closed while the message is on screen.
    std::function<void()> cerrada;
    // The printed declaration, which follows the file's success message.
    std::function<void(const DeclaracionEmitida&)> imprimir;
};

// The folder chooser for the declaration file ("Generar archivo en...").
QString elegirCarpetaDeclaracion(Dialogs& dialogs);

// The whole operation on the declaration `idCabecera`. The result, when the file was written and
// the declaration closed; nothing when the user stopped it or it failed (already told).
std::optional<DeclaracionEmitida> emitirDeclaracion(Contexto& contexto, qint64 idCabecera,
                                                    const PasosEmision& pasos = {});
