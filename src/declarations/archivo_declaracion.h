#pragma once
// The declaration file the agent hands in to the agency: the declaration's header record, then
// every withholding of the month, highest rate first, each followed at once by the records of its
// detail, and the control code over all of it. The same pass over the withholdings gives the
// totals and per-rate subtotals that the printed declaration shows, so paper and file agree.

#include "database/filas.h"
#include "database/importe.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <vector>

class BaseDatos;
class QLocale;

// A run of consecutive withholdings with the same rate, summed over its valid rows.
struct GrupoAlicuota {
    Importe alicuota;    // `Alicuota` as stored (not capped as in the file)
    Importe totxAlic;    // gross amounts
    Importe otrosPagos;  // other withholdings (`Retenciones_B`) of the same receipts
    Importe otroValor;   // withheld amounts
};

struct ArchivoDeclaracion {
    QString nombre;                   // DJ_<agent>_<branch>_<regime>_<year>_<month>_<rect>.TXT
    // In Windows-1252, without line ends; empty when the lines went to a writer as they were made.
    std::vector<QByteArray> lineas;
    QString codigoControl;            // eight digits
    bool hayMovimientos = false;      // any withholding, valid or annulled
    qint64 validas = 0;
    qint64 anuladas = 0;
    Importe impuestoCalculado;        // over valid rows: gross x rate / 100, each to cents
    Importe totalRetenido;            // over valid rows: the withheld amounts
    // The subtotals the printed declaration lists: the runs whose gross is not zero, in order.
    std::vector<GrupoAlicuota> grupos;

    // The file's bytes: every line ended by CR LF.
    QByteArray contenido() const;
};

QString nombreArchivoDeclaracion(const Cabecera& cabecera);

// The tax of one withholding: gross x rate / 100, rounded to cents half away from zero.
Importe impuestoDeFila(Importe bruto, Importe alicuota);

// Builds the file of a declaration as this emission writes it,
// with `marcaObs` in its header. Reads the declaration's agent and branch. `progreso`, when given,
// hears the percentage of withholdings done. Throws DeclaracionIncompleta when a row it needs is
// missing or a withholding lacks an amount, rate or concept, and ErrorMotor on a database failure.
ArchivoDeclaracion armarArchivoDeclaracion(BaseDatos& base, const Cabecera& cabecera,
                                           const QString& marcaObs, const QLocale& locale,
                                           const std::function<void(int)>& progreso = {});
// The same, each line handed to `linea` as soon as it is made instead of kept in `lineas`: the
// month is read in one pass and never held whole.
ArchivoDeclaracion armarArchivoDeclaracion(BaseDatos& base, const Cabecera& cabecera,
                                           const QString& marcaObs, const QLocale& locale,
                                           const std::function<void(const QByteArray&)>& linea,
                                           const std::function<void(int)>& progreso = {});
