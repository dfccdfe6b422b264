#pragma once
// A new install: the data folder the program has never worked in gets the database a new install
// has and an empty environment file, so the first start opens with nothing active and no question.
// A folder that has worked before (its Entorno.mem is there) and lost its BDR.mdb is not new: its
// start says the database is missing instead of hiding the loss behind an empty one.

#include <QString>

bool esCarpetaNueva(const QString& carpeta);

// Makes BDR.mdb (which must not exist) and, when missing, an empty Entorno.mem in `carpeta`,
// creating the folder first (private, as every file in it). What the seeds would announce is not shown: on a new install it is
// all there is. Throws ErrorMotor; on failure no BDR.mdb is left.
void prepararCarpetaNueva(const QString& carpeta);
