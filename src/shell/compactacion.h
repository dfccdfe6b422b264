#pragma once
// Compaction of BDR.mdb in its own place, by the engine's VACUUM: a transaction like any other,
// journaled, that holds the file's exclusive lock from its first page to its last. So no commit of
// another program can be lost, no other connection is left on a file that is no longer BDR.mdb,
// and a compaction cut short is undone by the journal like any save. While another program reads
// or writes the file the lock is not to be had: the compaction then says the database is busy and
// changes nothing. A compacted database is reopened with the environment the user had chosen.

#include "database/error_motor.h"
#include "shell/arranque.h"

#include <QtGlobal>
#include <optional>

class Entorno;

struct ResultadoCompactacion {
    bool compactada = false;           // BDR.mdb is now compacted
    std::optional<ErrorMotor> error;   // why it was not; the file is as it was, still open
    FinArranque fin = FinArranque::Continuar;  // whether the reopened database lets the run go on
    qint64 tamanioAnterior = 0;        // the file's size before (Tamanio_Anterior)
    qint64 tamanioCompactada = 0;      // and after, when compacted (Tamanio_Compactada)
};

// Compacts the open database.
ResultadoCompactacion compactarBase(Arranque& arranque, Entorno& entorno);
