#pragma once
// Start-up and shutdown without any window: open the database, bring its schema up to date, seed
// the reference data, restore the environment from Entorno.mem; at the end write it back. Every
// message goes through the Dialogs port; the main window only shows what this leaves behind.

#include <QString>

class Dialogs;
class Entorno;

enum class FinArranque {
    Continuar,  // the database is open and the environment set: show the main window
    Terminar,   // the program ends now (a message said why, or the schema asks for a restart)
};

class Arranque {
public:
    Arranque(Entorno& entorno, Dialogs& dialogs, QString carpeta);

    const QString& carpeta() const { return carpeta_; }
    QString rutaBase() const;
    QString rutaEntornoMem() const;

    // The whole start: Cargar_Entorno, then the seeds of the load when it may go on.
    FinArranque iniciar();
    // Opens the database, upgrades the schema, reads Entorno.mem and sets the environment.
    FinArranque Cargar_Entorno();
    // Writes Entorno.mem, closes the database and reminds the user of backups.
    void cerrar();

private:
    FinArranque abrirBase();
    void restaurarEntorno();

    Entorno& entorno_;
    Dialogs& dialogs_;
    QString carpeta_;
};
