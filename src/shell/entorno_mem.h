#pragma once
// Entorno.mem: the working environment kept between runs, one "key = value" line each, CR LF.
// With a declaration active it holds only its number; otherwise the agent, branch and regime that
// are active, in that order.

#include <QString>
#include <optional>

struct ContenidoEntornoMem {
    bool cabeceraEncontrada = false;
    qint64 cabecera = 0;
    QString agente = QStringLiteral("@");
    QString sucursal = QStringLiteral("@");
    QString regimen = QStringLiteral("@");
};

// Reads the file's text (as it stands on disk); unknown keys and lines without "=" are ignored.
ContenidoEntornoMem leerEntornoMem(const QByteArray& contenido);

// The file's text for what is active; an empty optional is a value not active.
QByteArray escribirEntornoMem(std::optional<qint64> cabecera, const std::optional<QString>& agente,
                              const std::optional<QString>& sucursal,
                              const std::optional<QString>& regimen);

// The numeric reading of the declaration line: blanks skipped anywhere, the number read up to the
// first character that cannot continue it, 0 when there is none; rounded to a whole number.
qint64 valorNumerico(const QString& texto);
// A key written with leading zeros up to `ancho` when it reads as a number; otherwise unchanged.
QString conCeros(const QString& texto, int ancho);
