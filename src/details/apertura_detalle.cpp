#include "details/apertura_detalle.h"

#include "common/contexto.h"
#include "common/regimenes.h"
#include "database/entorno.h"
#include "details/frmAnticipos.h"
#include "details/frmGuias.h"
#include "platform/dialogs.h"

namespace {

template <typename Ventana>
ResultadoDetalle abrir(Contexto& contexto, QWidget* duenio, const ComprobanteDetalle& comprobante)
{
    Ventana ventana(contexto, comprobante, duenio);
    contexto.dialogs.abrirModal(ventana);
    return ventana.resultado();
}

} // namespace

ResultadoDetalle abrirDetalleComprobante(Contexto& contexto, QWidget* duenio,
                                         const ComprobanteDetalle& comprobante)
{
    switch (reglasRegimen(contexto.entorno.regimen()).detalle) {
    case ModoDetalle::Guias:
    case ModoDetalle::Obleas:
    case ModoDetalle::Alimentos:
        return abrir<frmGuias>(contexto, duenio, comprobante);
    case ModoDetalle::Anticipos:
    case ModoDetalle::AnticiposConOblea:
        return abrir<frmAnticipos>(contexto, duenio, comprobante);
    case ModoDetalle::Ninguno:
    case ModoDetalle::ObleaZ:
        break;
    }
    return {};
}
