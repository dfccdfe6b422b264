#include "entry/grabacion_retenciones.h"

#include "common/ciclo_cabecera.h"
#include "database/base_datos.h"
#include "database/entorno.h"
#include "database/filas.h"
#include "database/transaccion.h"
#include "entry/importe_retenido.h"
#include "entry/numeracion.h"
#include "entry/oblea_retencion.h"

namespace {

// The branch's next number, written back to the branch within the caller's transaction.
QString tomarNumero(BaseDatos& base, const QString& agente, const QString& sucursal)
{
    const auto fila = leerSucursal(base, agente, sucursal);
    if (!fila)
        throw ErrorMotor(errores::ErrorGeneral,
                         QStringLiteral("No se encontró la sucursal %1 del agente %2.")
                             .arg(sucursal, agente));
    const QString ultimo = fila->nroComprobante;
    const auto siguiente = siguienteComprobante(ultimo);
    if (!siguiente) throw NumeracionAgotada(ultimo);
    base.ejecutar(QStringLiteral("UPDATE Sucursales SET Nro_Comprobante = ? "
                                 "WHERE Nro_Agente = ? AND Sucursal = ?"),
                  {*siguiente, agente, sucursal});
    return *siguiente;
}

void agregarOblea(BaseDatos& base, const ClaveRetencion& clave, const QString& agente,
                  const QString& oblea)
{
    base.ejecutar(QStringLiteral("INSERT INTO Guias (Nro_Comprobante, Nro_Agente, NroGuia, Tipo, "
                                 "Cantidad, Valor_Unitario, Total, Nro_Anticipo, Nro_porte, "
                                 "IdCabecera) VALUES (?, ?, ?, ?, 1, 0, 0, '', '', ?)"),
                  {clave.nroComprobante, agente, oblea, kTipoObleaZ, clave.idCabecera});
}

Importe retenidoDe(const DatosRetencion& datos)
{
    return datos.retenido.value_or(importeRetenido(datos.bruto, datos.alicuota));
}

} // namespace

NumeracionAgotada::NumeracionAgotada(QString ultimo)
    : std::runtime_error("numeración de comprobantes agotada"), ultimo_(std::move(ultimo))
{
}

ClaveRetencion grabarRetencionNueva(Entorno& entorno, const DatosRetencion& datos,
                                    const EscriturasDelComprobante& ademas)
{
    BaseDatos& base = entorno.baseDatos();
    const std::optional<Cabecera>& activa = entorno.cabeceraActual();
    const qint64 id = entorno.idCabecera();
    ClaveRetencion clave{id, {}};
    {
        Transaccion transaccion(base);
        // The first receipt opens the declaration; every state admits it.
        const QString alguna = QStringLiteral("SELECT 1 FROM Retenciones WHERE IdCabecera = ?");
        if (activa && !base.existe(alguna, {id})) {
            const auto tras = EstadoCabecera::de(*activa).tras(AccionCabecera::PrimerComprobante);
            base.ejecutar(QStringLiteral("UPDATE Cabeceras SET Estado = ? WHERE IdCabecera = ?"),
                          {tras->codigo(), id});
        }
        clave.nroComprobante = tomarNumero(base, entorno.agente(), entorno.sucursal());
        base.ejecutar(
            QStringLiteral("INSERT INTO Retenciones (IdCabecera, Nro_Contrib, Dia, Importe_Bruto, "
                           "Alicuota, Importe_Ret, Nro_X, Cod_Concepto, Nro_Comprobante, Estado, "
                           "MarcaImp) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            {id, datos.nroContrib, datos.dia, datos.bruto.aColumna(), datos.alicuota.aColumna(),
             retenidoDe(datos).aColumna(), datos.nroX, datos.codConcepto, clave.nroComprobante,
             estado_retencion::Valida, marca_importacion::Manual});
        if (datos.conOblea && !datos.oblea.isEmpty())
            agregarOblea(base, clave, entorno.agente(), datos.oblea);
        if (ademas) ademas(base, clave);
        transaccion.confirmar();
    }
    entorno.releerSucursal();
    entorno.releerCabecera();
    return clave;
}

void grabarCorreccion(Entorno& entorno, const ClaveRetencion& clave, const DatosRetencion& datos,
                      const EscriturasDelComprobante& ademas)
{
    BaseDatos& base = entorno.baseDatos();
    Transaccion transaccion(base);
    base.ejecutar(
        QStringLiteral("UPDATE Retenciones SET Nro_Contrib = ?, Dia = ?, Importe_Bruto = ?, "
                       "Alicuota = ?, Importe_Ret = ?, Nro_X = ?, Cod_Concepto = ?, MarcaImp = ? "
                       "WHERE IdCabecera = ? AND Nro_Comprobante = ?"),
        {datos.nroContrib, datos.dia, datos.bruto.aColumna(), datos.alicuota.aColumna(),
         retenidoDe(datos).aColumna(), datos.nroX, datos.codConcepto,
         marca_importacion::Corregida, clave.idCabecera, clave.nroComprobante});
    if (datos.conOblea) {
        // The stamp typed replaces the one the receipt had, so a changed stamp never leaves the
        // old one counted as used.
        base.ejecutar(
            QStringLiteral("DELETE FROM Guias WHERE IdCabecera = ? AND Nro_Comprobante = ?"),
            {clave.idCabecera, clave.nroComprobante});
        if (!datos.oblea.isEmpty()) agregarOblea(base, clave, entorno.agente(), datos.oblea);
    }
    if (ademas) ademas(base, clave);
    transaccion.confirmar();
}

void anularRetencion(BaseDatos& base, const ClaveRetencion& clave)
{
    base.ejecutar(QStringLiteral("UPDATE Retenciones SET Estado = ? "
                                 "WHERE IdCabecera = ? AND Nro_Comprobante = ?"),
                  {estado_retencion::Anulada, clave.idCabecera, clave.nroComprobante});
}
