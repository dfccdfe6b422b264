#pragma once
// One import run, from the file the check accepted to the final message. It reads the file line
// by line and hands each line to the subjects or the declaration run; every refused or doubtful
// line goes to the log; the counts end in a summary, in the log and on the window, and a message
// names the log.
//
// The whole run is one transaction: when it stops on an unexpected failure (the database, the
// disk, the file) nothing of it stays (subjects, declaration, receipts, detail rows, the branch's
// counter), the log keeps what was written until then without a summary, and the message says
// that nothing was stored.

#include "import/conteo_importacion.h"

#include <QString>
#include <QStringList>
#include <functional>

class BaseDatos;
class Dialogs;
struct PlanImportacion;

struct ResultadoImportacion {
    bool completa = false;     // the run ended and what it imported is stored
    ConteoImportacion conteo;
    QString rutaReporte;       // the log
    QStringList textoResumen;  // the lines the window appends: the summary and the discarded count
};

// `carpetaDatos` is the data folder, where the log goes. `progreso` hears the percentage of the
// file read, now and then. The final message, or the failure, is shown through `dialogs`.
ResultadoImportacion importarArchivo(BaseDatos& base, Dialogs& dialogs, const QString& carpetaDatos,
                                     const PlanImportacion& plan,
                                     const std::function<void(int)>& progreso = {});
