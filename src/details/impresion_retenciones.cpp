#include "details/impresion_retenciones.h"

#include "common/contexto.h"
#include "common/regimenes.h"
#include "database/base_datos.h"
#include "database/entorno.h"
#include "database/importe.h"
#include "database/transaccion.h"
#include "details/reporte_listado.h"
#include "entry/piezas_comprobante.h"
#include "entry/reporte_comprobante.h"
#include "platform/dialogos_impresion.h"

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kAnchoMes = 10;
constexpr int kCopiasLote = 4;

// The prompt of the regimes whose receipts carry no detail: one observation for every receipt.
QString pedirObservacionLote(Dialogs& dialogs)
{
    return pedirObservacion(
        dialogs,
        u"Tipee un texto (hasta 100 caracteres) que considere necesario agregar a todos los "
        u"comprobantes o bien elija cancelar para no incluir ninguna observación:"_s,
        u"Imprimir Comprobante"_s);
}

} // namespace

QString textoComprobanteLote(const QString& nombreMes, const QString& detalle,
                             const QString& observacion)
{
    return nombreMes.leftJustified(kAnchoMes, u' ', true) + detalle
           + observacion.left(kLargoObservacion);
}

void imprimirListado(Contexto& contexto, const Cabecera& cabecera)
{
    if (!confirmarImpresion(contexto.dialogs)) return;
    // The listing covers the whole declaration, whatever concept the window shows.
    imprimirReporte(contexto.dialogs, contexto.impresora,
                    pedidoListado(reglasRegimen(cabecera.codRegimen).listadoOtrosImportes,
                                  cabecera.idCabecera));
}

void imprimirComprobantesLote(Contexto& contexto, const Cabecera& cabecera,
                              const QStringList& comprobantes)
{
    Dialogs& dialogs = contexto.dialogs;
    BaseDatos& base = contexto.base;
    const ReglasRegimen reglas = reglasRegimen(cabecera.codRegimen);
    const QString observacion = reglas.loteConDetalle ? pedirObservacionComprobante(dialogs)
                                                      : pedirObservacionLote(dialogs);
    const QString mes = contexto.entorno.nombreMes(cabecera.mes);

    // The rows are the copies; they stay for the report whatever the user answers next.
    {
        Transaccion transaccion(base);
        base.ejecutar(u"DELETE FROM Impresos"_s);
        for (const QString& nro : comprobantes) {
            QString detalle;
            if (reglas.loteConDetalle) {
                const std::vector<Guia> filas = leerGuias(base, {cabecera.idCabecera, nro});
                detalle = detalleComprobanteLote(
                    reglas, filas.empty() ? std::nullopt : std::optional<Guia>(filas.front()));
            }
            const QString texto = textoComprobanteLote(mes, detalle, observacion);
            for (qint64 copia = 1; copia <= kCopiasLote; ++copia)
                base.ejecutar(u"INSERT INTO Impresos (Para, IdCabecera, Interes, Texto) "
                              u"VALUES (?, ?, ?, ?)"_s,
                              {nro, cabecera.idCabecera, Importe::desdeEntero(copia).aColumna(),
                               texto});
        }
        transaccion.confirmar();
    }

    if (!dialogs.preguntaSiNo(u"Se imprimirá/n "_s + QString::number(comprobantes.size())
                                  + u" comprobante/s.\n\n"_s + kTextoConfirmarImpresion,
                              kTituloConfirmarImpresion, Respuesta::Si))
        return;
    imprimirReporte(dialogs, contexto.impresora, pedidoComprobantesLote(reglas.comprobanteLote));
}
