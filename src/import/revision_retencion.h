#pragma once
// The checks of one withholding record of a declaration file. A recognised record is always
// stored: each failed check is logged and marks the row "E" (imported with an error), and a few
// fields get a fixed value in place of what was read. A record whose amounts or rate are not
// numbers, or whose fields hold a control character, is not stored at all: it is logged as out of
// form.

#include "common/regimenes.h"
#include "database/importe.h"
#include "import/registros_importados.h"

#include <QStringList>

// What the database knows of the record, looked up by the run.
struct ConsultasRetencion {
    bool sujetoCargado = false;
    bool conceptoCargado = false;
};

struct RevisionRetencion {
    bool enFormato = true;   // false: not stored, the format finding logged
    QStringList hallazgos;   // the log tails, each after "     Línea <n>"
    bool conError = false;   // stored with the mark "E"
    QString dia;             // two digits, "00" when not a day of the month
    QString nroX;            // "0" when missing
    QString concepto;        // "00" when not stored
    Importe bruto;
    Importe alicuota;        // 100 in the regimes of detail rows valued by goods type
    Importe retenido;
};

// `reglas` are the header's regime's; `anio` and `mes` the header's year and month.
RevisionRetencion revisarRetencion(const RegistroRetencion& registro, const ReglasRegimen& reglas,
                                   int anio, int mes, const ConsultasRetencion& consultas);

// Where the detail total goes to the other withholdings (advances), the withheld amount is net of
// the advances of the receipt's detail records, so its check waits until they are read.
bool controlDiferido(const ReglasRegimen& reglas);

// Whether `retenido` differs from gross x rate / 100 by more than 0.10. Computed exactly: a
// difference of exactly ten cents is accepted.
bool retenidoMalCalculado(Importe bruto, Importe alicuota, Importe retenido);

namespace hallazgo {
inline const QString MalCalculado = QStringLiteral(": El importe retenido esta mal calculado");
}
