#include "police/boleta_turno.h"

#include "common/contexto.h"
#include "database/base_datos.h"
#include "database/transaccion.h"
#include "declarations/boleta.h"
#include "declarations/boleta_copias.h"
#include "declarations/boleta_texto.h"
#include "declarations/interes.h"
#include "declarations/reportes/reporte_boleta.h"
#include "declarations/vencimiento_mes.h"
#include "platform/dialogos_impresion.h"
#include "platform/reloj.h"
#include "police/rendicion_turno.h"

#include <QLocale>

using namespace Qt::Literals::StringLiterals;

namespace {

void rehusar(Dialogs& dialogs, const QString& texto)
{
    dialogs.aviso(texto, kTituloSinBoleta, Icono::Exclamacion);
}

// The shift's own row in the scratch table the slip's report reads.
void escribirFilaTurno(BaseDatos& base, const Turno& turno)
{
    Transaccion transaccion(base);
    base.ejecutar(u"DELETE FROM Tmp_Informe_Turno"_s);
    base.ejecutar(u"INSERT INTO Tmp_Informe_Turno (Tipo_Registro, IdCabecera, Fecha_Desde, "
                  u"Hora_Desde, Nro_Comprobante, CodPolicia, Importe_Multa, Importe_Estampilla, "
                  u"Tipo) VALUES (?, ?, ?, ?, '0', 0, 0, 0, 0)"_s,
                  {registro_informe::Estampillas, turno.idCabecera,
                   turno.fechaDesde.toString(Qt::ISODate),
                   turno.horaDesde.toString(u"HH:mm:ss"_s)});
    transaccion.confirmar();
}

} // namespace

void imprimirBoletaTurno(Contexto& contexto, const Turno& turno)
{
    imprimirBoletaTurno(contexto, turno, contexto.impresora);
}

void imprimirBoletaTurno(Contexto& contexto, const Turno& seleccionado, Impresora& impresora)
{
    BaseDatos& base = contexto.base;
    Dialogs& dialogs = contexto.dialogs;
    // The totals as the finish stored them, not as the list last showed them.
    const Turno turno = leerTurno(base, seleccionado.codTurno).value_or(seleccionado);
    escribirFilaTurno(base, turno);

    const std::optional<Cabecera> cabecera = leerCabecera(base, turno.idCabecera);
    if (!cabecera) {
        rehusar(dialogs, u"No se encuentra la declaración jurada del turno."_s);
        return;
    }
    Boleta boleta;
    boleta.tomarCabecera(*cabecera);
    boleta.total = turno.totalEstampillas + turno.totalMultas;
    boleta.pago = contexto.reloj.hoy();
    boleta.vencimiento = vencimientoDelMes(base, boleta.anio, boleta.mes);
    if (!boleta.vencimiento.isValid()) {
        rehusar(dialogs, textoSinVencimiento(boleta.mes, boleta.anio));
        return;
    }

    if (!boleta.total.esCero()) {
        // The shift's slip holds the daily rate as a currency amount.
        const std::optional<Importe> interes =
            calculoIntereses(boleta.total, boleta.vencimiento, boleta.pago,
                              tasasHasta(base, boleta.pago), TasaDiaria::Moneda);
        if (!interes) {
            rehusar(dialogs, kTextoSinTasa);
            return;
        }
        boleta.interes = interes->redondeadoACentavos();
    }
    const std::optional<QString> palabras = importeEnLetras(boleta.total, boleta.interes);
    if (!palabras) {
        rehusar(dialogs, u"El importe a pagar con sus intereses supera el máximo que admite una "
                         u"boleta de pago (%1)."_s
                             .arg(kMaximoEnLetras.formato(u"$####0.00", QLocale())));
        return;
    }
    // A shift has no withholdings of its own: "Sin Movimientos" when it collected (about) nothing.
    boleta.texto = prefijoBoleta(false, boleta.total) + *palabras;

    prepararCopiasBoleta(base, dialogs, contexto.carpeta, boleta);
    imprimirReporte(dialogs, impresora, pedidoBoletaTurno());
}
