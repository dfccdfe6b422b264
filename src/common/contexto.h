#pragma once
// What every form works with: the open database, the working environment, the dialogs port, the
// clock and the program's folder. One exists for the whole run; forms hold a reference to it.

#include <QString>

class BaseDatos;
class Dialogs;
class Entorno;
class Reloj;

struct Contexto {
    BaseDatos& base;
    Entorno& entorno;
    Dialogs& dialogs;
    Reloj& reloj;
    QString carpeta;
};
