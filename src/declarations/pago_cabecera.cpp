#include "declarations/pago_cabecera.h"

#include "common/ciclo_cabecera.h"
#include "common/contexto.h"
#include "common/regimenes.h"
#include "database/base_datos.h"
#include "database/entorno.h"
#include "database/transaccion.h"
#include "declarations/boleta.h"
#include "declarations/boleta_copias.h"
#include "declarations/boleta_texto.h"
#include "declarations/cierre_cabecera.h"
#include "declarations/interes.h"
#include "declarations/preguntas_boleta.h"
#include "declarations/retenido_declaracion.h"
#include "declarations/vencimiento_mes.h"
#include "forms/avisos_error.h"
#include "platform/dialogos_impresion.h"

#include <QLocale>

namespace {

const QString kReporteBoleta = QStringLiteral("bolpago.rpt");

void rehusar(Dialogs& dialogs, const QString& texto)
{
    dialogs.aviso(texto, kTituloSinBoleta, Icono::Exclamacion);
}

QString enPesos(Importe importe)
{
    return importe.formato(u"$####0.00", QLocale());
}

void rehusarPorMaximo(Dialogs& dialogs)
{
    rehusar(dialogs, QStringLiteral("El importe a pagar con sus intereses supera el máximo que "
                                    "admite una boleta de pago (%1).")
                         .arg(enPesos(kMaximoEnLetras)));
}

} // namespace

bool imprimirBoletaPago(Contexto& contexto, qint64 idCabecera,
                        const std::function<void()>& alCerrar)
{
    return imprimirBoletaPago(contexto, idCabecera, contexto.impresora, alCerrar);
}

bool imprimirBoletaPago(Contexto& contexto, qint64 idCabecera, Impresora& impresora,
                        const std::function<void()>& alCerrar)
{
    BaseDatos& base = contexto.base;
    Entorno& entorno = contexto.entorno;
    Dialogs& dialogs = contexto.dialogs;
    bool cerrada = false;
    try {
        // Whatever follows, no earlier document stays behind in the scratch table.
        base.ejecutar(QStringLiteral("DELETE FROM Impresos"));

        const std::optional<Cabecera> cabecera = leerCabecera(base, idCabecera);
        if (!cabecera) {
            rehusar(dialogs,
                    QStringLiteral("No se encuentra la declaración jurada seleccionada."));
            return false;
        }
        Boleta boleta;
        boleta.tomarCabecera(*cabecera);

        const ReglasRegimen reglas = reglasRegimen(boleta.codRegimen);
        if (reglas.boletaPorTurno) {
            dialogs.aviso(QStringLiteral("Este Régimen no posee boleta de pago unica por DDJJ, debe "
                                         "imprimirlas para cada turno desde <Administración de "
                                         "Turnos>"),
                          kTituloAplicacion, Icono::Informacion);
            return false;
        }
        // A regime of slips for any amount never closes by them.
        const bool importeLibre = reglas.boletaImporteLibre;
        const EstadoCabecera estado = EstadoCabecera::de(*cabecera);
        const bool cierra = !importeLibre && !estado.cerrada();
        if (cierra && !confirmarCierre(entorno, dialogs, *cabecera)) return false;

        boleta.vencimiento = vencimientoDelMes(base, boleta.anio, boleta.mes);
        if (!boleta.vencimiento.isValid()) {
            rehusar(dialogs, textoSinVencimiento(boleta.mes, boleta.anio));
            return false;
        }
        const std::optional<QDate> pago = pedirFechaPago(dialogs, boleta.vencimiento);
        if (!pago) return false;
        boleta.pago = *pago;

        const RetenidoDeclaracion totales = retenidoDeclaracion(base, idCabecera);
        boleta.total = totales.retenido;
        if (importeLibre) boleta.total = pedirImporteAPagar(dialogs, boleta.total);
        boleta.otrosPagos = pedirOtrosPagos(dialogs, boleta.total);

        // Nothing is closed for a slip that cannot be printed: a negative amount (regimes whose
        // receipts may be negative) or one too large to be written in words.
        const Importe neto = boleta.neto();
        if (neto.esNegativo()) {
            rehusar(dialogs, QStringLiteral("El importe a pagar (%1) es negativo.\nNo se puede emitir "
                                            "una boleta de pago por un importe negativo.")
                                 .arg(enPesos(neto)));
            return false;
        }
        if (neto > kMaximoEnLetras) {
            rehusarPorMaximo(dialogs);
            return false;
        }
        if (!neto.esCero()) {
            const std::optional<Importe> interes = Calculo_Intereses(
                neto, boleta.vencimiento, boleta.pago, tasasHasta(base, boleta.pago));
            if (!interes) {
                rehusar(dialogs, kTextoSinTasa);
                return false;
            }
            boleta.interes = interes->redondeadoACentavos();
        }
        const std::optional<QString> palabras = importeEnLetras(neto, boleta.interes);
        if (!palabras) {
            rehusarPorMaximo(dialogs);
            return false;
        }
        boleta.texto = prefijoBoleta(totales.hayMovimientos, boleta.total) + *palabras;

        // The barcode is drawn for this slip before anything is written; the close and the three
        // copies then land together.
        const QByteArray codBar = codigoBarrasBoleta(dialogs, contexto.carpeta, boleta);
        {
            Transaccion transaccion(base);
            if (cierra)
                base.ejecutar(
                    QStringLiteral("UPDATE Cabeceras SET Estado = ? WHERE IdCabecera = ?"),
                    {estado.tras(AccionCabecera::Cerrar)->codigo(), idCabecera});
            escribirCopiasBoleta(base, boleta, codBar);
            transaccion.confirmar();
        }
        cerrada = cierra;
        if (cierra && entorno.esCabeceraActual(idCabecera)) entorno.Limpiar_Cabecera_Actual();
        if (cierra && alCerrar) alCerrar();

        if (!confirmarImpresion(dialogs)) return cerrada;
        imprimirReporte(dialogs, impresora, {kReporteBoleta, 1, Destino::Pantalla, {}, {}});
    } catch (const ErrorMotor& error) {
        mostrarErrorOperacion(dialogs, error);
    }
    return cerrada;
}
