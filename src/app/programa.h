#pragma once
// One run of the program on its data folder, once the application exists: the folder made when it
// is not there (private), taken for this run, given its database on the first start; the splash,
// the start-up and the main window. A start that cannot go on ends the process with a status a
// script or a launcher can read: 1 for every refusal (a message said why), 0 after a schema
// upgrade, which asks the user to start the program again.

#include "shell/bloqueo_carpeta.h"

#include <QString>
#include <memory>
#include <optional>

class Dialogs;

class Programa {
public:
    static constexpr int kRechazo = 1;

    Programa(Dialogs& dialogs, QString carpeta);
    ~Programa();
    Programa(const Programa&) = delete;
    Programa& operator=(const Programa&) = delete;

    // The start. The process's exit status when the program ends here; nothing when the main
    // window is shown and the run goes on in the event loop.
    std::optional<int> iniciar();

private:
    struct Corrida;

    Dialogs& dialogs_;
    QString carpeta_;
    BloqueoCarpeta bloqueo_;
    // Ends before the folder is let go of.
    std::unique_ptr<Corrida> corrida_;
};
