#include "shell/paneles_estado.h"

#include "database/entorno.h"

namespace {

struct DefPanel {
    const QString& clave;
    QString inicial;
    QString ayuda;
};

// In display order.
const DefPanel kPaneles[] = {
    {panel::Agente, QStringLiteral("Agente: (ninguno)"),
     QStringLiteral("Agente de la Declaración Jurada Activa")},
    {panel::Sucursal, QStringLiteral("Sucursal: (ninguna)"),
     QStringLiteral("Sucursal de la Declaración Jurada Activa")},
    {panel::Regimen, QStringLiteral("Régimen: (ninguno)"),
     QStringLiteral("Régimen de la Declaración Jurada Activa")},
    {panel::Mes, QStringLiteral("Mes: (ninguno)"), QStringLiteral("Mes")},
    {panel::Anio, QStringLiteral("Año: (ninguno)"),
     QStringLiteral("Año de la Declaración Jurada Activa")},
    {panel::Rectifica, QStringLiteral("R: 00"),
     QStringLiteral("Número de rectificativa (00: Original)")},
};

const DefPanel* definicion(const QString& clave)
{
    for (const DefPanel& def : kPaneles)
        if (def.clave == clave) return &def;
    return nullptr;
}

} // namespace

PanelesEstado::PanelesEstado(const Entorno& entorno, QObject* parent)
    : QObject(parent), entorno_(entorno)
{
    connect(&entorno_, &Entorno::cabeceraQuitada, this, [this] { cabeceraQuitada_ = true; });
    connect(&entorno_, &Entorno::restaurado, this, [this] { cabeceraQuitada_ = false; });
}

QString PanelesEstado::textoInicial(const QString& clave)
{
    const DefPanel* def = definicion(clave);
    return def ? def->inicial : QString();
}

QString PanelesEstado::ayudaPanel(const QString& clave)
{
    const DefPanel* def = definicion(clave);
    return def ? def->ayuda : QString();
}

QString PanelesEstado::texto(const QString& clave) const
{
    const auto& cabecera = entorno_.cabeceraActual();
    if (clave == panel::Agente) {
        if (const auto& agente = entorno_.agenteActual())
            return QStringLiteral("Agente: ") + formatoAgente(agente->nroAgente)
                + QStringLiteral(" - ") + agente->razonSocial;
    } else if (clave == panel::Sucursal) {
        if (const auto& sucursal = entorno_.sucursalActual())
            return QStringLiteral("Sucursal: ") + sucursal->sucursal + QStringLiteral(" - ")
                + sucursal->descripcion;
    } else if (clave == panel::Regimen) {
        if (const auto& regimen = entorno_.regimenActual())
            return QStringLiteral("Régimen: ") + regimen->codRegimen + QStringLiteral(" - ")
                + regimen->descripcion;
    } else if (clave == panel::Mes) {
        if (cabecera) return QStringLiteral("Mes: ") + cabecera->mes;
    } else if (clave == panel::Anio) {
        if (cabecera) return QStringLiteral("Año: ") + cabecera->anio;
        // A reset of the declaration captions the empty year "Anio" where a start or a reopening
        // captions it "Año": the panel shows whichever of the two came last.
        if (cabeceraQuitada_) return QStringLiteral("Anio: (ninguno)");
    } else if (clave == panel::Rectifica) {
        if (cabecera) return QStringLiteral("R: ") + cabecera->rectifica;
    }
    return textoInicial(clave);
}
