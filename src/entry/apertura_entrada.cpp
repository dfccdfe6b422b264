#include "entry/apertura_entrada.h"

#include "common/contexto.h"
#include "database/entorno.h"
#include "entry/frmRetenciones.h"
#include "entry/impresion_comprobante.h"
#include "platform/dialogs.h"

FormularioEntrada formularioParaRegimen(const QString& codRegimen)
{
    const QString& c = codRegimen;
    if ((c >= QLatin1String("09") && c <= QLatin1String("12")) || c == QLatin1String("15")
        || c == QLatin1String("16"))
        return FormularioEntrada::Retenciones_B;
    if (c == QLatin1String("13")) return FormularioEntrada::Retenciones_C;
    return FormularioEntrada::Retenciones;
}

QString nombreFormulario(FormularioEntrada formulario)
{
    switch (formulario) {
    case FormularioEntrada::Retenciones: break;
    case FormularioEntrada::Retenciones_B: return QStringLiteral("frmRetenciones_B");
    case FormularioEntrada::Retenciones_C: return QStringLiteral("frmRetenciones_C");
    }
    return QStringLiteral("frmRetenciones");
}

AperturaEntrada abrirEntradaRetenciones(Contexto& contexto, QWidget* ventana,
                                        const ServiciosEntrada& servicios)
{
    if (!contexto.entorno.Cabecera_Actual) return AperturaEntrada::SinDeclaracion;
    if (formularioParaRegimen(contexto.entorno.regimen()) != FormularioEntrada::Retenciones)
        return AperturaEntrada::NoDisponible;
    // The receipts print through the program's report engine unless the opener says otherwise.
    ServiciosEntrada conImpresion = servicios;
    if (!conImpresion.imprimirComprobante)
        conImpresion.imprimirComprobante = [&contexto](const QString& nombre,
                                                       const QSqlRecord& fila) {
            imprimirComprobante(contexto, nombre, fila);
        };
    frmRetenciones formulario(contexto, std::move(conImpresion), ventana);
    contexto.dialogs.abrirModal(formulario);
    return AperturaEntrada::Abierta;
}
