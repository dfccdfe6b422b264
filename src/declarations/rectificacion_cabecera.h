#pragma once
// Rectifying a closed declaration: the same row gets the next rectification number and is open
// again for entry; its receipts stay. The number has two digits, so "99" is the last one.

#include <QtGlobal>

struct Contexto;

enum class Rectificacion {
    Hecha,         // the row is "2" with the next number
    NoCerrada,     // told: only a closed declaration is rectified
    SinNumero,     // told: "99" was the last number
    NoConfirmada,  // the user answered No
    Fallida,       // told
};

Rectificacion rectificarCabecera(Contexto& contexto, qint64 idCabecera);
