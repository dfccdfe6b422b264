#pragma once
// What the receipts-by-declaration window reads, apart from its widgets: the orders its two grids
// offer, the condition that picks the withholdings of a declaration (all concepts or one), their
// count and totals, and the receipt numbers shown. The window never writes these tables.
//
// Count and totals are aggregates over the declaration's index, never a walk of the rows, so a
// month of any size answers at once; annulled receipts are counted and summed like the others.

#include "database/importe.h"

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <optional>

class BaseDatos;

// An order a header click gives a grid: the ORDER BY list and the caption over the grid.
struct OrdenGrilla {
    QString orden;
    QString rotulo;
};

// By the clicked column of the declarations grid; nothing for a column without an order.
std::optional<OrdenGrilla> ordenCabeceras(int columna);
// By the clicked column of the withholdings grid; nothing for a column without an order.
std::optional<OrdenGrilla> ordenRetenciones(int columna);

// The column by which the withholdings are sorted when the window opens: the receipt number.
constexpr int kOrdenRetencionesInicial = 5;

// The withholdings shown: those of a declaration (0 for none: no rows) and, when a concept is
// given, of that concept alone.
struct FiltroRetenciones {
    QString sql;           // a condition on Retenciones
    QVariantList valores;  // its bound values
};
FiltroRetenciones filtroRetenciones(qint64 idCabecera, const std::optional<QString>& concepto);

struct TotalesRetenciones {
    qint64 cantidad = 0;
    Importe bruto;
    Importe retenido;
};
// Throws ErrorMotor.
TotalesRetenciones totalesRetenciones(BaseDatos& base, const FiltroRetenciones& filtro);

// The receipt numbers of the rows shown, in `orden` (the grid's). Throws ErrorMotor.
QStringList comprobantesMostrados(BaseDatos& base, const FiltroRetenciones& filtro,
                                  const QString& orden);
