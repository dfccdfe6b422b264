#pragma once
// The help texts the program ships with: one row of Ayudas for every screen that answers F1.

class BaseDatos;

// Adds the help rows to the open database (its Ayudas table must be empty of these keys).
void cargarAyudasIniciales(BaseDatos& base);
