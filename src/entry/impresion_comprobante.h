#pragma once
// The receipt of a withholding or perception: two copies with the optional observation, after the
// user's confirmation.

#include <QSqlRecord>
#include <QString>

class Impresora;
struct Contexto;

// Prints the receipt `fila` (its whole `Retenciones` row) as the entry form `formulario` does.
// The receipts of frmRetenciones print on comprob.rpt; the other forms' receipts are not printed
// yet.
void imprimirComprobante(Contexto& contexto, const QString& formulario, const QSqlRecord& fila);
// The same, printed through `impresora` in place of the program's printer (Contexto::impresora).
void imprimirComprobante(Contexto& contexto, const QString& formulario, const QSqlRecord& fila,
                         Impresora& impresora);
