// The regimes added after the supplied database, block by block as the agency introduced them.

#include "database/base_datos.h"
#include "database/semillas.h"
#include "database/semillas_comun.h"

#include <vector>

namespace {

struct Regimen {
    const char* codigo;
    const char* descripcion;
    const char* resolucion;
};

// A block is added when its probed regime is missing and then announced. The message spells some
// descriptions otherwise than they are stored: it is the announcement's own text, kept apart from
// the rows.
struct Bloque {
    const char* probado;
    std::vector<Regimen> regimenes;
    const char* encabezado;
    const char* lineas;
};

const char* const kCompaniasDeSeguros = "Compañías de Seguros";

const std::vector<Bloque>& bloques()
{
    static const std::vector<Bloque> b = {
        {"07",
         {{"07", kCompaniasDeSeguros, "RG42/00"}, {"08", "Emp. Comerc. y Prest. de Serv.", "RG42/00"}},
         "Se agregaron los siguientes Regímenes:",
         "07 - Compañías de Seguros\n08 - Emp. Comerc. y Prest. de Serv."},
        {"09",
         {{"09", "Municip. Semovientes-Apícolas", "RG43/02"}},
         "Se agregaron los siguientes Regímenes:",
         "09 Municip. Semovientes-Apícolas\n"},
        {"12",
         {{"11", "Semovientes-Prod. Apícolas", "RG43/02"},
          {"12", "Cereales-Prod. Frutihortícolas", "RG43/02"}},
         "Se agregaron los siguientes Regímenes:",
         "11 Semovientes - Prod. Apícolas\n12 Cereales - Prod. Frutihortícolas"},
        {"13",
         {{"13", "Policía-Cereales-Frutihortíc.", "RG37/03"}},
         "Se agregó el siguiente Régimen:",
         "13 Policía-Cereales-Frutihortíc."},
        {"10",
         {{"10", "Municip. Cereales-Frutihort.", "RG43/02"}},
         "Se agregaron los siguientes Regímenes:",
         "10 Municip. Cereales-Frutihort.\n"},
        {"14",
         {{"14", "Percepciones Frigoríficos", "RG26/06"}},
         "Se agregó el Regímen:",
         "14 Percepciones Frigoríficos\n"},
        {"15",
         {{"15", "Municip.Productos Alimenticios", "RG26/06"}},
         "Se agregó el Regímen:",
         "15 Municip. Productos Alimenticios\n"},
        {"16",
         {{"16", "Percepciones - Remates Ferias", "RG31/07"}},
         "Se agregó el Regímen:",
         "16 Percepciones - Remates Ferias\n"},
    };
    return b;
}

bool existe(BaseDatos& base, const char* codigo)
{
    return base.existe(QStringLiteral("SELECT 1 FROM Regimenes WHERE Cod_Regimen = ?"),
                       {QString::fromLatin1(codigo)});
}

} // namespace

void actualizarRegimenes(BaseDatos& base, Dialogs& dialogs)
{
    semillas::ejecutar(base, dialogs, [&](QStringList& avisos) {
        if (!semillas::existeTabla(base, QStringLiteral("Regimenes"))) return;

        for (const Bloque& bloque : bloques()) {
            if (existe(base, bloque.probado)) continue;
            for (const Regimen& r : bloque.regimenes)
                semillas::agregarSiFalta(
                    base, QStringLiteral("Regimenes"),
                    {QStringLiteral("Cod_Regimen"), QStringLiteral("Descripcion"),
                     QStringLiteral("Resolucion")},
                    {QString::fromUtf8(r.codigo), QString::fromUtf8(r.descripcion),
                     QString::fromUtf8(r.resolucion)},
                    1);
            avisos << QStringLiteral("La base ha sido actualizada.\n\n")
                    + QString::fromUtf8(bloque.encabezado) + QStringLiteral("\n\n")
                    + QString::fromUtf8(bloque.lineas);
        }

        // The insurers' regime is described by its current name; a file holding another one is
        // brought up to date (blanks around the name do not count, and a row without a name is
        // left alone).
        base.ejecutar(QStringLiteral("UPDATE Regimenes SET Descripcion = ? WHERE Cod_Regimen = ? "
                                     "AND trim(Descripcion, ' ') <> ? COLLATE BINARY"),
                      {QString::fromUtf8(kCompaniasDeSeguros), QStringLiteral("07"),
                       QString::fromUtf8(kCompaniasDeSeguros)});
    });
}
