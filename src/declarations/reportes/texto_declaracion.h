#pragma once
// The coded text the printed declaration receives in Impresos.Texto, read back: whether there were
// withholdings, the rectification mark, the counts of valid and annulled receipts, the
// observation and, in the stamp regimes, the agent's stamp balances.

#include <QString>
#include <array>
#include <optional>

struct TextoDeclaracion {
    bool hayMovimientos = false;
    bool rectificativa = false;
    qint64 validos = 0;
    qint64 anulados = 0;
    QString observacion;
    bool conSaldos = false;
    // Balances of the stamp types 1, 2, 3, 4 and 26 (letters A to D and Z); none when the
    // regime does not count that type.
    std::array<std::optional<qint64>, 5> saldos;
};

inline const QString kLetrasObleas = QStringLiteral("ABCDZ");

// Reads the text. The counts take 5 and 4 digits unless they outgrew them: the caller, which
// knows the declaration's rows, gives their actual widths.
TextoDeclaracion leerTextoDeclaracion(const QString& texto, bool conSaldos, int cifrasValidos = 5,
                                      int cifrasAnulados = 4);
