#pragma once
// The records of the import files, read from their fixed positions (counted from 1 on the trimmed
// line). Each reader answers the record when the line has the record's form, nothing otherwise; it
// takes the fields as they stand and leaves the checks to the run.
//
//   S  a subject (subjects file), exactly 104 characters
//   C  the declaration's header (first line of a declaration file), any length
//   R  a valid withholding, A an annulled one, 58 characters or more
//   D  a detail row of the receipt before it, exactly 54 characters
//
// The header and the withholding share their positions with the records of the declaration file
// the program writes, so a file the program wrote reads back field for field.

#include "database/importe.h"
#include "import/lector_lineas.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace campo_importado {

// The numeric value of a text, the way the agents' files are read: blanks are skipped,
// one leading sign is taken, then the digits up to the first character that cannot continue the
// number; 0 without digits.
qint64 valorNumerico(QStringView texto);

// A field that must be a whole number: digits only, at least one. Nothing otherwise.
std::optional<qint64> entero(QStringView texto);

// Whether every character is a digit (and there is at least one).
bool soloDigitos(QStringView texto);

// Whether the text holds a control character: a byte below 32, DEL, or one of the bytes that
// Windows-1252 leaves undefined (they read as controls). A code or number field that holds one
// fails its line; a text field loses them (see the records below).
bool conControles(QStringView texto);

// The amount form, 12 characters laid out as "000000000.00": characters 1-9 the whole part (a
// leading "-" for a negative amount), character 10 the separator (any, not read), 11-12 the
// hundredths, which take the sign of the whole part. Blanks are ignored, as in the numeric value.
// Nothing when a part holds anything but digits (and the sign).
std::optional<Importe> importe(QStringView doce);

} // namespace campo_importado

// Text fields lose the characters the agency's files cannot carry (controls and undefined bytes;
// a tab or a line end becomes one blank), so that nothing stored differs from what a declaration
// file will say. Such a field is named in `limpiados`, in the words of the log ("de la Razón
// Social"), for the note the run writes.

struct RegistroSujeto {
    QString jurisdiccion;  // 2-4
    QString inscripcion;   // 5-11: six digits and the check digit
    QString cuit;          // 12-22
    QString razonSocial;   // 23-62, trimmed, control characters taken out
    QString domicilio;     // 63-102, likewise
    QChar marcaTipo;       // 103: "3" for a certificate of non-withholding
    QStringList limpiados;

    // Whether a code or number field (all but the name and the address) holds a control character.
    bool controlEnCodigos() const;
};
std::optional<RegistroSujeto> leerSujeto(const LineaImportada& linea);

struct CabeceraImportada {
    QString agente;     // 2-7
    QString regimen;    // 8-9
    QString anio;       // 10-13
    QString mes;        // 14-15, as read ("1 " is January)
    QString rectifica;  // 16-17
    QString sucursal;   // 18-21

    // The month as stored: two digits, from the value of its leading digits.
    QString mesNormalizado() const;
    int numeroMes() const { return int(campo_importado::valorNumerico(mes)); }
    // The regime as a number ("09" is 9).
    int numeroRegimen() const { return int(campo_importado::valorNumerico(regimen)); }
    // Whether a field holds a control character.
    bool controlEnCodigos() const;
};
// Only the first character "C" and the last "*" make the form; the fields are whatever stands at
// their positions.
std::optional<CabeceraImportada> leerCabecera(const LineaImportada& linea);

struct RegistroRetencion {
    bool anulada = false;                // "A"
    QString jurisdiccion;                // 2-4
    QString inscripcion;                 // 5-11
    QString dia;                         // 12-13
    std::optional<Importe> bruto;        // 14-25
    std::optional<Importe> alicuota;     // 26-27 whole, 29-30 hundredths, no sign
    std::optional<Importe> retenido;     // 31-42
    QString nroX;                        // 43-55, blanks trimmed
    QString concepto;                    // 56-57

    QString nroContrib() const { return jurisdiccion + inscripcion; }
    // Whether a code or number field holds a control character (every field is one: the amounts
    // and the rate, read as numbers, hold none when they are read at all).
    bool controlEnCodigos() const;
};
// "R" or "A", more than 57 characters, "*" last.
std::optional<RegistroRetencion> leerRetencion(const LineaImportada& linea);

struct RegistroDetalle {
    QString anticipo;               // 2-9
    QString agente;                 // 10-15; in regime "15" the quantity transported
    QString guia;                   // 16-23: a guide, or a stamp (type letter and 7 digits)
    QString tipo;                   // 24-25
    QString cantidad;               // 26-28
    std::optional<Importe> unitario;  // 29-40, amount form
    QString porte;                  // 41-53, as read, control characters taken out
    QStringList limpiados;

    // Whether a code or number field (all but the waybill) holds a control character.
    bool controlEnCodigos() const;
};
// "D", exactly 54 characters, "*" last.
std::optional<RegistroDetalle> leerDetalle(const LineaImportada& linea);
