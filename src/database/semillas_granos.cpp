// The grains the police checkpoints record and the value of one police intervention.

#include "database/base_datos.h"
#include "database/semillas.h"
#include "database/semillas_comun.h"

namespace {

struct Grano {
    int codigo;
    const char* nombre;
};

constexpr Grano kGranos[] = {
    {1, "Afrechillo de trigo"}, {2, "Agropiro"},          {3, "Alfalfa"},
    {4, "Alpiste"},             {5, "Avena"},             {6, "Cebada"},
    {7, "Cebadilla"},           {8, "Centeno"},           {9, "Colza"},
    {10, "Expeler de girasol"}, {11, "Expeler de soja"},  {12, "Festuca"},
    {13, "Girasol"},            {14, "Maiz"},             {15, "Maní"},
    {16, "Mijo"},               {17, "Moha"},             {18, "Pasto llorón"},
    {19, "Pasto ovillo"},       {20, "Salvado de trigo"}, {21, "Soja"},
    {22, "Sorgo Forrajero"},    {23, "Sorgo Granífero"},  {24, "Trigo"},
    {25, "Trigopiro"},          {26, "Triticale"},        {27, "Vicia"},
    {99, "Otros"},
};

// Both lists are the user's once they hold anything: a seed only fills an empty one.
bool vacia(BaseDatos& base, const QString& tabla)
{
    return !base.existe(QStringLiteral("SELECT 1 FROM \"%1\" LIMIT 1").arg(tabla));
}

} // namespace

void actualizarGranosYParametros(BaseDatos& base, Dialogs& dialogs)
{
    semillas::ejecutar(base, dialogs, [&](QStringList& avisos) {
        if (semillas::existeTabla(base, QStringLiteral("Granos"))
            && vacia(base, QStringLiteral("Granos"))) {
            for (const Grano& g : kGranos)
                semillas::agregarSiFalta(base, QStringLiteral("Granos"),
                                         {QStringLiteral("Grano"), QStringLiteral("Nombre")},
                                         {g.codigo, QString::fromUtf8(g.nombre)}, 1);
            avisos << QStringLiteral("La base ha sido actualizada\n\nSe agregaron los tipos de Granos");
        }

        if (semillas::existeTabla(base, QStringLiteral("Parametros"))
            && vacia(base, QStringLiteral("Parametros"))) {
            semillas::agregarSiFalta(
                base, QStringLiteral("Parametros"),
                {QStringLiteral("TipoParametro"), QStringLiteral("NroParametro"),
                 QStringLiteral("Detalle"), QStringLiteral("Importe"), QStringLiteral("VigenciaD"),
                 QStringLiteral("VigenciaH")},
                {QStringLiteral("I"), 1, QStringLiteral("Valor Intervención Policial"),
                 Importe::desdeEntero(2).aColumna(), QStringLiteral("2007-01-01"),
                 QStringLiteral("2050-12-31")},
                2);
        }
    });
}
