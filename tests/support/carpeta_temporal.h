#pragma once
// A data folder of its own for each test, with the database a new install has.

#include "database/base_datos.h"
#include "database/base_suministrada.h"
#include "support/dialogos_guionados.h"

#include <QDir>
#include <QTemporaryDir>

struct CarpetaTemporal {
    QTemporaryDir dir;
    QString ruta(const QString& archivo) const { return QDir(dir.path()).filePath(archivo); }
    QString base() const { return ruta(QStringLiteral("BDR.mdb")); }

    // The database as `tarquel --crear-base` leaves it.
    void crearBaseInstalada()
    {
        DialogosGuionados silencio;
        ::crearBaseInstalada(base(), silencio);
    }
    // The supplied database before any upgrade: its tables only, as the upgrade finds a file it
    // has not brought up to date yet.
    void crearBaseSinActualizar()
    {
        BaseDatos db;
        db.crear(base());
        crearBaseSuministrada(db);
    }
};
