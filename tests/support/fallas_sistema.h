#pragma once
// Steps of the file system that fail on request, where no real disk can be made to fail at that
// step alone. The test program's own fsync(), fdatasync(), close() and renameat2() stand in for
// the system's (they pass everything through unless told otherwise). While a FallasSistema object
// lives:
//   sinAsegurar(ruta)  flushing that file or folder to the disk fails as an I/O error does (the
//                      file need not exist yet: a database's journal, say);
//   sinCerrar(ruta)    closing that file fails as an I/O error does, as a disk that reports a
//                      delayed write only then (the descriptor is released all the same);
//   sinIntercambio()   no file system can exchange two names in one step, as on many removable
//                      drives.

#include <QString>

class FallasSistema {
public:
    FallasSistema();
    ~FallasSistema();
    FallasSistema(const FallasSistema&) = delete;
    FallasSistema& operator=(const FallasSistema&) = delete;

    void sinAsegurar(const QString& ruta);
    void sinCerrar(const QString& ruta);
    void sinIntercambio();
    // The calls made to fail so far.
    int fallas() const;
};
