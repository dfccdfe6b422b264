// The life of a declaration as a table of transitions: what each action does from each state, and
// the lists of the declarations form holding exactly the declarations their action admits.

#include "common/ciclo_cabecera.h"

#include "database/base_datos.h"
#include "support/carpeta_temporal.h"
#include "support/filas_prueba.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using A = AccionCabecera;

const std::array<EstadoCabecera, 5> kEstados = {EstadoCabecera::Vacia, EstadoCabecera::Abierta,
                                                EstadoCabecera::Cerrada, EstadoCabecera::Anulada,
                                                EstadoCabecera::Otro};

// For each action, what it leaves from Vacía, Abierta, Cerrada, Anulada and a code that names no
// state: the code of the state it leaves, "-" refused, "x" the declaration deleted.
struct Transiciones {
    AccionCabecera accion;
    const char* nombre;
    std::array<const char*, 5> tras;
};
const Transiciones kTabla[] = {
    {A::Modificar, "Modificar", {"1", "-", "-", "-", "-"}},
    {A::Borrar, "Borrar", {"x", "-", "-", "-", "-"}},
    {A::Activar, "Activar", {"1", "2", "-", "-", "-"}},
    {A::PrimerComprobante, "PrimerComprobante", {"2", "2", "2", "2", "2"}},
    {A::Importar, "Importar", {"-", "2", "-", "-", "-"}},
    {A::Cerrar, "Cerrar", {"3", "3", "3", "3", "3"}},
    {A::Rectificar, "Rectificar", {"-", "-", "2", "-", "-"}},
    {A::Deshacer, "Deshacer", {"x", "x", "-", "-", "-"}},
};

TEST(EstadoCabecera, tablaDeTransiciones)
{
    for (const Transiciones& t : kTabla) {
        for (size_t i = 0; i < kEstados.size(); ++i) {
            const EstadoCabecera desde = kEstados[i];
            const QString esperado = QString::fromLatin1(t.tras[i]);
            const auto hacia = desde.tras(t.accion);
            EXPECT_EQ(desde.admite(t.accion), esperado != QLatin1String("-"))
                << t.nombre << " desde " << i;
            EXPECT_EQ(hacia ? hacia->codigo() : QString(),
                      esperado == QLatin1String("-") || esperado == QLatin1String("x") ? QString()
                                                                                       : esperado)
                << t.nombre << " desde " << i;
        }
    }
}

// Each stored code, the state it names and what that state is called; a receipt's valid "5" names
// none and shows nothing.
TEST(EstadoCabecera, losCodigosGuardados)
{
    using E = EstadoCabecera;
    struct Caso {
        const char* codigo;
        E::Valor valor;
        const char* nombre;
    };
    const Caso casos[] = {
        {"1", E::Vacia, "Vacía"}, {"2", E::Abierta, "Abierta"}, {"3", E::Cerrada, "Cerrada"},
        {"4", E::Anulada, "Anulada"}, {"5", E::Otro, ""}, {"0", E::Otro, ""}, {"", E::Otro, ""},
        {"A", E::Otro, ""}};
    for (const auto& [codigo, valor, nombre] : casos) {
        const E estado = E::deCodigo(QString::fromLatin1(codigo));
        EXPECT_EQ(estado.valor(), valor) << codigo;
        EXPECT_EQ(estado.codigo(), valor == E::Otro ? QString() : QString::fromLatin1(codigo));
        EXPECT_EQ(estado.cerrada(), valor == E::Cerrada) << codigo;
        EXPECT_EQ(estado.nombre(), QString::fromUtf8(nombre)) << codigo;
    }
    // A declaration made on the form starts empty, one made by the import open.
    EXPECT_EQ(EstadoCabecera::inicial(QStringLiteral("M")).codigo(), QLatin1String("1"));
    EXPECT_EQ(EstadoCabecera::inicial(QStringLiteral("I")).codigo(), QLatin1String("2"));
}

TEST(EstadoCabecera, cadaFiltroListaLoQueSuAccionAdmite)
{
    CarpetaTemporal carpeta;
    carpeta.crearBaseInstalada();
    BaseDatos base;
    base.abrir(carpeta.base());
    for (const char* estado : {"1", "2", "3", "4"})
        prueba::cabecera(base, {.agente = QStringLiteral("000123"),
                                .sucursal = QStringLiteral("0001"),
                                .regimen = QStringLiteral("01"),
                                .anio = QStringLiteral("2004"),
                                .mes = QStringLiteral("0") + QLatin1String(estado),
                                .rectifica = QStringLiteral("00"),
                                .estado = QString::fromLatin1(estado),
                                .marcaObs = QStringLiteral("N"),
                                .origen = QStringLiteral("M"),
                                .descartados = 0});

    for (const Transiciones& t : kTabla) {
        const EstadoCabecera::Filtro filtro = EstadoCabecera::filtro(t.accion);
        QString sql = QStringLiteral("SELECT Estado FROM Cabeceras");
        if (!filtro.condicion.isEmpty()) sql += QStringLiteral(" WHERE ") + filtro.condicion;
        QStringList listadas;
        sql += QStringLiteral(" ORDER BY Estado");
        for (const QSqlRecord& r : base.filas(sql, filtro.valores))
            listadas << r.value(0).toString();
        QStringList admitidas;
        for (const EstadoCabecera& e : kEstados)
            if (e.valor() != EstadoCabecera::Otro && e.admite(t.accion)) admitidas << e.codigo();
        EXPECT_EQ(listadas, admitidas) << t.nombre;
    }
}

} // namespace
