#pragma once
// How the printed documents show codes, amounts and dates: amounts with the locale's separators
// and a "$", dates as DD/MM/YYYY, identifiers with the dashes of their masks.

#include "database/importe.h"

#include <QString>

// "$ 1.234,56" in the running locale.
QString pesos(Importe importe);
// "1.234,56" in the running locale.
QString numero(Importe importe);
// A rate: "2,50".
QString porcentaje(Importe tasa);
// A stored ISO date as "DD/MM/YYYY"; the empty text for none.
QString fechaImpresa(const QString& iso);
// The digits laid into a mask of '#' ("##-########-#"); unchanged when their count does not match.
QString conMascara(const QString& digitos, const QString& mascara);
QString cuitImpreso(const QString& cuit);
// A month's name by its number ("04" gives "Abril"); the number itself when out of range.
QString nombreMes(const QString& mes);
