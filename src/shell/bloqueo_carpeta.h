#pragma once
// One copy of the program at a time on a data folder: two copies would read the same branch
// counters and hand out the same receipt numbers. A lock file in the folder says which process
// holds it; a lock left by a process that no longer runs is taken over.

#include <QLockFile>
#include <QString>

class Dialogs;

class BloqueoCarpeta {
public:
    explicit BloqueoCarpeta(const QString& carpeta);

    static inline const QString kArchivo = QStringLiteral("Tarquel.lock");

    // Takes the folder for this run. When another copy holds it, says so and answers false. When
    // no lock file can be made there (a folder that does not exist), answers true: the start-up
    // then reports what is wrong with the folder.
    bool tomar(Dialogs& dialogs);

private:
    QString carpeta_;
    QLockFile archivo_;
};
