#pragma once
// Saving, correcting and annulling receipts of the general regimes. Each is one transaction: the
// receipt, its number taken from the branch, the declaration's first-receipt state and the stamp
// row land together or not at all, so a failed save spends no number and leaves no half receipt.
// Database failures are thrown as ErrorMotor after everything was undone.

#include "database/codigos.h"
#include "database/importe.h"
#include "entry/consultas_entrada.h"

#include <QString>
#include <functional>
#include <optional>
#include <stdexcept>

class BaseDatos;
class Entorno;

// What the entry frame holds when Grabar is pressed.
struct DatosRetencion {
    QString nroContrib;   // ten digits
    QString dia;          // two digits
    Importe bruto;
    Importe alicuota;     // per cent
    QString nroX;         // external receipt number, "0" for none
    QString codConcepto;  // two digits
    // A regime of single "Z" stamps: the receipt has a stamp box; `oblea` is the stamp typed, ""
    // for none.
    bool conOblea = false;
    QString oblea;
    // What the receipt withholds, when it is not the gross amount times the rate (other
    // withholdings deducted on it, or the value of its detail rows).
    std::optional<Importe> retenido;
};

// What a save writes besides the receipt itself, in the receipt's transaction, once its key is
// known (its detail rows, its other withholdings).
using EscriturasDelComprobante = std::function<void(BaseDatos&, const ClaveRetencion&)>;

// The branch has issued its last eight-digit number (or its counter holds no number).
class NumeracionAgotada : public std::runtime_error {
public:
    explicit NumeracionAgotada(QString ultimo);
    const QString& ultimo() const { return ultimo_; }

private:
    QString ultimo_;
};

// A new receipt of the active declaration under the active branch's next number, valid, without
// an import mark. The first receipt of a declaration makes it "Abierta". Afterwards the
// environment's branch and declaration are read again, so they show the new counter and state.
// Throws NumeracionAgotada or ErrorMotor, with nothing written.
ClaveRetencion grabarRetencionNueva(Entorno& entorno, const DatosRetencion& datos,
                                    const EscriturasDelComprobante& ademas = {});

// Rewrites an imported receipt with what the frame holds and marks it corrected; its
// number, declaration and state stay. A receipt with a stamp box gets its stamp row replaced.
void grabarCorreccion(Entorno& entorno, const ClaveRetencion& clave, const DatosRetencion& datos,
                      const EscriturasDelComprobante& ademas = {});

// Marks a receipt annulled. Its number, amounts, marks and detail rows stay as they are.
void anularRetencion(BaseDatos& base, const ClaveRetencion& clave);
