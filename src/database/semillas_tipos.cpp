// The goods types by which the detail rows of a receipt are valued.

#include "database/base_datos.h"
#include "database/semillas.h"
#include "database/semillas_comun.h"

namespace {

// Livestock of the guides; stamps "A" to "D" of the grain regimes; food transport.
constexpr int kGanado = 1;
constexpr int kEstampillas = 2;
constexpr int kAlimentos = 3;

struct Tipo {
    int clase;
    int tipo;
    const char* descripcion;
    const char* valor;
};

// In the order they are written.
constexpr Tipo kTipos[] = {
    {kGanado, 1, "NOVILLOS", "7"},
    {kGanado, 2, "NOVILLITOS", "5"},
    {kGanado, 3, "VACAS", "4"},
    {kGanado, 4, "VAQUILLONAS", "4"},
    {kGanado, 5, "TOROS", "6"},
    {kGanado, 6, "TERNEROS", "3.50"},
    {kGanado, 7, "CONSERVAS", "3"},
    {kGanado, 8, "EQUINOS", "3"},
    {kGanado, 9, "PORCINOS", "2"},
    {kGanado, 10, "OVINOS Y CAPRINOS", "0.50"},
    {kGanado, 11, "CIERVOS", "4"},
    {kGanado, 12, "LLAMAS", "3"},
    {kGanado, 13, "ÑANDU", "2"},
    {kGanado, 14, "LIEBRE", "0.25"},
    {kGanado, 15, "CUERO DE ZORRO", "0.80"},
    {kEstampillas, 1, "SOJA / GIRASOL / FORRAJERAS", "65"},
    {kEstampillas, 2, "TRIGO Y RESTO CEREALES INV.", "45"},
    {kEstampillas, 3, "MAIZ / SORGO", "25"},
    {kEstampillas, 4, "MANI", "400"},
    {kAlimentos, 1, "Bovino (media res)", "12"},
    {kAlimentos, 2, "Ovino y caprino (res)", "2"},
    {kAlimentos, 3, "Cerdo por Kg.", "0.20"},
    {kAlimentos, 4, "Aves y conejos por Kg.", "0.07"},
    {kAlimentos, 5, "Carne trozada por Kg.", "0.15"},
    {kAlimentos, 6, "Menudencias por Kg.", "0.10"},
    {kAlimentos, 7,
     "Chacinados, fiambres, embutidos, no embutidos, frescos, refrigerados, y/o congelados, etc., "
     "por Kg.",
     "0.35"},
    {kAlimentos, 8, "Grasa por Kg.", "0.15"},
    {kAlimentos, 9, "Huevos por docena", "0.04"},
    {kAlimentos, 10, "Productos de caza, cada uno", "0.20"},
    {kAlimentos, 11, "Pescados y mariscos por Kg.", "0.20"},
    {kAlimentos, 12, "Leche por cada Kg. o litro", "0.06"},
    {kAlimentos, 13, "Derivados de lácteos por cada Kg. o litro(queso, ricota)", "0.12"},
    {kAlimentos, 14, "Otros productos de origen animal o vegetal, por Kg.", "0.20"},
    {kAlimentos, 15, "Conservas por 100 latas", "0.10"},
    {kAlimentos, 16, "Productos Vegetales por Kg.", "0.10"},
    {kAlimentos, 17, "Harinas por Kg", "0.07"},
    {kAlimentos, 18,
     "Productos de panificación, pastas frescas y otros elaborados con harinas, por Kg.", "0.12"},
};

const QStringList& camposTipos()
{
    static const QStringList campos{QStringLiteral("Clase"), QStringLiteral("Tipo"),
                                    QStringLiteral("Descripcion"), QStringLiteral("Valor")};
    return campos;
}

QVariantList valores(const Tipo& t)
{
    return {t.clase, t.tipo, QString::fromUtf8(t.descripcion), semillas::decimal(t.valor).aColumna()};
}

bool agregar(BaseDatos& base, const Tipo& t)
{
    return semillas::agregarSiFalta(base, QStringLiteral("Tipos"), camposTipos(), valores(t), 2);
}

// Written over, or added again when the user deleted it.
void sobrescribir(BaseDatos& base, const Tipo& t)
{
    const int cambiadas = base.ejecutar(
        QStringLiteral("UPDATE Tipos SET Descripcion = ?, Valor = ? WHERE Clase = ? AND Tipo = ?"),
        {QString::fromUtf8(t.descripcion), semillas::decimal(t.valor).aColumna(), t.clase, t.tipo});
    if (cambiadas == 0) agregar(base, t);
}

} // namespace

void cargarTipos(BaseDatos& base, Dialogs& dialogs)
{
    semillas::ejecutar(base, dialogs, [&](QStringList& avisos) {
        if (!semillas::existeTabla(base, QStringLiteral("Tipos"))) return;

        // Livestock is the agency's list alone: whatever the user changed or added goes.
        base.ejecutar(QStringLiteral("DELETE FROM Tipos WHERE Clase = ?"), {kGanado});
        for (const Tipo& t : kTipos)
            if (t.clase == kGanado) agregar(base, t);

        // The four stamp values are fixed; stamp types the user added are left alone.
        for (const Tipo& t : kTipos)
            if (t.clase == kEstampillas) sobrescribir(base, t);

        // Food transport is the user's once it exists.
        if (base.existe(QStringLiteral("SELECT 1 FROM Tipos WHERE Clase = ?"), {kAlimentos})) return;
        for (const Tipo& t : kTipos)
            if (t.clase == kAlimentos) agregar(base, t);
        avisos << QStringLiteral("La base ha sido actualizada.\n\n"
                                 "Se agregaron los Tipos de Transporte de Productos Alimentacios");
    });
}
