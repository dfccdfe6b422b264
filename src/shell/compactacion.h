#pragma once
// Compaction of BDR.mdb: a compacted copy is written beside it as BDRC.mdb and then put in its
// place in one step, so at every moment BDR.mdb is either the old file or the new one, whole.
// The database is reopened afterwards with the environment the user had chosen.

#include "database/error_motor.h"
#include "shell/arranque.h"

#include <QString>
#include <functional>
#include <optional>

class Entorno;

// Puts the file `nuevo` in the place of `destino` in one step; throws ErrorMotor when it cannot.
using Reemplazo = std::function<void(const QString& nuevo, const QString& destino)>;
void reemplazarArchivo(const QString& nuevo, const QString& destino);

struct ResultadoCompactacion {
    bool compactada = false;           // BDR.mdb is now the compacted file
    std::optional<ErrorMotor> error;   // why it was not; the original file is kept
    FinArranque fin = FinArranque::Continuar;  // whether the reopened database lets the run go on
    qint64 tamanioAnterior = 0;        // the file's size before (Tamanio_Anterior)
    qint64 tamanioCompactada = 0;      // and after, when compacted (Tamanio_Compactada)
};

// Compacts the open database.
ResultadoCompactacion compactarBase(Arranque& arranque, Entorno& entorno,
                                    const Reemplazo& reemplazar = reemplazarArchivo);
