#pragma once
// One copy of the program at a time on a data folder: two copies would read the same branch
// counters and hand out the same receipt numbers. The copy that runs holds a lock of the system on
// the file Tarquel.lock, which the system lets go of the moment that copy ends, however it ends: a
// lock file left behind by a killed copy, an empty one or one written on another machine holds
// nothing and is simply taken over. The file names the process that holds it, for whoever looks.

#include <QString>

class Dialogs;

class BloqueoCarpeta {
public:
    explicit BloqueoCarpeta(const QString& carpeta);
    ~BloqueoCarpeta();
    BloqueoCarpeta(const BloqueoCarpeta&) = delete;
    BloqueoCarpeta& operator=(const BloqueoCarpeta&) = delete;

    static inline const QString kArchivo = QStringLiteral("Tarquel.lock");

    // Takes the folder for this run. When another copy holds it, or the folder cannot be written,
    // says so and answers false. When the folder does not exist, answers true: the start-up then
    // reports what is wrong with it.
    bool tomar(Dialogs& dialogs);

private:
    void soltar();

    QString carpeta_;
    QString ruta_;
    int descriptor_ = -1;
};
