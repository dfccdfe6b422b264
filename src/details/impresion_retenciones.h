#pragma once
// The two prints of the receipts-by-declaration window, for any declaration, active or not: the
// listing of its withholdings, and a batch of its receipts in one run (four copies each, with one
// observation for all). Both take the regime and the month from the declaration given, never from
// the active environment, and print on that regime's reports.

#include "database/filas.h"

#include <QString>
#include <QStringList>

struct Contexto;

// Asks the print confirmation and prints the declaration's listing, the regime's variant of it.
void imprimirListado(Contexto& contexto, const Cabecera& cabecera);

// Asks for the observation, refills Impresos with four copy rows per receipt (in one
// transaction), asks the confirmation with the number of receipts and prints the regime's batch
// receipt report. After a No the rows stay in Impresos.
void imprimirComprobantesLote(Contexto& contexto, const Cabecera& cabecera,
                              const QStringList& comprobantes);

// The text of a batch receipt's copies: the month's name in ten characters, what the receipt's
// first detail row says where the regime names it, and the observation.
QString textoComprobanteLote(const QString& nombreMes, const QString& detalle,
                             const QString& observacion);
