#include "police/rendicion_turno.h"

#include "common/contexto.h"
#include "database/base_datos.h"
#include "database/transaccion.h"
#include "platform/dialogos_impresion.h"
#include "police/conteo_estampillas.h"
#include "police/reportes/reporte_rendicion.h"

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kTiposEstampilla = 4;  // A to D

const QString kInsertar =
    u"INSERT INTO Tmp_Informe_Turno (Tipo_Registro, IdCabecera, Fecha_Desde, Hora_Desde, "
    u"Nro_Comprobante, CodPolicia, Importe_Multa, Importe_Estampilla, Tipo, Cantidad_Inicial, "
    u"Nuevas_x_Remesas, Cantidad_Vendidas, Cantidad_Final) "
    u"VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_s;

// A row of the shift: a receipt's, "0" while nothing fills it.
FilaInformeTurno filaDelTurno(const Turno& turno)
{
    FilaInformeTurno f;
    f.tipoRegistro = registro_informe::Comprobante;
    f.idCabecera = turno.idCabecera;
    f.fechaDesde = turno.fechaDesde;
    f.horaDesde = turno.horaDesde;
    f.nroComprobante = u"0"_s;
    return f;
}

void escribir(BaseDatos& base, const FilaInformeTurno& f)
{
    base.ejecutar(kInsertar, {f.tipoRegistro, f.idCabecera, f.fechaDesde.toString(Qt::ISODate),
                              f.horaDesde.toString(u"HH:mm:ss"_s), f.nroComprobante,
                              f.codPolicia, f.importeMulta.aColumna(),
                              f.importeEstampilla.aColumna(), f.tipo, f.cantidadInicial,
                              f.nuevasXRemesas, f.cantidadVendidas, f.cantidadFinal});
}

// The counts of one type: live while the shift is open, as stored once it is finished (a type
// without a stored row counts 0 throughout).
FilaInformeTurno estampillas(BaseDatos& base, const Turno& turno, int tipo)
{
    FilaInformeTurno f = filaDelTurno(turno);
    f.tipoRegistro = registro_informe::Estampillas;
    f.tipo = tipo;
    if (turno.abierto()) {
        const ConteoEstampillas c = contarEstampillas(base, turno, tipo);
        f.cantidadInicial = c.inicial;
        f.nuevasXRemesas = c.nuevas;
        f.cantidadVendidas = c.vendidas;
        f.cantidadFinal = c.final;
        return f;
    }
    if (const auto fila = base.fila(
            u"SELECT * FROM Estampillas_Turnos WHERE IdCabecera = ? AND Cod_Turno = ? "
            u"AND Tipo = ?"_s,
            {turno.idCabecera, turno.codTurno, tipo})) {
        const EstampillasTurno guardadas = estampillasTurnoDe(*fila);
        f.cantidadInicial = guardadas.cantidadInicial;
        f.nuevasXRemesas = guardadas.nuevasXRemesas;
        f.cantidadVendidas = guardadas.cantidadVendidas;
        f.cantidadFinal = guardadas.cantidadFinal;
    }
    return f;
}

} // namespace

void llenarInformeTurno(BaseDatos& base, const Turno& turno)
{
    Transaccion transaccion(base);
    base.ejecutar(u"DELETE FROM Tmp_Informe_Turno"_s);
    for (int tipo = 1; tipo <= kTiposEstampilla; ++tipo)
        escribir(base, estampillas(base, turno, tipo));

    // The receipts whose fine was filed under the shift, each with its stamps. A receipt is known
    // by its declaration and number together: numbers repeat across branches.
    const auto recibos = base.filas(
        u"SELECT m.* FROM Retenciones r "
        u"INNER JOIN Multas_cobradas m ON m.IdCabecera = r.IdCabecera "
        u"AND m.Nro_Comprobante = r.Nro_Comprobante "
        u"WHERE r.IdCabecera = ? AND m.Cod_Turno = ? ORDER BY r.Nro_Comprobante"_s,
        {turno.idCabecera, turno.codTurno});
    if (recibos.empty()) {
        FilaInformeTurno cero = filaDelTurno(turno);
        cero.tipo = 1;
        escribir(base, cero);
    }
    for (const QSqlRecord& recibo : recibos) {
        const MultaCobrada multa = multaCobradaDe(recibo);
        FilaInformeTurno f = filaDelTurno(turno);
        f.nroComprobante = multa.nroComprobante;
        f.codPolicia = multa.codPolicia;
        f.importeMulta = multa.importeMulta.value_or(Importe());
        for (const Guia& g : leerGuias(base, {turno.idCabecera, f.nroComprobante})) {
            f.importeEstampilla = g.total.value_or(Importe());
            f.tipo = g.tipo.value_or(0);
            escribir(base, f);
        }
    }
    transaccion.confirmar();
}

void imprimirRendicionTurno(Contexto& contexto, const Turno& turno)
{
    imprimirRendicionTurno(contexto, turno, contexto.impresora);
}

void imprimirRendicionTurno(Contexto& contexto, const Turno& turno, Impresora& impresora)
{
    llenarInformeTurno(contexto.base, turno);
    if (!confirmarImpresion(contexto.dialogs)) return;
    imprimirReporte(contexto.dialogs, impresora, pedidoRendicion());
}
