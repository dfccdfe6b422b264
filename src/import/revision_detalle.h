#pragma once
// The checks of one detail record ("D") of a declaration file, by the header's regime: livestock
// guides ("09"), grain stamps ("10"), advances paid to other agents ("11", "16"), advances with
// their stamps ("12"), the single stamp of "14" and food transport with its remito ("15"). It
// gives the findings, the detail row as it is to be stored and what the record adds to the
// receipt's withheld amount check. The stamp checks against earlier receipts and remittances need
// the database and are the run's.

#include "database/importe.h"
#include "common/regimenes.h"
#include "import/registros_importados.h"

#include <QStringList>
#include <functional>
#include <optional>

// A `Guias` row but for its receipt and declaration.
struct FilaDetalle {
    QString nroAgente;
    QString nroGuia;
    qint64 tipo = 0;
    qint64 cantidad = 0;
    Importe valorUnitario;
    Importe total;
    QString nroAnticipo;
    QString nroPorte;
};

// Which stamp checks follow the regime's own.
enum class ControlOblea {
    Ninguno,
    Cualquiera,      // "10": used on any valid receipt; and covered by the agent's remittances
    DelAgente,       // "12", "14": used on any row of the file's agent
    DelAgenteYRemesa // the same, and, the stamp being the file's agent's own, its remittances
};

struct RevisionDetalle {
    QStringList hallazgos;  // the log tails, each after "     Línea <n>"
    bool conError = false;  // the record is not stored (nor, in "10", "12", "14", its receipt)
    FilaDetalle fila;
    Importe anticipos;      // added to the receipt's withheld amount in its deferred check
    ControlOblea oblea = ControlOblea::Ninguno;
};

// The `Valor` of a goods type of a class; nothing when the type is not stored.
using ValorDeTipo = std::function<std::optional<Importe>(int clase, qint64 tipo)>;

// `agenteArchivo` is the header's agent, as text.
RevisionDetalle revisarDetalle(const RegistroDetalle& registro, const ReglasRegimen& reglas,
                               const QString& agenteArchivo, const ValorDeTipo& valorDeTipo);
