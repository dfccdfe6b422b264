#pragma once
// What the entry forms look up while a receipt is shown or typed.

#include "database/filas.h"

#include <QString>
#include <optional>

class BaseDatos;

struct Sujeto {
    QString razonSocial;
    QString codTipo;  // one digit: the subject's type, which picks its rate
    QString cuit;     // eleven digits
};

// The subject numbered `nroContrib` (ten digits, no separators).
std::optional<Sujeto> buscarSujeto(BaseDatos& base, const QString& nroContrib);
// The description of a concept code; nothing when the code is not in `Conceptos`.
std::optional<QString> buscarConcepto(BaseDatos& base, const QString& codConcepto);
// The stamp a receipt carries (the first of its detail rows), or "".
QString obleaDeComprobante(BaseDatos& base, const ClaveRetencion& clave);
