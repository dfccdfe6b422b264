#pragma once
// The counts of one import run, kept in 64 bits: a file may have any number of lines.

#include <QtGlobal>

struct ConteoImportacion {
    qint64 lineas = 0;      // lines read (the declaration's header line not counted)
    qint64 importados = 0;  // subjects, or withholdings stored and not dropped again
    qint64 conError = 0;    // of those, withholdings stored with the mark "E"
    qint64 detalles = 0;    // detail rows stored and not dropped again

    // Lines that left nothing stored.
    qint64 descartadas() const { return lineas - (importados + detalles); }
};
