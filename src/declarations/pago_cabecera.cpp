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
#include "declarations/reportes/reporte_boleta.h"
#include "declarations/retenido_declaracion.h"
#include "declarations/vencimiento_mes.h"
#include "forms/avisos_error.h"
#include "platform/dialogos_impresion.h"

#include <QLocale>

namespace {

QString enPesos(Importe importe)
{
    return importe.formato(u"$####0.00", QLocale());
}

// One slip, from the declaration's row to the print. A step that stops the slip (a refusal,
// which the user is told of, or a question cancelled) answers false; nothing is closed or
// written before every question has been answered and every lookup has succeeded.
class PagoBoleta {
public:
    PagoBoleta(Contexto& contexto, Impresora& impresora)
        : base_(contexto.base), entorno_(contexto.entorno), dialogs_(contexto.dialogs),
          carpeta_(contexto.carpeta), impresora_(impresora)
    {
    }

    // The declaration, whether its regime has a slip of its own, and the closing question.
    bool tomarDeclaracion(qint64 idCabecera);
    // The month's due date and the date the user will pay on.
    bool pedirFechas();
    // What the receipts withheld, the amount typed in its place where the regime allows any, and
    // the payments already made.
    void pedirImportes();
    // The net's checks, the late-payment interest and the amount in words.
    bool calcularAPagar();
    // The barcode, then the close and the three copies together; the active declaration is left
    // when it was the one closed.
    void guardar(const std::function<void()>& alCerrar);
    // The printing question and the report.
    void imprimir();

    // Whether the slip closed its declaration.
    bool cerro() const { return cerro_; }

private:
    void rehusar(const QString& texto)
    {
        dialogs_.aviso(texto, kTituloSinBoleta, Icono::Exclamacion);
    }
    void rehusarPorMaximo()
    {
        rehusar(QStringLiteral("El importe a pagar con sus intereses supera el máximo que admite "
                               "una boleta de pago (%1).")
                    .arg(enPesos(kMaximoEnLetras)));
    }

    BaseDatos& base_;
    Entorno& entorno_;
    Dialogs& dialogs_;
    const QString& carpeta_;
    Impresora& impresora_;

    Boleta boleta_;
    std::optional<EstadoCabecera> estado_;
    bool importeLibre_ = false;  // a regime of slips for any amount, never closed by them
    bool cierra_ = false;
    bool hayMovimientos_ = false;
    bool cerro_ = false;
};

bool PagoBoleta::tomarDeclaracion(qint64 idCabecera)
{
    const std::optional<Cabecera> cabecera = leerCabecera(base_, idCabecera);
    if (!cabecera) {
        rehusar(QStringLiteral("No se encuentra la declaración jurada seleccionada."));
        return false;
    }
    boleta_.tomarCabecera(*cabecera);

    const ReglasRegimen reglas = reglasRegimen(boleta_.codRegimen);
    if (reglas.boletaPorTurno) {
        dialogs_.aviso(QStringLiteral("Este Régimen no posee boleta de pago unica por DDJJ, debe "
                                      "imprimirlas para cada turno desde <Administración de "
                                      "Turnos>"),
                       kTituloAplicacion, Icono::Informacion);
        return false;
    }
    importeLibre_ = reglas.boletaImporteLibre;
    estado_ = EstadoCabecera::de(*cabecera);
    cierra_ = !importeLibre_ && !estado_->cerrada();
    return !cierra_ || confirmarCierre(entorno_, dialogs_, *cabecera);
}

bool PagoBoleta::pedirFechas()
{
    boleta_.vencimiento = vencimientoDelMes(base_, boleta_.anio, boleta_.mes);
    if (!boleta_.vencimiento.isValid()) {
        rehusar(textoSinVencimiento(boleta_.mes, boleta_.anio));
        return false;
    }
    const std::optional<QDate> pago = pedirFechaPago(dialogs_, boleta_.vencimiento);
    if (!pago) return false;
    boleta_.pago = *pago;
    return true;
}

void PagoBoleta::pedirImportes()
{
    const RetenidoDeclaracion retenido = retenidoDeclaracion(base_, boleta_.idCabecera);
    hayMovimientos_ = retenido.hayMovimientos;
    boleta_.total = retenido.retenido;
    if (importeLibre_) boleta_.total = pedirImporteAPagar(dialogs_, boleta_.total);
    boleta_.otrosPagos = pedirOtrosPagos(dialogs_, boleta_.total);
}

bool PagoBoleta::calcularAPagar()
{
    // No slip is printed for a negative amount (regimes whose receipts may be negative) or for
    // one too large to be written in words.
    const Importe neto = boleta_.neto();
    if (neto.esNegativo()) {
        rehusar(QStringLiteral("El importe a pagar (%1) es negativo.\nNo se puede emitir una "
                               "boleta de pago por un importe negativo.")
                    .arg(enPesos(neto)));
        return false;
    }
    if (neto > kMaximoEnLetras) {
        rehusarPorMaximo();
        return false;
    }
    if (!neto.esCero()) {
        const std::optional<Importe> interes = calculoIntereses(
            neto, boleta_.vencimiento, boleta_.pago, tasasHasta(base_, boleta_.pago));
        if (!interes) {
            rehusar(kTextoSinTasa);
            return false;
        }
        boleta_.interes = interes->redondeadoACentavos();
    }
    const std::optional<QString> palabras = importeEnLetras(neto, boleta_.interes);
    if (!palabras) {
        rehusarPorMaximo();
        return false;
    }
    boleta_.texto = prefijoBoleta(hayMovimientos_, boleta_.total) + *palabras;
    return true;
}

void PagoBoleta::guardar(const std::function<void()>& alCerrar)
{
    // The barcode is drawn for this slip before anything is written; the close and the three
    // copies then land together.
    const QByteArray codBar = codigoBarrasBoleta(dialogs_, carpeta_, boleta_);
    {
        Transaccion transaccion(base_);
        if (cierra_)
            base_.ejecutar(QStringLiteral("UPDATE Cabeceras SET Estado = ? WHERE IdCabecera = ?"),
                           {estado_->tras(AccionCabecera::Cerrar)->codigo(), boleta_.idCabecera});
        escribirCopiasBoleta(base_, boleta_, codBar);
        transaccion.confirmar();
    }
    cerro_ = cierra_;
    if (!cierra_) return;
    if (entorno_.esCabeceraActual(boleta_.idCabecera)) entorno_.limpiarCabeceraActual();
    if (alCerrar) alCerrar();
}

void PagoBoleta::imprimir()
{
    if (!confirmarImpresion(dialogs_)) return;
    imprimirReporte(dialogs_, impresora_, pedidoBoleta());
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
    PagoBoleta pago(contexto, impresora);
    try {
        // Whatever follows, no earlier document stays behind in the scratch table.
        contexto.base.ejecutar(QStringLiteral("DELETE FROM Impresos"));
        if (!pago.tomarDeclaracion(idCabecera) || !pago.pedirFechas()) return false;
        pago.pedirImportes();
        if (!pago.calcularAPagar()) return false;
        pago.guardar(alCerrar);
        pago.imprimir();
    } catch (const ErrorMotor& error) {
        mostrarErrorOperacion(contexto.dialogs, error);
    }
    return pago.cerro();
}
