#pragma once
// The receipt of a withholding or perception: two copies with the optional observation, after the
// user's confirmation.

#include <QSqlRecord>
#include <QString>

struct Contexto;

// Prints the receipt `fila` (its whole `Retenciones` row) as the entry form `formulario` does.
void imprimirComprobante(Contexto& contexto, const QString& formulario, const QSqlRecord& fila);
