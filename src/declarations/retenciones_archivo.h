#pragma once
// The withholdings of a declaration as its file reads them: the one query the file is written
// from, each row with its subject and its other withholdings.

#include "declarations/registros_declaracion.h"

#include <QtGlobal>
#include <functional>

class BaseDatos;

// Hands every withholding of declaration `idCabecera` to `hacer`, highest rate first; rows of
// equal rate keep the order they were stored in. The month is read in one pass and never held
// whole. A database failure throws ErrorMotor.
void recorrerRetencionesDelArchivo(BaseDatos& base, qint64 idCabecera,
                                   const std::function<void(const RetencionDelArchivo&)>& hacer);
