#include "shell/menu_principal.h"

#include <QStringList>

namespace {

DefItemMenu item(const char* nombre, const char* titulo)
{
    return {QString::fromLatin1(nombre), QString::fromUtf8(titulo)};
}

std::vector<DefMenu> construir()
{
    return {
        {QStringLiteral("mnuArchivo"), QStringLiteral("&Archivo"),
         {item("mnuLeame", "&Leame.doc..."), item("mnuSalir", "&Salir")}},
        {QStringLiteral("mnuAdministracion"), QStringLiteral("Ad&ministración"),
         {item("mnuConceptos", "C&onceptos..."), item("mnuContribuyentes", "S&ujetos ret./perc. ..."),
          item("mnuAgentes", "&Agentes..."), item("mnuSucursales", "&Sucursales..."),
          item("mnuRegimenes", "&Regímenes..."), item("mnuAlicuotas", "A&lícuotas..."),
          item("mnuVencimientos", "&Vencimientos..."), item("mnuTasas", "&Tasas..."),
          item("mnuGanado", "&Ganado"), item("MnuRemesas", "R&emesas"),
          item("mnuCereales", "&Cereales"), item("MnuPolicia", "Agentes de Policía Caminera"),
          item("mnuAlimentos", "Alimentos")}},
        {QStringLiteral("mnuCabeceras"), QStringLiteral("&Procesos"),
         {item("mnuRetenciones", "&Grabar Ret./Perc. ..."), item("mnuSeparador1", "-"),
          item("mnuCabecerasActivar", "&Activar Declaración Jurada..."),
          item("mnuCabecerasABM", "Altas/Bajas/&Modificaciones de DDJJ..."),
          item("mnuCabecerasRect", "&Rectificar Declaración Cerrada..."),
          item("mnuSeparador2", "-"), item("MnuTurnos", "Administración de Turnos Policía"),
          item("mnuAdministracionIntervenciones", "Administración de Intervenciones"),
          item("mnuCabecerasEmitir", "&Emitir y generar Archivo...")}},
        {QStringLiteral("mnuInformes"), QStringLiteral("&Informes"),
         {item("mnuRetxCab", "&Ver Ret./Perc. por Declaración..."),
          item("mnuDetalleIntervenciones", "Detalle de Intervenciones")}},
        {QStringLiteral("mnuServicios"), QStringLiteral("&Servicios"),
         {item("mnuCompactDB", "&Compactar base de datos"), item("mnuSeparador3", "-"),
          item("mnuImportarSuj", "Importar &Sujetos..."),
          item("mnuEliminarSuj", "&Eliminar todos los sujetos no utilizados..."),
          item("mnuImportarRet", "Importar &DDJJ..."),
          item("mnuDeshacerCabImp", "Des&hacer DDJJ importadas..."), item("mnuSeparador4", "-"),
          item("MnuActualizaciones", "Actualizaciones al Sistema Tarquel")}},
    };
}

} // namespace

const std::vector<DefMenu>& arbolMenus()
{
    static const std::vector<DefMenu> arbol = construir();
    return arbol;
}

bool esComandoPropio(const QString& item)
{
    static const QStringList propios = {
        QStringLiteral("mnuLeame"),       QStringLiteral("mnuSalir"),
        QStringLiteral("mnuCompactDB"),   QStringLiteral("mnuEliminarSuj"),
        QStringLiteral("MnuActualizaciones"),
    };
    return propios.contains(item);
}

std::optional<ModoCabeceras> modoCabeceras(const QString& item)
{
    if (item == QLatin1String("mnuCabecerasABM")) return ModoCabeceras::Mantenimiento;
    if (item == QLatin1String("mnuCabecerasActivar")) return ModoCabeceras::Activacion;
    if (item == QLatin1String("mnuCabecerasRect")) return ModoCabeceras::Rectificacion;
    if (item == QLatin1String("mnuCabecerasEmitir")) return ModoCabeceras::Emision;
    if (item == QLatin1String("mnuDeshacerCabImp")) return ModoCabeceras::Deshacer;
    return std::nullopt;
}

int claseTipos(const QString& item)
{
    if (item == QLatin1String("mnuGanado")) return 1;
    if (item == QLatin1String("mnuCereales")) return 2;
    if (item == QLatin1String("mnuAlimentos")) return 3;
    return 0;
}
