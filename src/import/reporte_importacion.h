#pragma once
// The log of an import run: the lines discarded or imported with an error, then the summary. It
// is written beside the database, in the data folder, named after the imported file with ".log"
// added (SUJ.TXT gives SUJ.TXT.log), Windows-1252 with CR LF.
//
//
//    Errores detectados durante la importación:
//
//      Línea 3 DESCARTADA: El registro no tiene el formato requerido.
//      ...
//
//    Fin del proceso:
//
//      Se importaron 12 registros exitosamente.
//
//      Se descartaron 2 líneas.
//
// It is written whole under a temporary name (the log's name followed by ".tmp") and takes the
// place of the last run's log only when its run is stored: a run that fails, or is killed, leaves
// the last good run's log as it was.

#include "platform/archivo_provisorio.h"

#include <QString>

// Where the log of an imported file goes.
QString rutaReporte(const QString& carpetaDatos, const QString& archivoImportado);

// The summary as the window shows it, each line ended by "\n" ("\n   Fin del proceso:\n\n ...
// registros exitosamente.\n"); the log writes it followed by one more line end. The line of the
// discarded count follows it, when that count is not 0, the same way.
QString textoResumen(qint64 importados, qint64 conError);
QString lineaDescartadas(qint64 descartadas);

class ReporteImportacion {
public:
    // Starts the log and writes its opening lines. Throws ErrorMotor when it cannot (the folder
    // cannot be written, or the log's name is taken by something that is not a file).
    explicit ReporteImportacion(const QString& ruta);
    // A log never put in place goes away.
    virtual ~ReporteImportacion() = default;
    ReporteImportacion(const ReporteImportacion&) = delete;
    ReporteImportacion& operator=(const ReporteImportacion&) = delete;

    // "     Línea <n><tail>".
    void linea(qint64 numero, const QString& cola);
    void escribir(const QString& linea);
    // A text of lines ended by "\n", followed by one more line end.
    void escribirTexto(const QString& texto);
    // Makes sure every line written is on the disk. Throws ErrorMotor when it is not: the log is
    // short of its last lines, so its run must keep nothing.
    void asegurar();
    // Puts the log in place of the last run's. Throws ErrorMotor when it cannot.
    void colocar();

protected:
    // The steps that touch the disk, apart so that a test can make them fail as a full disk would.
    // Each answers false with the reason in `error`.
    virtual bool terminarArchivo(QString& error);
    virtual bool colocarArchivo(QString& error);

private:
    ArchivoProvisorio archivo_;
};
