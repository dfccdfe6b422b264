// The menu states as a function of the environment.

#include "shell/estado_menus.h"
#include "shell/menu_principal.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

const QStringList kPorEntorno = {"mnuSucursales", "mnuCabeceras", "mnuRetenciones",
                                 "mnuAdministracionIntervenciones", "mnuDetalleIntervenciones"};
const QStringList kPorRegimen = {"mnuGanado",  "MnuRemesas", "mnuCereales",
                                 "MnuPolicia", "mnuAlimentos", "MnuTurnos",
                                 "mnuAdministracionIntervenciones", "mnuDetalleIntervenciones"};

// One character per item of the list: 'x' when the property holds.
QString marcas(const EstadoMenus& estado, const QStringList& items, bool EstadoItem::*propiedad)
{
    QString m;
    for (const QString& item : items) m += (estado.at(item).*propiedad) ? QLatin1Char('x') : QLatin1Char('.');
    return m;
}

void todoLoDemasVisibleYHabilitado(const EstadoMenus& estado, const char* caso)
{
    for (const auto& [nombre, item] : estado) {
        if (!kPorEntorno.contains(nombre)) {
            EXPECT_TRUE(item.habilitado) << caso << ' ' << nombre.toStdString();
        }
        if (!kPorRegimen.contains(nombre)) {
            EXPECT_TRUE(item.visible) << caso << ' ' << nombre.toStdString();
        }
    }
}

TEST(EstadoMenus, HabilitadosSegunElEntorno)
{
    struct Caso {
        const char* nombre;
        EntornoMenus entorno;
        const char* habilitados;  // kPorEntorno
        const char* visibles;     // kPorRegimen
    };
    const Caso casos[] = {
        {"nada activo", {}, ".....", "........"},
        {"solo agente", {true, false, std::nullopt, false}, "x....", "........"},
        {"agente y sucursal", {true, true, std::nullopt, false}, "x....", "........"},
        {"agente sin sucursal, régimen 13", {true, false, QStringLiteral("13"), false}, "x....",
         ".xxx.xxx"},
        {"agente, sucursal y régimen", {true, true, QStringLiteral("01"), false}, "xx...", "........"},
        {"con declaración", {true, true, QStringLiteral("05"), true}, "xxxxx", "........"},
        {"con declaración, régimen 13", {true, true, QStringLiteral("13"), true}, "xxxxx", ".xxx.xxx"},
    };
    for (const Caso& c : casos) {
        const EstadoMenus estado = estadoMenus(c.entorno);
        EXPECT_EQ(marcas(estado, kPorEntorno, &EstadoItem::habilitado), QString::fromLatin1(c.habilitados))
            << c.nombre;
        EXPECT_EQ(marcas(estado, kPorRegimen, &EstadoItem::visible), QString::fromLatin1(c.visibles))
            << c.nombre;
        todoLoDemasVisibleYHabilitado(estado, c.nombre);
    }
}

TEST(EstadoMenus, VisiblesSegunElRegimenComparadoComoTexto)
{
    // kPorRegimen: Ganado, Remesas, Cereales, Policía, Alimentos, Turnos, the two intervention items.
    const std::pair<const char*, const char*> casos[] = {
        {"01", "........"}, {"02", "........"}, {"03", "........"}, {"04", "........"},
        {"05", "........"}, {"06", "........"}, {"07", "........"}, {"08", "........"},
        {"09", "x......."}, {"10", ".xx....."}, {"11", "x......."}, {"12", ".xx....."},
        {"13", ".xxx.xxx"}, {"14", ".x......"}, {"15", ".x..x..."}, {"16", "xx......"},
        // Later in text order than "11", though not a number: still "greater".
        {"2", ".x......"},
    };
    for (const auto& [codigo, visibles] : casos) {
        EntornoMenus entorno{true, true, QString::fromLatin1(codigo), true};
        const EstadoMenus estado = estadoMenus(entorno);
        EXPECT_EQ(marcas(estado, kPorRegimen, &EstadoItem::visible), QString::fromLatin1(visibles))
            << "régimen " << codigo;
        todoLoDemasVisibleYHabilitado(estado, codigo);
    }
}

TEST(EstadoMenus, ElArbolTieneCadaItemUnaVez)
{
    QStringList nombres;
    int items = 0;
    for (const DefMenu& menu : arbolMenus()) {
        nombres << menu.nombre;
        for (const DefItemMenu& item : menu.items) {
            nombres << item.nombre;
            ++items;
        }
    }
    EXPECT_EQ(nombres.removeDuplicates(), 0);
    EXPECT_EQ(items, 34);
    EXPECT_EQ(estadoMenus({}).size(), static_cast<size_t>(nombres.size()));
}

} // namespace
