#include "entry/apertura_entrada.h"

#include "common/contexto.h"
#include "common/regimenes.h"
#include "database/entorno.h"
#include "entry/frmRetenciones.h"
#include "entry/frmRetencionesB.h"
#include "entry/impresion_comprobante.h"
#include "platform/dialogs.h"

#include <memory>

namespace {

// The form of each kind of the regime table. A new entry form is a class of its own over
// FormularioRetencion and its line here.
std::unique_ptr<FormularioRetencion> crearFormulario(FormaEntrada forma, Contexto& contexto,
                                                     ServiciosEntrada servicios, QWidget* ventana,
                                                     const CrearEntradaPolicial& entradaPolicial)
{
    switch (forma) {
    case FormaEntrada::General:
        return std::make_unique<frmRetenciones>(contexto, std::move(servicios), ventana);
    case FormaEntrada::Detalle:
        return std::make_unique<frmRetencionesB>(contexto, std::move(servicios), ventana);
    case FormaEntrada::Policial:
        if (!entradaPolicial) return nullptr;
        return entradaPolicial(contexto, std::move(servicios), ventana);
    }
    Q_UNREACHABLE();
    return nullptr;
}

} // namespace

AperturaEntrada abrirEntradaRetenciones(Contexto& contexto, QWidget* ventana,
                                        const ServiciosEntrada& servicios,
                                        const CrearEntradaPolicial& entradaPolicial)
{
    if (!contexto.entorno.cabeceraActual()) return AperturaEntrada::SinDeclaracion;
    // The receipts print through the program's printer unless the opener says otherwise.
    ServiciosEntrada conImpresion = servicios;
    if (!conImpresion.imprimirComprobante)
        conImpresion.imprimirComprobante = [&contexto](const QString& nombre,
                                                       const Retencion& fila) {
            imprimirComprobante(contexto, nombre, fila);
        };
    const auto formulario = crearFormulario(reglasRegimen(contexto.entorno.regimen()).entrada,
                                            contexto, std::move(conImpresion), ventana,
                                            entradaPolicial);
    if (!formulario) return AperturaEntrada::SinFormulario;
    contexto.dialogs.abrirModal(*formulario);
    return AperturaEntrada::Abierta;
}
