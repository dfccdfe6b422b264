#pragma once
// What every form works with: the open database, the working environment, and the ports through
// which it talks to the user, reads the clock and prints, and the program's folder. One exists for
// the whole run; forms hold a reference to it.

#include <QString>

class BaseDatos;
class Dialogs;
class Entorno;
class Impresora;
class Reloj;

struct Contexto {
    BaseDatos& base;
    Entorno& entorno;
    Dialogs& dialogs;
    Reloj& reloj;
    Impresora& impresora;
    QString carpeta;
};
