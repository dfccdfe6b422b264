#pragma once
// The file and folder choosers. Each answers the chosen path, or "" when the user cancels; the
// folder chooser's answer always ends in "/", so the caller appends a file name directly.

#include <QString>

class Dialogs;

struct frmAbrir {
    static inline const QString kTitulo = QStringLiteral("Importar Desde...");
    // A file to import; every file is offered. A folder is refused and the choice asked again.
    static QString elegir(Dialogs& dialogs, const QString& carpetaInicial = {});
};

struct frmGuardarEn {
    static inline const QString kTitulo = QStringLiteral("Generar archivo en...");
    // The folder where a file is to be written. A path that is no folder is refused and the choice
    // asked again.
    static QString elegir(Dialogs& dialogs, const QString& carpetaInicial = {});
};
