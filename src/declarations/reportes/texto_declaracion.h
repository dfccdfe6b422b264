#pragma once
// The coded text the printed declaration receives in Impresos.Texto, read back: whether there were
// withholdings, the rectification mark, the counts of valid and annulled receipts, the
// observation and, in the stamp regimes, the agent's stamp balances.

#include <QString>
#include <array>
#include <optional>

// Balances of the stamp types 1, 2, 3, 4 and 26 (letters A to D and Z); none when the regime
// does not count that type.
using SaldosObleas = std::array<std::optional<qint64>, 5>;

struct TextoDeclaracion {
    bool hayMovimientos = false;
    bool rectificativa = false;
    qint64 validos = 0;
    qint64 anulados = 0;
    QString observacion;
    bool conSaldos = false;
    SaldosObleas saldos;
};

inline const QString kLetrasObleas = QStringLiteral("ABCDZ");

// The digits a count or balance takes in the text: at least `minimo`, more when it outgrew them
// (a negative balance's "-" comes besides).
int cifrasTexto(qint64 valor, int minimo);

// Reads the text. The counts take 5 and 4 digits and each balance 5 unless they outgrew them: the
// caller, which knows the declaration's rows and the balances it was written with, gives their
// actual widths.
TextoDeclaracion leerTextoDeclaracion(const QString& texto, bool conSaldos, int cifrasValidos = 5,
                                      int cifrasAnulados = 4,
                                      const std::array<int, 5>& cifrasSaldos = {5, 5, 5, 5, 5});
