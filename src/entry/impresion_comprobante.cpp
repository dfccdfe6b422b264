#include "entry/impresion_comprobante.h"

#include "common/contexto.h"
#include "common/regimenes.h"
#include "database/base_datos.h"
#include "database/entorno.h"
#include "database/importe.h"
#include "database/transaccion.h"
#include "entry/piezas_comprobante.h"
#include "entry/reporte_comprobante.h"
#include "platform/dialogos_impresion.h"

namespace {

constexpr int kAnchoMes = 10;

} // namespace

void imprimirComprobante(Contexto& contexto, const QString& formulario, const Retencion& fila)
{
    imprimirComprobante(contexto, formulario, fila, contexto.impresora);
}

void imprimirComprobante(Contexto& contexto, const QString& formulario, const Retencion& fila,
                         Impresora& impresora)
{
    BaseDatos& base = contexto.base;
    const QString& comprobante = fila.nroComprobante;
    const qint64 idCabecera = fila.idCabecera;
    // The receipt's own declaration gives its month and, by its regime, the report.
    const std::optional<Cabecera> cabecera = leerCabecera(base, idCabecera);
    const QString mes = cabecera ? contexto.entorno.nombreMes(cabecera->mes) : QString();
    const ReglasRegimen reglas = reglasRegimen(cabecera ? cabecera->codRegimen : QString());

    // The forms of the detail rows say what the first of them is, and a receipt of stamped
    // advances without its stamp prints on its own report.
    VarianteComprobante variante = reglas.comprobante;
    QString detalle;
    if (formulario != nombreFormularioEntrada(FormaEntrada::General)) {
        const std::vector<Guia> filas = leerGuias(base, fila.clave());
        const PiezasComprobante piezas = piezasComprobante(
            reglas, filas.empty() ? std::nullopt : std::optional<Guia>(filas.front()));
        detalle = piezas.texto();
        if (piezas.sinOblea && reglas.comprobanteSinOblea) variante = *reglas.comprobanteSinOblea;
    }

    const QString observacion = pedirObservacionComprobante(contexto.dialogs);
    const QString texto = mes.leftJustified(kAnchoMes, QLatin1Char(' ')) + detalle + observacion;

    // The two rows are the two copies; they stay for the report whatever the user answers next.
    {
        Transaccion transaccion(base);
        base.ejecutar(QStringLiteral("DELETE FROM Impresos"));
        for (const qint64 copia : {1, 2})
            base.ejecutar(QStringLiteral("INSERT INTO Impresos (Para, IdCabecera, Interes, Texto) "
                                         "VALUES (?, ?, ?, ?)"),
                          {comprobante, idCabecera, Importe::desdeEntero(copia).aColumna(), texto});
        transaccion.confirmar();
    }

    if (!confirmarImpresion(contexto.dialogs)) return;
    imprimirReporte(contexto.dialogs, impresora, pedidoComprobante(variante));
}
