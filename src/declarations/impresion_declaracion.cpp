#include "declarations/impresion_declaracion.h"

#include "common/contexto.h"
#include "common/obleas.h"
#include "common/regimenes.h"
#include "database/base_datos.h"
#include "database/codigos.h"
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

// Types 1 to 4 and 26 in the order of the balances.
constexpr std::array<int, 5> kTiposObleas{1, 2, 3, 4, 26};

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

SaldosObleas saldosDeclaracion(BaseDatos& base, Dialogs& dialogs, const Cabecera& cabecera)
{
    SaldosObleas saldos;
    const QString& regimen = cabecera.codRegimen;
    const ReglasRegimen reglas = reglasRegimen(regimen);
    if (!reglas.obleasValidadas) return saldos;
    // A regime of single "Z" stamps counts only type 26, the other stamp regimes only types 1 to 4.
    const bool soloZ = reglas.detalle == ModoDetalle::ObleaZ;
    for (std::size_t i = 0; i < kTiposObleas.size(); ++i)
        if ((kTiposObleas[i] == 26) == soloZ)
            saldos[i] = obleasDisponibles(base, dialogs, kTiposObleas[i], regimen,
                                           cabecera.nroAgente, cabecera.sucursal);
    return saldos;
}

QString textoDeclaracionImpresa(const DeclaracionEmitida& emitida, const SaldosObleas& saldos)
{
    const ArchivoDeclaracion& archivo = emitida.archivo;
    QString texto = archivo.hayMovimientos ? QStringLiteral("1") : QStringLiteral("0");
    texto += emitida.cabecera.rectifica == rectificacion::Original
                 ? QString(15, QLatin1Char(' '))
                 : QStringLiteral("(Rectificativa)");
    texto += cifras(archivo.validas, 5) + cifras(archivo.anuladas, 4);
    if (!reglasRegimen(emitida.cabecera.codRegimen).obleasValidadas)
        return texto + emitida.observacion;
    texto += emitida.observacion.leftJustified(100, QLatin1Char(' '), true);
    // An uncounted balance is five blanks.
    for (const std::optional<qint64>& saldo : saldos)
        texto += saldo ? cifras(*saldo, 5) : QString(5, QLatin1Char(' '));
    return texto;
}

void imprimirDeclaracion(Contexto& contexto, const DeclaracionEmitida& emitida)
{
    imprimirDeclaracion(contexto, emitida, contexto.impresora);
}

void imprimirDeclaracion(Contexto& contexto, const DeclaracionEmitida& emitida,
                         Impresora& impresora)
{
    Dialogs& dialogs = contexto.dialogs;
    SaldosObleas saldos;
    try {
        saldos = saldosDeclaracion(contexto.base, dialogs, emitida.cabecera);
        escribirTablas(contexto.base, emitida, textoDeclaracionImpresa(emitida, saldos));
    } catch (const ErrorMotor& error) {
        mostrarErrorOperacion(dialogs, error);
        return;
    }
    if (!confirmarImpresion(dialogs)) return;
    // The counts the emission made and the balances written: the report needs them to read the
    // coded text (a count or balance that outgrew its width pushes the rest on), and must not
    // count a large month again.
    TrabajoImpresion trabajo = pedidoDeclaracion(
        reglasRegimen(emitida.cabecera.codRegimen).declaracion, emitida.cabecera.idCabecera,
        emitida.archivo.validas, emitida.archivo.anuladas, saldos);
    trabajo.copias = kCopiasDeclaracion;
    imprimirReporte(dialogs, impresora, trabajo);
}
