#pragma once
// The reference rows every start brings to what the system needs. Each seed keeps its own work
// whole: a failure undoes that seed alone, is reported, and the start goes on with the next one.
// What a seed announces is shown once its rows are kept. A seed whose table is missing waits for
// the start that makes it.

class BaseDatos;
class Dialogs;

// Run while the schema is brought up to date, also on a start that ends asking for a restart.
void cargarTipos(BaseDatos& base, Dialogs& dialogs);
void corregirOtrasRetenciones(BaseDatos& base, Dialogs& dialogs);
void fijarAlicuotas(BaseDatos& base, Dialogs& dialogs);

// Run by the main window's load, only on a start without schema change.
void actualizarRegimenes(BaseDatos& base, Dialogs& dialogs);
void actualizarAlicuotas(BaseDatos& base, Dialogs& dialogs);
void actualizarConceptos(BaseDatos& base, Dialogs& dialogs);
void actualizarTasas(BaseDatos& base, Dialogs& dialogs);
void actualizarGranosYParametros(BaseDatos& base, Dialogs& dialogs);

// The five seeds of the load, in their order. Throws ErrorMotor when the disk, the file or
// another program's lock keeps them from running at all.
void sembrarDatosDeReferencia(BaseDatos& base, Dialogs& dialogs);
