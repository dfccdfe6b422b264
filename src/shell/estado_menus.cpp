#include "shell/estado_menus.h"

#include "common/regimenes.h"
#include "database/entorno.h"
#include "shell/menu_principal.h"

namespace {

// The goods-types items show the class the regime works with; the police items, the police
// regime's.
bool visiblePorRegimen(const QString& item, const ReglasRegimen& r)
{
    if (const int clase = claseTipos(item)) return r.claseTipos == clase;
    if (item == QLatin1String("MnuRemesas")) return r.menuRemesas;
    return r.policial();
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
            item.visible = entorno.regimen && visiblePorRegimen(nombre, reglasRegimen(*entorno.regimen));
    return estado;
}

EntornoMenus entornoMenus(const Entorno& entorno)
{
    EntornoMenus e;
    e.agente = entorno.agenteActual().has_value();
    e.sucursal = entorno.sucursalActual().has_value();
    if (entorno.regimenActual()) e.regimen = entorno.regimen();
    e.cabecera = entorno.cabeceraActual().has_value();
    return e;
}
