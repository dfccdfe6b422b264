#pragma once
// The large agent's monthly declarations with their receipts: the withholdings, the other
// withholdings of regimes "11" and "12", the detail rows of the receipts that carry them and the
// stamp remittances. Receipts take the branch's numbers in the order they were issued, month by
// month, whatever their regime; the branch's counter is left on the last one.

#include "aleatorio.h"
#include "sujetos_generados.h"

#include <vector>

class ConexionSqlite;
struct ParametrosBaseGrande;

// Reads the rates and goods types already in the database; writes Cabeceras, Retenciones,
// Retenciones_B, Guias and Remesas, and the branch's counter.
void generarDeclaraciones(ConexionSqlite& db, Aleatorio azar, const ParametrosBaseGrande& parametros,
                          const std::vector<SujetoGenerado>& sujetos);
