#pragma once
// The boxes of the detail windows as the user leaves them, and what a detail row stores from them:
// guide and stamp numbers padded with zeros, the waybill (or remito) number in its two parts.

#include "database/importe.h"

#include <QString>
#include <optional>
#include <utility>

class BaseDatos;

// A stamp of an advance: always the letter and seven digits ("b12" gives "B0000012").
QString normalizarObleaAnticipo(const QString& texto);

// The two parts of a waybill number as the boxes keep them: "0" when blank, then four (first
// part) or eight (second part) digits with leading zeros.
QString normalizarPorte(const QString& texto, int ancho);
// Stored as the first part, a dash and the second: "0001-00012345".
QString unirPorte(const QString& primera, const QString& segunda);
// The parts of a stored waybill number, for the boxes: what stands before and after its dash.
std::pair<QString, QString> separarPorte(const QString& nroPorte);

// A goods type of a class (`Tipos`): its description and unit value.
struct TipoBien {
    QString descripcion;
    Importe valor;
};
std::optional<TipoBien> buscarTipoBien(BaseDatos& base, int clase, qint64 tipo);

// A unit value times a quantity, exact to ten-thousandths.
Importe valorPorCantidad(Importe valor, Importe cantidad);
