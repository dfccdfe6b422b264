#pragma once
// What the seeds share. A seed keeps its own work whole and tells the user only what it really
// added: its messages wait until its rows are kept.

#include "database/importe.h"

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <functional>

class BaseDatos;
class Dialogs;

namespace semillas {

// Runs one seed in its own transaction and then shows the messages it gathered. A database
// failure undoes that seed alone and is shown as "number - description"; the start goes on.
// A failure of the disk, the file or another program's lock is thrown on: it ends the start.
void ejecutar(BaseDatos& base, Dialogs& dialogs,
              const std::function<void(QStringList& avisos)>& semilla);

// A seed whose table is missing (one of another shape, dropped at this start) leaves it for the next one.
bool existeTabla(BaseDatos& base, const QString& nombre);

// Adds one row unless a row with its key (its first `camposClave` fields) is there already, so a
// partly present block never trips over the key. True when the row was added.
bool agregarSiFalta(BaseDatos& base, const QString& tabla, const QStringList& campos,
                    const QVariantList& valores, int camposClave);

// A reference value as listed, a decimal written with a point, whatever the machine's locale.
Importe decimal(const char* texto);

} // namespace semillas
