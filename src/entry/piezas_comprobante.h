#pragma once
// What a printed receipt of the detail-row regimes says of its detail in the text the entry form
// writes for it (Impresos.Texto): after the month's name, the first detail row's number and its
// reference, in fixed widths the receipt reports read back. Which pieces, by the regime table:
//   guides, food concepts   nothing, and thirteen zeros
//   stamps                  the stamp right-justified in eight, and the waybill's twelve digits
//   stamped advances        the stamp, and the waybill's twelve digits
//   advances                the advance number in eight digits, and the agent in thirteen
// The waybill piece ends in a blank. A receipt without detail rows has "00000000" and thirteen
// zeros; one of stamped advances, "0" and thirteen zeros, and prints on the report of receipts
// without a stamp.

#include "common/regimenes.h"
#include "database/filas.h"

#include <QString>
#include <optional>

struct PiezasComprobante {
    QString primera;
    QString segunda;
    bool sinOblea = false;  // a receipt of stamped advances that has no stamp

    QString texto() const { return primera + segunda; }
};

// The pieces of a receipt whose first detail row is `primera` (none without rows), for the
// regime's entry form.
PiezasComprobante piezasComprobante(const ReglasRegimen& reglas, const std::optional<Guia>& primera);

// What the text of a receipt printed in a batch (from the receipts-by-declaration window) says of
// its first detail row after the month, in the regimes whose batch receipt names it
// (ReglasRegimen::loteConDetalle): the detail number in eight and its reference in thirteen.
//   guides                  the guide number in eight digits, and thirteen zeros
//   stamps, stamped advances  the stamp right-justified in eight, and the waybill's twelve digits
//   advances                the advance number in eight digits, and the agent in thirteen
// Nothing for a receipt without detail rows and for the other regimes: the observation follows
// the month.
QString detalleComprobanteLote(const ReglasRegimen& reglas, const std::optional<Guia>& primera);
