#include "declarations/impresion_declaracion.h"

#include "common/contexto.h"
#include "common/estados.h"
#include "common/obleas.h"
#include "common/regimenes.h"
#include "database/base_datos.h"
#include "database/transaccion.h"
#include "declarations/emision_declaracion.h"
#include "declarations/reportes/reporte_declaracion.h"
#include "declarations/reportes/texto_declaracion.h"
#include "forms/avisos_error.h"
#include "platform/dialogos_impresion.h"

namespace {

constexpr int kCopiasDeclaracion = 2;

// A count or balance zero-padded to `ancho` digits, "-" in front when negative; a larger value
// keeps all its digits.
QString cifras(qint64 valor, int ancho)
{
    const QString digitos =
        QString::number(valor < 0 ? -valor : valor).rightJustified(ancho, QLatin1Char('0'));
    return valor < 0 ? QLatin1Char('-') + digitos : digitos;
}

// The five balances, types 1 to 4 and 26: a regime of single "Z" stamps counts only type 26, the
// other stamp regimes only types 1 to 4; an uncounted one is five blanks.
QString saldosObleas(BaseDatos& base, Dialogs& dialogs, const Cabecera& cabecera)
{
    const QString& regimen = cabecera.codRegimen;
    const QString& agente = cabecera.nroAgente;
    const QString& sucursal = cabecera.sucursal;
    const bool soloZ = reglasRegimen(regimen).detalle == ModoDetalle::ObleaZ;
    QString saldos;
    for (const int tipo : {1, 2, 3, 4, 26}) {
        if ((tipo == 26) != soloZ) {
            saldos += QString(5, QLatin1Char(' '));
            continue;
        }
        saldos += cifras(Obleas_Disponibles(base, dialogs, tipo, regimen, agente, sucursal), 5);
    }
    return saldos;
}

void escribirTablas(BaseDatos& base, const DeclaracionEmitida& emitida, const QString& texto)
{
    const qint64 id = emitida.cabecera.idCabecera;
    const ArchivoDeclaracion& archivo = emitida.archivo;
    Transaccion transaccion(base);
    base.ejecutar(QStringLiteral("DELETE FROM Subtotales"));
    for (const GrupoAlicuota& g : archivo.grupos)
        base.ejecutar(QStringLiteral("INSERT INTO Subtotales (IdCabecera, Alicuota, TotxAlic, "
                                     "Otros_Pagos, Otro_valor) VALUES (?, ?, ?, ?, ?)"),
                      {id, g.alicuota.aColumna(), g.totxAlic.aColumna(), g.otrosPagos.aColumna(),
                       g.otroValor.aColumna()});
    base.ejecutar(QStringLiteral("DELETE FROM Impresos"));
    base.ejecutar(QStringLiteral("INSERT INTO Impresos (Para, IdCabecera, Importe, Importe1, "
                                 "Texto, FechaV) VALUES (?, ?, ?, ?, ?, ?)"),
                  {archivo.codigoControl, id, archivo.impuestoCalculado.aColumna(),
                   archivo.totalRetenido.aColumna(), texto,
                   emitida.fechaVencimiento.isValid()
                       ? QVariant(emitida.fechaVencimiento.toString(Qt::ISODate))
                       : QVariant(QMetaType(QMetaType::QString))});
    transaccion.confirmar();
}

} // namespace

QString textoDeclaracionImpresa(BaseDatos& base, Dialogs& dialogs,
                                const DeclaracionEmitida& emitida)
{
    const ArchivoDeclaracion& archivo = emitida.archivo;
    QString texto = archivo.hayMovimientos ? QStringLiteral("1") : QStringLiteral("0");
    texto += emitida.cabecera.rectifica == rectificacion::Original
                 ? QString(15, QLatin1Char(' '))
                 : QStringLiteral("(Rectificativa)");
    texto += cifras(archivo.validas, 5) + cifras(archivo.anuladas, 4);
    if (!reglasRegimen(emitida.cabecera.codRegimen).obleasValidadas)
        return texto + emitida.observacion;
    return texto + emitida.observacion.leftJustified(100, QLatin1Char(' '), true)
           + saldosObleas(base, dialogs, emitida.cabecera);
}

void imprimirDeclaracion(Contexto& contexto, const DeclaracionEmitida& emitida)
{
    imprimirDeclaracion(contexto, emitida, contexto.impresora);
}

void imprimirDeclaracion(Contexto& contexto, const DeclaracionEmitida& emitida,
                         Impresora& impresora)
{
    Dialogs& dialogs = contexto.dialogs;
    try {
        escribirTablas(contexto.base, emitida,
                       textoDeclaracionImpresa(contexto.base, dialogs, emitida));
    } catch (const ErrorMotor& error) {
        mostrarErrorOperacion(dialogs, error);
        return;
    }
    if (!confirmarImpresion(dialogs)) return;
    // The counts the emission made: the report needs them to read the coded text, and must not
    // count a large month again.
    imprimirReporte(dialogs, impresora,
                    {reglasRegimen(emitida.cabecera.codRegimen).reporteDeclaracion,
                     kCopiasDeclaracion,
                     Destino::Pantalla,
                     {},
                     conteosDeclaracion(emitida.cabecera.idCabecera, emitida.archivo.validas,
                                        emitida.archivo.anuladas)});
}
