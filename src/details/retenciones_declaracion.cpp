#include "details/retenciones_declaracion.h"

#include "database/base_datos.h"

using namespace Qt::Literals::StringLiterals;

std::optional<OrdenGrilla> ordenCabeceras(int columna)
{
    const QString por = u" Declaraciones ordenadas por: "_s;
    switch (columna) {
    case 0:
    case 1: return OrdenGrilla{u"Nro_Agente, Sucursal"_s, por + u"Nº de Agente y Sucursal"_s};
    case 2: return OrdenGrilla{u"Cod_Regimen"_s, por + u"Código de Régimen"_s};
    case 3:
    case 4: return OrdenGrilla{u"Anio DESC, Mes DESC"_s, por + u"Año y Mes"_s};
    case 6: return OrdenGrilla{u"Estado"_s, por + u"Código de Estado"_s};
    case 7: return OrdenGrilla{u"Origen"_s, por + u"Código de Origen"_s};
    default: return std::nullopt;
    }
}

std::optional<OrdenGrilla> ordenRetenciones(int columna)
{
    const QString por = u" Ret./Perc. ordenadas por: "_s;
    switch (columna) {
    case 0: return OrdenGrilla{u"Nro_Contrib"_s, por + u"Nº de Inscripción del Sujeto"_s};
    case 1: return OrdenGrilla{u"Dia"_s, por + u"Día"_s};
    case 5: return OrdenGrilla{u"Nro_Comprobante"_s, por + u"Nº de Comprobante"_s};
    case 6: return OrdenGrilla{u"Estado"_s, por + u"Código de Estado"_s};
    case 7: return OrdenGrilla{u"Nro_X"_s, por + u"Nº de Comprobante externo"_s};
    case 8: return OrdenGrilla{u"Cod_Concepto"_s, por + u"Código de Concepto"_s};
    case 10: return OrdenGrilla{u"MarcaImp"_s, por + u"Marca de Importación"_s};
    default: return std::nullopt;
    }
}

FiltroRetenciones filtroRetenciones(qint64 idCabecera, const std::optional<QString>& concepto)
{
    if (!concepto) return {u"IdCabecera = ?"_s, {idCabecera}};
    return {u"IdCabecera = ? AND Cod_Concepto = ?"_s, {idCabecera, *concepto}};
}

TotalesRetenciones totalesRetenciones(BaseDatos& base, const FiltroRetenciones& filtro)
{
    const std::optional<QSqlRecord> fila =
        base.fila(u"SELECT COUNT(*), COALESCE(SUM(Importe_Bruto), 0), "
                  u"COALESCE(SUM(Importe_Ret), 0) FROM Retenciones WHERE "_s
                      + filtro.sql,
                  filtro.valores);
    if (!fila) return {};
    // Sums of whole ten-thousandths: exact, and an overflow is the engine's error, never a wrap.
    return {fila->value(0).toLongLong(), Importe::desdeDiezmilesimos(fila->value(1).toLongLong()),
            Importe::desdeDiezmilesimos(fila->value(2).toLongLong())};
}

QStringList comprobantesMostrados(BaseDatos& base, const FiltroRetenciones& filtro,
                                  const QString& orden)
{
    return base.textos(u"SELECT Nro_Comprobante FROM Retenciones WHERE "_s + filtro.sql
                           + u" ORDER BY "_s + orden + u", rowid"_s,
                       filtro.valores);
}
