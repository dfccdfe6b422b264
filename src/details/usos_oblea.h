#pragma once
// Where a stamp number already stands among the detail rows: each stamp serves one receipt. The
// rows of the receipt being entered (pending number "0") count as well, and a receipt that was
// annulled frees its stamps. The detail row being modified is never among them, so a row keeps
// its own stamp.

#include <QString>
#include <optional>
#include <vector>

class BaseDatos;

struct UsoOblea {
    qint64 nroClave = 0;
    QString nroComprobante;
    QString nroPorte;
    // The row belongs to the receipt being entered.
    bool pendiente = false;
    // A receipt that is not annulled carries the row: the row's own receipt (its declaration and
    // number), or, for a row stored without its declaration, any receipt of that number.
    bool enRetencionValida = false;
};

// The rows of every agent and declaration that carry the stamp with a waybill, in the order they
// were stored; `excluida` is the row being modified.
std::vector<UsoOblea> usosDeOblea(BaseDatos& base, const QString& oblea,
                                  std::optional<qint64> excluida);
// The same, within one declaration.
std::vector<UsoOblea> usosDeObleaEnDeclaracion(BaseDatos& base, qint64 idCabecera,
                                               const QString& oblea,
                                               std::optional<qint64> excluida);
