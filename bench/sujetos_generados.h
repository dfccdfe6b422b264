#pragma once
// The subjects of the large agent: numbers of every jurisdiction the program knows, with the check
// digits its own routines accept; CUITs with valid check digits; names, addresses and types as the
// subjects form stores them.

#include "aleatorio.h"

#include <QString>
#include <string>
#include <vector>

class ConexionSqlite;

struct SujetoGenerado {
    std::string nro;   // Nro_Contrib, ten digits
    std::string tipo;  // Cod_Tipo
};

// A CUIT with its check digit after the ten digits given (prefix and body), as the subjects form
// accepts it; empty when no digit makes it valid.
QString cuitCompleto(const QString& diezDigitos);

// Inserts `cantidad` subjects into Contribuyentes, in the order they would have been added.
std::vector<SujetoGenerado> generarSujetos(ConexionSqlite& db, Aleatorio azar, int cantidad);
