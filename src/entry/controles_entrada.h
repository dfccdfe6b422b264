#pragma once
// The checks the entry forms make as the user moves through a receipt's fields, apart from the
// widgets: each takes what the field holds and answers what the form must show or keep.

#include "database/importe.h"

#include <QChar>
#include <QString>
#include <QStringList>
#include <optional>

class QLocale;

// Day of the operation within the declaration's month: nothing when `dia` (two digits) is a day
// of month `mes` of year `anio`, otherwise the message to show.
std::optional<QString> comprobarDia(const QString& dia, const QString& mes, const QString& anio,
                                    const QStringList& nombresMeses);

// The gross amount as the user left it.
enum class EstadoBruto { Aceptado, NoEsNumero, NegativoNoAdmitido, SuperaMaximo };

struct ComprobacionBruto {
    EstadoBruto estado = EstadoBruto::Aceptado;
    Importe valor;   // when accepted
    QString texto;   // when accepted: the text the field keeps ("########0.00" or the given mask)
};

inline const Importe kMaximoBruto = Importe::desdeCentavos(99999999999);

ComprobacionBruto comprobarBruto(const QString& texto, bool admiteNegativos,
                                 const QLocale& locale,
                                 const QString& mascara = QStringLiteral("########0.00"));
// The message of a refused gross amount; empty for an accepted one.
QString mensajeBruto(EstadoBruto estado);

// Whether a key typed into the gross amount is kept: digits, one decimal separator and, where
// negative amounts can be typed, one "-".
bool aceptaTeclaBruto(QChar tecla, const QString& textoActual, QChar separadorDecimal,
                      bool admiteMenos);
// Whether a key typed into the external receipt number is kept: digits only.
bool aceptaTeclaNroX(QChar tecla);
// An external receipt number left empty stands for "none": "0".
QString completarNroX(const QString& texto);

// A stamp as typed, as the field keeps it: upper case, the number after the letter padded with
// zeros to seven digits when it is a number ("z15" gives "Z0000015").
QString normalizarOblea(const QString& texto);
