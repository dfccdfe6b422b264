#include "entry/impresion_comprobante.h"

#include "common/contexto.h"
#include "database/base_datos.h"
#include "database/entorno.h"
#include "database/importe.h"
#include "database/transaccion.h"
#include "platform/dialogos_impresion.h"

namespace {

const QString kFormularioGeneral = QStringLiteral("frmRetenciones");
const QString kReporteComprobante = QStringLiteral("comprob.rpt");
constexpr int kAnchoMes = 10;

// The name of the receipt's month, filled with blanks to ten characters.
QString mesDelComprobante(Contexto& contexto, qint64 idCabecera)
{
    const int mes = contexto.base
                        .valor(QStringLiteral("SELECT Mes FROM Cabeceras WHERE IdCabecera = ?"),
                               {idCabecera})
                        .toString()
                        .toInt();
    const QStringList& nombres = contexto.entorno.Nombres_Meses;
    const QString nombre = mes >= 1 && mes <= nombres.size() ? nombres.at(mes - 1) : QString();
    return nombre.leftJustified(kAnchoMes, QLatin1Char(' '));
}

} // namespace

void imprimirComprobante(Contexto& contexto, const QString& formulario, const QSqlRecord& fila)
{
    imprimirComprobante(contexto, formulario, fila, contexto.impresora);
}

void imprimirComprobante(Contexto& contexto, const QString& formulario, const QSqlRecord& fila,
                         Impresora& impresora)
{
    if (formulario != kFormularioGeneral) return;
    BaseDatos& base = contexto.base;
    const QString comprobante = fila.value(QStringLiteral("Nro_Comprobante")).toString();
    const qint64 idCabecera = fila.value(QStringLiteral("IdCabecera")).toLongLong();

    const QString observacion = pedirObservacionComprobante(contexto.dialogs);
    const QString texto = mesDelComprobante(contexto, idCabecera) + observacion;

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
    imprimirReporte(contexto.dialogs, impresora,
                    {kReporteComprobante, 1, Destino::Pantalla, {}, {}});
}
