#pragma once
// The records of the declaration file, one line each, fixed width, ending in "*":
//   C  the declaration (agent, regime, year, month, rectification, branch, ...)
//   R  a valid withholding, A an annulled one
//   O  the other amounts of a receipt: other withholdings or a fine
//   D  a detail row of a receipt: guide, stamp or advance
//   F  a food concept of a receipt
// (the regime table says which regime writes which).
// Fields a regime does not use, and used fields left empty, hold fixed placeholders.

#include "database/filas.h"

#include <QString>
#include <stdexcept>

class QLocale;

// A row the file needs is missing, or a withholding lacks a value the file cannot do without.
class DeclaracionIncompleta : public std::runtime_error {
public:
    explicit DeclaracionIncompleta(QString texto)
        : std::runtime_error(texto.toStdString()), texto_(std::move(texto)) {}
    const QString& texto() const { return texto_; }

private:
    QString texto_;
};

// A withholding as the file reads it: the row, with its subject's `CUIT` and `Cod_Tipo` (empty
// when the subject is missing) and its other withholdings (none when the receipt has no row in
// `Retenciones_B` or it has no amount).
struct RetencionDelArchivo {
    Retencion retencion;
    QString cuit;
    QString codTipo;
    std::optional<Importe> otras;
};

namespace registro_declaracion {

// C, from the declaration, its branch and its agent; `marcaObs` is the mark this emission writes.
// 101 characters.
QString cabecera(const Cabecera& cabecera, const QString& marcaObs, const Sucursal& sucursal,
                 const Agente& agente);

// R or A. 79 characters, 78 without an import mark, one more per negative amount.
QString retencion(const RetencionDelArchivo& fila, const QLocale& locale);

// O: the receipt number and two amounts; a missing amount is the literal zero. 30 characters.
QString otrosImportes(const QString& nroComprobante, const std::optional<Importe>& primero,
                      const std::optional<Importe>& segundo, const QLocale& locale);

// D, from a detail row, with the fields the regime uses. 60 characters.
QString detalle(const Guia& guia, const QString& regimen, const QLocale& locale);

// F, from a detail row of a food-concepts regime. 41 characters.
QString alimento(const Guia& guia, const QLocale& locale);

} // namespace registro_declaracion
