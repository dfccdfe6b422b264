#pragma once
// Start-up and shutdown without any window: open the database, bring its schema up to date, seed
// the reference data, restore the environment from Entorno.mem; at the end write it back. Every
// message goes through the Dialogs port; the main window only shows what this leaves behind.

#include "shell/entorno_mem.h"

#include <QString>
#include <optional>

class Dialogs;
class Entorno;

enum class FinArranque {
    Continuar,  // the database is open and the environment set: show the main window
    Reiniciar,  // the schema was brought up to date: the program ends and the user starts it again
    Terminar,   // the program cannot go on: a message said why
};

class Arranque {
public:
    Arranque(Entorno& entorno, Dialogs& dialogs, QString carpeta);

    const QString& carpeta() const { return carpeta_; }
    QString rutaBase() const;
    QString rutaEntornoMem() const;

    // The whole start: cargarEntorno, then the seeds of the load when it may go on.
    FinArranque iniciar();
    // Opens the database, upgrades the schema and sets the environment: the one Entorno.mem keeps,
    // or `activo` when given (reopening the database during a run keeps what the user had chosen).
    // Every value not found shows its "(ninguno)" text.
    FinArranque cargarEntorno(const std::optional<ContenidoEntornoMem>& activo = std::nullopt);
    // The environment active now, as Entorno.mem would keep it.
    ContenidoEntornoMem entornoActivo() const;
    // Writes Entorno.mem, closes the database and reminds the user of backups.
    void cerrar();

private:
    FinArranque abrirBase();
    void restaurarEntorno(const std::optional<ContenidoEntornoMem>& activo);

    Entorno& entorno_;
    Dialogs& dialogs_;
    QString carpeta_;
};
