#pragma once
// The values of one payment slip: the declaration it pays and the amounts its three copies and its
// barcode carry. The declaration's slip and the police shift's deposit slip fill it the same way.

#include "database/filas.h"
#include "database/importe.h"

#include <QDate>
#include <QString>

struct Boleta {
    // The declaration paid, as stored in Cabeceras.
    qint64 idCabecera = 0;
    QString nroAgente;
    QString sucursal;
    QString codRegimen;
    QString anio;
    QString mes;
    QString rectifica;

    Importe total;       // total to pay
    Importe otrosPagos;  // payments already made, deducted on this slip
    Importe interes;     // late-payment interest, rounded to cents
    QString texto;       // the 15-character prefix and the amount in words
    QDate vencimiento;
    QDate pago;

    Importe neto() const { return total - otrosPagos; }

    // Takes the declaration's key and identity from its row.
    void tomarCabecera(const Cabecera& cabecera)
    {
        idCabecera = cabecera.idCabecera;
        nroAgente = cabecera.nroAgente;
        sucursal = cabecera.sucursal;
        codRegimen = cabecera.codRegimen;
        anio = cabecera.anio;
        mes = cabecera.mes;
        rectifica = cabecera.rectifica;
    }
};
