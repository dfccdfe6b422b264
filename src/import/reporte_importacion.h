#pragma once
// The log of an import run: the lines discarded or imported with an error, then the summary. It
// is written beside the database, in the data folder, named after the imported file with ".log"
// added (SUJ.TXT gives SUJ.TXT.log), created anew by every run, Windows-1252 with CR LF.
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
// A run that stops on an unexpected failure keeps the lines written until then and no summary.

#include <QFile>
#include <QString>
#include <QStringList>

// Where the log of an imported file goes.
QString rutaReporte(const QString& carpetaDatos, const QString& archivoImportado);

// The summary lines (each shown and logged as a line of its own, the empty ones included) and the
// line of the discarded count; the latter only when the count is not 0.
QStringList lineasResumen(qint64 importados, qint64 conError);
QString lineaDescartadas(qint64 descartadas);

class ReporteImportacion {
public:
    // Creates the file and writes its opening lines. Throws ErrorMotor when it cannot.
    explicit ReporteImportacion(const QString& ruta);

    // "     Línea <n><tail>".
    void linea(qint64 numero, const QString& cola);
    void escribir(const QString& linea);
    // Writes what is pending and closes the file.
    void cerrar();

private:
    QFile archivo_;
};
