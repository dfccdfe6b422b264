#include "shell/estado_menus.h"

#include "database/entorno.h"
#include "shell/menu_principal.h"

namespace {

// The regime codes are compared as two-character texts: "greater" is later in text order.
bool visiblePorRegimen(const QString& item, const QString& c)
{
    auto es = [&](std::initializer_list<const char*> codigos) {
        for (const char* codigo : codigos)
            if (c == QLatin1String(codigo)) return true;
        return false;
    };
    if (item == QLatin1String("mnuGanado")) return es({"09", "11", "16"});
    if (item == QLatin1String("MnuRemesas")) return c == QLatin1String("10") || c > QLatin1String("11");
    if (item == QLatin1String("mnuCereales")) return es({"10", "12", "13"});
    if (item == QLatin1String("mnuAlimentos")) return c == QLatin1String("15");
    return c == QLatin1String("13");  // the police items
}

bool dependeDelRegimen(const QString& item)
{
    static const QString items[] = {
        QStringLiteral("mnuGanado"),   QStringLiteral("MnuRemesas"),
        QStringLiteral("mnuCereales"), QStringLiteral("MnuPolicia"),
        QStringLiteral("mnuAlimentos"), QStringLiteral("MnuTurnos"),
        QStringLiteral("mnuAdministracionIntervenciones"),
        QStringLiteral("mnuDetalleIntervenciones"),
    };
    for (const QString& i : items)
        if (i == item) return true;
    return false;
}

} // namespace

EstadoMenus estadoMenus(const EntornoMenus& entorno)
{
    EstadoMenus estado;
    for (const DefMenu& menu : arbolMenus()) {
        estado[menu.nombre] = {};
        for (const DefItemMenu& item : menu.items) estado[item.nombre] = {};
    }

    estado[QStringLiteral("mnuSucursales")].habilitado = entorno.agente;
    estado[QStringLiteral("mnuCabeceras")].habilitado = entorno.sucursal && entorno.regimen.has_value();
    for (const char* item : {"mnuRetenciones", "mnuAdministracionIntervenciones",
                             "mnuDetalleIntervenciones"})
        estado[QString::fromLatin1(item)].habilitado = entorno.cabecera;

    for (auto& [nombre, item] : estado)
        if (dependeDelRegimen(nombre))
            item.visible = entorno.regimen && visiblePorRegimen(nombre, *entorno.regimen);
    return estado;
}

EntornoMenus entornoMenus(const Entorno& entorno)
{
    EntornoMenus e;
    e.agente = entorno.Agente_Actual.has_value();
    e.sucursal = entorno.Sucursal_Actual.has_value();
    if (entorno.Regimen_Actual) e.regimen = entorno.regimen();
    e.cabecera = entorno.Cabecera_Actual.has_value();
    return e;
}
