#pragma once
// `Impresos`: the scratch table a form fills just before it prints, one row per copy or per
// document, which the report then reads. Typed as the reports read it.

#include "database/importe.h"

#include <QByteArray>
#include <QString>
#include <vector>

class BaseDatos;

struct Impreso {
    QString para;         // whom the copy is for, or a receipt number, or a control code
    qint64 idCabecera = 0;
    Importe importe;
    Importe importe1;
    QString texto;
    Importe interes;
    QString fechaV;       // ISO dates, empty for none
    QString fechaP;
    QByteArray codBar;    // the barcode picture, empty for none
};

// Every row, in the order it was written.
std::vector<Impreso> leerImpresos(BaseDatos& base);
