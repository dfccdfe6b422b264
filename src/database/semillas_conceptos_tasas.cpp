// The concepts of the livestock, grain and food regimes, and the interest rate in force since
// May 2004.

#include "database/base_datos.h"
#include "database/semillas.h"
#include "database/semillas_comun.h"

#include <vector>

namespace {

struct Concepto {
    QString codigo;
    QString descripcion;
};

// Each block is added only when its probed code is missing; a user's later changes stay.
struct Bloque {
    QString probado;
    std::vector<Concepto> conceptos;
};

const std::vector<Bloque>& bloques()
{
    static const std::vector<Bloque> b = {
        {QStringLiteral("97"),
         {{QStringLiteral("97"), QStringLiteral("Semovientes-Prod. Apícolas").toUpper()},
          {QStringLiteral("98"), QStringLiteral("Cereales-Prod. Frutihortícolas").toUpper()}}},
        {QStringLiteral("96"), {{QStringLiteral("96"), QStringLiteral("PRODUCTOS ALIMENTICIOS")}}},
    };
    return b;
}

} // namespace

void actualizarConceptos(BaseDatos& base, Dialogs& dialogs)
{
    semillas::ejecutar(base, dialogs, [&](QStringList&) {
        if (!semillas::existeTabla(base, QStringLiteral("Conceptos"))) return;
        for (const Bloque& bloque : bloques()) {
            if (base.existe(QStringLiteral("SELECT 1 FROM Conceptos WHERE Cod_Concepto = ?"),
                            {bloque.probado}))
                continue;
            for (const Concepto& c : bloque.conceptos)
                semillas::agregarSiFalta(base, QStringLiteral("Conceptos"),
                                         {QStringLiteral("Cod_Concepto"), QStringLiteral("Descripcion")},
                                         {c.codigo, c.descripcion}, 1);
        }
    });
}

void actualizarTasas(BaseDatos& base, Dialogs& dialogs)
{
    semillas::ejecutar(base, dialogs, [&](QStringList&) {
        if (!semillas::existeTabla(base, QStringLiteral("Tasas"))) return;
        // Added when missing; a rate the user set for that date is kept.
        semillas::agregarSiFalta(base, QStringLiteral("Tasas"),
                                 {QStringLiteral("FechaVig"), QStringLiteral("Tasa")},
                                 {QStringLiteral("2004-05-01"), semillas::decimal("1.8").aColumna()},
                                 1);
    });
}
