#include "entry/detalle_comprobante.h"

#include "database/base_datos.h"
#include "database/codigos.h"

bool ComprobanteDetalle::pendiente() const
{
    return nroComprobante == kComprobantePendiente;
}

QString ComprobanteDetalle::filtro() const
{
    // The pending rows are those of the one receipt being entered, whatever their declaration.
    if (pendiente()) return QStringLiteral("Nro_Comprobante = ?");
    return QStringLiteral("IdCabecera = ? AND Nro_Comprobante = ?");
}

QVariantList ComprobanteDetalle::valores() const
{
    if (pendiente()) return {nroComprobante};
    return {idCabecera, nroComprobante};
}

ComprobanteDetalle detalleNuevo(qint64 idCabecera)
{
    return {idCabecera, kComprobantePendiente};
}

ComprobanteDetalle detalleDe(qint64 idCabecera, const QString& nroComprobante)
{
    return {idCabecera, nroComprobante};
}

Importe sumaDetalle(BaseDatos& base, const ComprobanteDetalle& comprobante)
{
    return Importe::desdeColumna(base.valor(
        QStringLiteral("SELECT COALESCE(SUM(Total), 0) FROM Guias WHERE ") + comprobante.filtro(),
        comprobante.valores()));
}
