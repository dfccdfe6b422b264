#pragma once
// The three copies of a payment slip, "AGENTE", "BANCO" and "ORVALEN", as the rows of Impresos the
// slip's report prints, and the barcode picture the "ORVALEN" copy carries. The picture is always
// drawn for this slip: a slip whose barcode cannot be made is printed without one, and the user is
// told so.

#include <QByteArray>
#include <QString>
#include <QStringList>

class BaseDatos;
class Dialogs;
struct Boleta;

inline const QStringList kCopiasBoleta = {QStringLiteral("AGENTE"), QStringLiteral("BANCO"),
                                          QStringLiteral("ORVALEN")};
inline const QString kArchivoCodigoBarras = QStringLiteral("codbar.bmp");

// Draws the slip's barcode into codbar.bmp of `carpeta` and returns the picture. Empty, after a
// message, when an amount does not fit the barcode or the picture cannot be drawn.
QByteArray codigoBarrasBoleta(Dialogs& dialogs, const QString& carpeta, const Boleta& boleta);

// Empties Impresos and writes the three copies, in one transaction; `codBar` goes into the
// "ORVALEN" row only (none when empty).
void escribirCopiasBoleta(BaseDatos& base, const Boleta& boleta, const QByteArray& codBar);

// The barcode, then the copies: everything the slip's report needs.
void prepararCopiasBoleta(BaseDatos& base, Dialogs& dialogs, const QString& carpeta,
                          const Boleta& boleta);
