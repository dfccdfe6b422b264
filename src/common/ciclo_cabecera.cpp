#include "common/ciclo_cabecera.h"

#include "database/codigos.h"
#include "database/filas.h"

EstadoCabecera EstadoCabecera::deCodigo(const QString& codigo)
{
    switch (codigo.toInt()) {
    case 1: return Vacia;
    case 2: return Abierta;
    case 3: return Cerrada;
    case 4: return Anulada;
    default: return Otro;
    }
}

EstadoCabecera EstadoCabecera::de(const Cabecera& cabecera)
{
    return deCodigo(cabecera.estado);
}

EstadoCabecera EstadoCabecera::inicial(const QString& origen)
{
    return origen == origen_cabecera::Importada ? Abierta : Vacia;
}

QString EstadoCabecera::codigo() const
{
    switch (valor_) {
    case Vacia: return estado_cabecera::Vacia;
    case Abierta: return estado_cabecera::Abierta;
    case Cerrada: return estado_cabecera::Cerrada;
    case Anulada: return estado_cabecera::Anulada;
    case Otro: break;
    }
    return {};
}

QString EstadoCabecera::nombre() const
{
    switch (valor_) {
    case Vacia: return QStringLiteral("Vacía");
    case Abierta: return QStringLiteral("Abierta");
    case Cerrada: return QStringLiteral("Cerrada");
    case Anulada: return QStringLiteral("Anulada");
    case Otro: break;
    }
    return {};
}

bool EstadoCabecera::admite(AccionCabecera accion) const
{
    const bool sinCerrar = valor_ == Vacia || valor_ == Abierta;
    switch (accion) {
    // Only an empty declaration is changed or deleted on the form.
    case AccionCabecera::Modificar:
    case AccionCabecera::Borrar: return valor_ == Vacia;
    // An imported one is undone, and receipts are entered, only while it is not closed.
    case AccionCabecera::Activar:
    case AccionCabecera::Deshacer: return sinCerrar;
    // The first receipt is saved into the active declaration, which is never a closed one; one
    // kept active from before it was closed is opened again, so that it is emitted anew.
    case AccionCabecera::PrimerComprobante: return true;
    // An empty month was never imported into, a closed one has to be rectified first.
    case AccionCabecera::Importar: return valor_ == Abierta;
    // A closed declaration is closed again: it is emitted again, its slip printed again.
    case AccionCabecera::Cerrar: return true;
    case AccionCabecera::Rectificar: return valor_ == Cerrada;
    }
    return false;
}

std::optional<EstadoCabecera> EstadoCabecera::tras(AccionCabecera accion) const
{
    if (!admite(accion)) return std::nullopt;
    switch (accion) {
    case AccionCabecera::Modificar:
    case AccionCabecera::Activar: return *this;
    case AccionCabecera::Borrar:
    case AccionCabecera::Deshacer: return std::nullopt;
    case AccionCabecera::PrimerComprobante:
    case AccionCabecera::Importar:
    case AccionCabecera::Rectificar: return Abierta;
    case AccionCabecera::Cerrar: return Cerrada;
    }
    return std::nullopt;
}

EstadoCabecera::Filtro EstadoCabecera::filtro(AccionCabecera accion)
{
    const QString igual = QStringLiteral("Estado = ?");
    switch (accion) {
    case AccionCabecera::Modificar:
    case AccionCabecera::Borrar: return {igual, {estado_cabecera::Vacia}};
    // The codes up to the open one: the declarations not closed.
    case AccionCabecera::Activar:
    case AccionCabecera::Deshacer:
        return {QStringLiteral("Estado <= ?"), {estado_cabecera::Abierta}};
    case AccionCabecera::Importar: return {igual, {estado_cabecera::Abierta}};
    case AccionCabecera::Rectificar: return {igual, {estado_cabecera::Cerrada}};
    case AccionCabecera::PrimerComprobante:
    case AccionCabecera::Cerrar: break;
    }
    return {};
}
