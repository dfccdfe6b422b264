#include "police/rendicion_turno.h"

#include "common/contexto.h"
#include "database/base_datos.h"
#include "database/transaccion.h"
#include "platform/dialogos_impresion.h"
#include "police/conteo_estampillas.h"

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kInformeTurno = u"Inf_Turno.rpt"_s;
constexpr int kTiposEstampilla = 4;  // A to D

const QString kInsertar =
    u"INSERT INTO Tmp_Informe_Turno (Tipo_Registro, IdCabecera, Fecha_Desde, Hora_Desde, "
    u"Nro_Comprobante, CodPolicia, Importe_Multa, Importe_Estampilla, Tipo, Cantidad_Inicial, "
    u"Nuevas_x_Remesas, Cantidad_Vendidas, Cantidad_Final) "
    u"VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_s;

struct FilaInforme {
    qint64 tipoRegistro = registro_informe::Comprobante;
    QString nroComprobante = u"0"_s;
    qint64 codPolicia = 0;
    Importe multa;
    Importe estampilla;
    qint64 tipo = 0;
    qint64 inicial = 0;
    qint64 nuevas = 0;
    qint64 vendidas = 0;
    qint64 final = 0;
};

void escribir(BaseDatos& base, const Turno& turno, const FilaInforme& f)
{
    base.ejecutar(kInsertar, {f.tipoRegistro, turno.idCabecera,
                              turno.fechaDesde.toString(Qt::ISODate),
                              turno.horaDesde.toString(u"HH:mm:ss"_s), f.nroComprobante,
                              f.codPolicia, f.multa.aColumna(), f.estampilla.aColumna(), f.tipo,
                              f.inicial, f.nuevas, f.vendidas, f.final});
}

// The counts of one type: live while the shift is open, as stored once it is finished (a type
// without a stored row counts 0 throughout).
FilaInforme estampillas(BaseDatos& base, const Turno& turno, int tipo)
{
    FilaInforme f;
    f.tipoRegistro = registro_informe::Estampillas;
    f.tipo = tipo;
    if (turno.abierto()) {
        const ConteoEstampillas c = contarEstampillas(base, turno, tipo);
        f.inicial = c.inicial;
        f.nuevas = c.nuevas;
        f.vendidas = c.vendidas;
        f.final = c.final;
        return f;
    }
    if (const auto fila = base.fila(
            u"SELECT Cantidad_Inicial, Nuevas_x_Remesas, Cantidad_Vendidas, Cantidad_Final "
            u"FROM Estampillas_Turnos WHERE IdCabecera = ? AND Cod_Turno = ? AND Tipo = ?"_s,
            {turno.idCabecera, turno.codTurno, tipo})) {
        f.inicial = fila->value(0).toLongLong();
        f.nuevas = fila->value(1).toLongLong();
        f.vendidas = fila->value(2).toLongLong();
        f.final = fila->value(3).toLongLong();
    }
    return f;
}

} // namespace

void llenarInformeTurno(BaseDatos& base, const Turno& turno)
{
    Transaccion transaccion(base);
    base.ejecutar(u"DELETE FROM Tmp_Informe_Turno"_s);
    for (int tipo = 1; tipo <= kTiposEstampilla; ++tipo)
        escribir(base, turno, estampillas(base, turno, tipo));

    // The receipts whose fine was filed under the shift, each with its stamps. A receipt is known
    // by its declaration and number together: numbers repeat across branches.
    const auto recibos = base.filas(
        u"SELECT m.Nro_Comprobante, m.CodPolicia, m.Importe_Multa FROM Retenciones r "
        u"INNER JOIN Multas_cobradas m ON m.IdCabecera = r.IdCabecera "
        u"AND m.Nro_Comprobante = r.Nro_Comprobante "
        u"WHERE r.IdCabecera = ? AND m.Cod_Turno = ? ORDER BY r.Nro_Comprobante"_s,
        {turno.idCabecera, turno.codTurno});
    if (recibos.empty()) {
        FilaInforme cero;
        cero.tipo = 1;
        escribir(base, turno, cero);
    }
    for (const QSqlRecord& recibo : recibos) {
        FilaInforme f;
        f.nroComprobante = recibo.value(0).toString();
        f.codPolicia = recibo.value(1).toLongLong();
        f.multa = Importe::desdeColumna(recibo.value(2));
        for (const Guia& g : leerGuias(base, {turno.idCabecera, f.nroComprobante})) {
            f.estampilla = g.total.value_or(Importe());
            f.tipo = g.tipo.value_or(0);
            escribir(base, turno, f);
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
    imprimirReporte(contexto.dialogs, impresora, {kInformeTurno, 1, Destino::Pantalla, {}, {}});
}
