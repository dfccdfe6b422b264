#include "entry/consultas_entrada.h"

#include "database/base_datos.h"

std::optional<Sujeto> buscarSujeto(BaseDatos& base, const QString& nroContrib)
{
    const auto fila = base.fila(QStringLiteral("SELECT Razon_Social, Cod_Tipo, CUIT "
                                               "FROM Contribuyentes WHERE Nro_Contrib = ?"),
                                {nroContrib});
    if (!fila) return std::nullopt;
    return Sujeto{fila->value(0).toString(), fila->value(1).toString(), fila->value(2).toString()};
}

std::optional<QString> buscarConcepto(BaseDatos& base, const QString& codConcepto)
{
    const auto fila = base.fila(
        QStringLiteral("SELECT Descripcion FROM Conceptos WHERE Cod_Concepto = ?"), {codConcepto});
    if (!fila) return std::nullopt;
    return fila->value(0).toString();
}

QString obleaDeComprobante(BaseDatos& base, const ClaveRetencion& clave)
{
    return base
        .valor(QStringLiteral("SELECT NroGuia FROM Guias WHERE IdCabecera = ? "
                              "AND Nro_Comprobante = ? ORDER BY Nro_clave LIMIT 1"),
               {clave.idCabecera, clave.nroComprobante})
        .toString();
}
