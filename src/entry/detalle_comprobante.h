#pragma once
// The detail rows (`Guias`) of one receipt, as the entry forms and the windows that keep those
// rows (guides, stamps, food concepts, advances) agree on them. While a receipt is being entered
// its rows carry the pending number "0" and are known by it alone; Grabar gives them the
// receipt's number. A saved receipt's rows are known by its declaration and its eight-digit
// number together, since two branches issue the same numbers.

#include "database/importe.h"

#include <QString>
#include <QVariantList>
#include <functional>

class BaseDatos;
class QWidget;

struct ComprobanteDetalle {
    qint64 idCabecera = 0;   // the declaration the rows are entered in
    QString nroComprobante;  // "0" while the receipt is being entered, else its eight digits

    bool pendiente() const;
    // The condition on `Guias` (its columns unqualified) that selects the receipt's rows, and its
    // values.
    QString filtro() const;
    QVariantList valores() const;
};

// A new receipt's detail, or that of the receipt `nroComprobante` of the declaration.
ComprobanteDetalle detalleNuevo(qint64 idCabecera);
ComprobanteDetalle detalleDe(qint64 idCabecera, const QString& nroComprobante);

// The sum of `Total` over the receipt's rows (zero without rows).
Importe sumaDetalle(BaseDatos& base, const ComprobanteDetalle& comprobante);

// What the window of a receipt's rows hands back when the user leaves it.
struct ResultadoDetalle {
    Importe total;             // the rows' total, as the window shows it
    // An advance under the active agent's own number was given (its advance number "0" and
    // amount 0), so the receipt needs no confirmation for having no advances.
    bool mismoAgente = false;
};

// Shows, modally over `duenio`, the window the active regime keeps a receipt's rows in.
using AbrirDetalle =
    std::function<ResultadoDetalle(QWidget* duenio, const ComprobanteDetalle& comprobante)>;
