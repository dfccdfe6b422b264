#pragma once
// The database the program ships with: the thirteen base tables, the regimes "01" to "06", the
// concepts the entry forms propose by default and the help texts. Everything else the first start
// adds, as it does to any file of that shape.

#include <QString>

class BaseDatos;
class Dialogs;

// Fills an open, empty database with the supplied tables and rows (no upgrade).
void crearBaseSuministrada(BaseDatos& base);

// Makes BDR.mdb at `ruta` as a new install has it: the supplied database, brought to the current
// schema and seeded exactly as the first starts would. The file must not exist. It is built under
// rutaBaseEnConstruccion() and renamed into place once complete and on the disk; on failure no
// file is left behind and the error is thrown.
void crearBaseInstalada(const QString& ruta, Dialogs& dialogs);
QString rutaBaseEnConstruccion(const QString& ruta);
