#pragma once
// How a form tells the user of a database failure that ended what it was doing. Two shapes, one
// for each kind of form: the record forms' plain box ("3022 description"), and the long
// operations' critical box titled "Error 3022" whose text is the description.

#include <QString>

class Dialogs;
class ErrorMotor;

void mostrarErrorOperacion(Dialogs& dialogs, int numero, const QString& descripcion);
void mostrarErrorOperacion(Dialogs& dialogs, const ErrorMotor& error);

void mostrarErrorSimple(Dialogs& dialogs, const ErrorMotor& error);
