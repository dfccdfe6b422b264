#pragma once
// One import run, from the file the check accepted to the final message. It reads the file line
// by line and hands each line to the subjects or the declaration run; every refused or doubtful
// line goes to the log; the counts end in a summary, in the log and on the window, and a message
// names the log.
//
// The whole run is one transaction: when it stops on an unexpected failure (the database, the
// disk, the file, the log that cannot be written whole, the file changing or being replaced while
// it is read) nothing of it stays (subjects, declaration, receipts, detail rows, the branch's
// counter), the last run's log stays as it was, and the message says that nothing was stored.
//
// A run starts by removing the temporary logs (<file>.log.tmp) that runs killed before they could
// put their log in place left in the data folder.

#include "import/conteo_importacion.h"

#include <QString>
#include <functional>
#include <memory>

class BaseDatos;
class Dialogs;
class ReporteImportacion;
struct PlanImportacion;

struct ResultadoImportacion {
    bool completa = false;  // the run ended and what it imported is stored
    ConteoImportacion conteo;
    QString rutaReporte;    // the log
    QString textoResumen;   // what the window appends: the summary and the discarded count
    QString falla;          // why a run that kept nothing stopped, as its message said it
};

// Each option has its default: a caller names only those it sets.
struct OpcionesImportacion {
    // Hears the percentage of the file read, now and then.
    std::function<void(int)> progreso{};
    // Hears the summary once the run is stored, before the final message names the log.
    std::function<void(const QString&)> resumen{};
    // Makes the log of the run at its path; a file in the data folder unless a test gives one
    // that fails.
    std::function<std::unique_ptr<ReporteImportacion>(const QString& ruta)> crearReporte{};
};

// `carpetaDatos` is the data folder, where the log goes. The final message, or the failure, is
// shown through `dialogs`.
ResultadoImportacion importarArchivo(BaseDatos& base, Dialogs& dialogs, const QString& carpetaDatos,
                                     const PlanImportacion& plan,
                                     const OpcionesImportacion& opciones = {});
