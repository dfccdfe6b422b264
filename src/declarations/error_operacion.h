#pragma once
// How the long operations of the declarations form end on an unexpected failure: a critical box
// whose title is "Error " and the error's number and whose text is its description.

#include <QString>

class Dialogs;
class ErrorMotor;

void mostrarErrorOperacion(Dialogs& dialogs, int numero, const QString& descripcion);
void mostrarErrorOperacion(Dialogs& dialogs, const ErrorMotor& error);
