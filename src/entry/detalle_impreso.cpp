#include "entry/detalle_impreso.h"

#include "common/regimenes.h"
#include "database/base_datos.h"
#include "entry/numeros_pantalla.h"
#include "reports/formato_reporte.h"

#include <QLocale>

using namespace Qt::Literals::StringLiterals;

namespace {

struct FilaLeida {
    Guia guia;
    QString descripcion;  // of its goods type
};

FilaLeida filaLeidaDe(const QSqlRecord& f)
{
    return {guiaDe(f), f.value(u"DescripcionTipo"_s).toString()};
}

std::vector<FilaLeida> leerFilas(BaseDatos& base, int clase, const ClaveRetencion& clave)
{
    std::vector<FilaLeida> filas;
    for (const QSqlRecord& f : base.filas(
             u"SELECT g.*, t.Descripcion AS DescripcionTipo FROM Guias g "
             u"LEFT JOIN Tipos t ON t.Clase = ? AND t.Tipo = g.Tipo "
             u"WHERE g.IdCabecera = ? AND g.Nro_Comprobante = ? ORDER BY g.Nro_clave"_s,
             {clase, clave.idCabecera, clave.nroComprobante}))
        filas.push_back(filaLeidaDe(f));
    return filas;
}

QString agente(const QString& nro)
{
    return conMascara(nro.trimmed(), u"#####-#"_s);
}

QString cantidad(const Guia& g)
{
    return textoNumero(Importe::desdeDouble(g.cantidad.value_or(0)), QLocale());
}

Importe total(const std::vector<FilaLeida>& filas)
{
    Importe t;
    for (const FilaLeida& f : filas) t += f.guia.total.value_or(Importe());
    return t;
}

void bienes(DetalleImpreso& d, const std::vector<FilaLeida>& filas, bool alimentos)
{
    TablaReporte& t = d.tabla;
    if (alimentos) {
        d.titulo = u"Conceptos transportados"_s;
        t.columnas = {{u"Concepto"_s, 70}, {u"Cantidad"_s, 18, Alineacion::Derecha},
                      {u"Valor unitario"_s, 24, Alineacion::Derecha},
                      {u"Total"_s, 26, Alineacion::Derecha},
                      {u"Nº de comprobante"_s, 28, Alineacion::Centro}};
        for (const FilaLeida& f : filas)
            t.detalle({f.descripcion, cantidad(f.guia), pesos(f.guia.valorUnitario.value_or(Importe())),
                       pesos(f.guia.total.value_or(Importe())), f.guia.nroPorte.value_or(QString())});
        if (!filas.empty()) t.total({u"Total"_s, {}, {}, pesos(total(filas)), {}});
    } else {
        d.titulo = u"Guías de traslado"_s;
        t.columnas = {{u"Nº de guía"_s, 26, Alineacion::Centro}, {u"Ganado"_s, 62},
                      {u"Cantidad"_s, 18, Alineacion::Derecha},
                      {u"Valor unitario"_s, 24, Alineacion::Derecha},
                      {u"Total"_s, 26, Alineacion::Derecha}};
        for (const FilaLeida& f : filas)
            t.detalle({f.guia.nroGuia.value_or(QString()), f.descripcion, cantidad(f.guia),
                       pesos(f.guia.valorUnitario.value_or(Importe())),
                       pesos(f.guia.total.value_or(Importe()))});
        if (!filas.empty()) t.total({u"Total"_s, {}, {}, {}, pesos(total(filas))});
    }
    t.sinFilas = u"El comprobante no tiene detalle."_s;
}

void obleas(DetalleImpreso& d, const std::vector<FilaLeida>& filas)
{
    d.titulo = u"Obleas"_s;
    TablaReporte& t = d.tabla;
    t.columnas = {{u"Nº de oblea"_s, 26, Alineacion::Centro}, {u"Producto"_s, 62},
                  {u"Carta de porte / remito"_s, 40, Alineacion::Centro},
                  {u"Valor"_s, 28, Alineacion::Derecha}};
    for (const FilaLeida& f : filas)
        t.detalle({f.guia.nroGuia.value_or(QString()), f.descripcion,
                   f.guia.nroPorte.value_or(QString()), pesos(f.guia.total.value_or(Importe()))});
    if (!filas.empty()) t.total({u"Total"_s, {}, {}, pesos(total(filas))});
    t.sinFilas = u"El comprobante no tiene obleas."_s;
}

void anticipos(DetalleImpreso& d, const std::vector<FilaLeida>& filas, bool conOblea)
{
    d.titulo = u"Anticipos deducidos"_s;
    TablaReporte& t = d.tabla;
    if (conOblea) {
        t.columnas = {{u"Agente"_s, 24, Alineacion::Centro},
                      {u"Nº de comprobante del anticipo"_s, 40, Alineacion::Centro},
                      {u"Oblea"_s, 26, Alineacion::Centro},
                      {u"Carta de porte"_s, 34, Alineacion::Centro},
                      {u"Monto"_s, 28, Alineacion::Derecha}};
        for (const FilaLeida& f : filas)
            t.detalle({agente(f.guia.nroAgente), f.guia.nroAnticipo.value_or(QString()),
                       f.guia.nroGuia.value_or(QString()), f.guia.nroPorte.value_or(QString()),
                       pesos(f.guia.total.value_or(Importe()))});
        if (!filas.empty()) t.total({u"Total"_s, {}, {}, {}, pesos(total(filas))});
    } else {
        t.columnas = {{u"Agente"_s, 40, Alineacion::Centro},
                      {u"Nº de comprobante del anticipo"_s, 70, Alineacion::Centro},
                      {u"Monto"_s, 42, Alineacion::Derecha}};
        for (const FilaLeida& f : filas)
            t.detalle({agente(f.guia.nroAgente), f.guia.nroAnticipo.value_or(QString()),
                       pesos(f.guia.total.value_or(Importe()))});
        if (!filas.empty()) t.total({u"Total"_s, {}, pesos(total(filas))});
    }
    t.sinFilas = u"No se dedujeron anticipos."_s;
}

// The fine collected with a police receipt and the officer who collected it; an officer since
// deleted is still named by his number.
QList<CampoReporte> multa(BaseDatos& base, const ClaveRetencion& clave)
{
    const std::optional<MultaCobrada> m = leerMultaCobrada(base, clave);
    if (!m) return {{u"Multa"_s, u"El comprobante no tiene multa."_s, 4}};
    const std::optional<Policia> registrado = leerPolicia(base, m->codPolicia);
    const QString nombre = registrado ? registrado->nombre.trimmed() : QString();
    const QString policia = QString::number(m->codPolicia) + u" - "_s
                            + (nombre.isEmpty() ? u"(no registrado)"_s : nombre);
    const QString hora = m->horaCobro ? m->horaCobro->toString(u"HH:mm"_s) : QString();
    return {{u"Agente de policía"_s, policia, 2},
            {u"Cobrada el"_s,
             (fechaImpresa(m->fechaCobro.value_or(QDate()).toString(Qt::ISODate)) + u" "_s + hora)
                 .trimmed()},
            {u"Multa"_s, pesos(m->importeMulta.value_or(Importe()))}};
}

} // namespace

DetalleImpreso leerDetalleImpreso(BaseDatos& base, VarianteComprobante variante,
                                  const ReglasRegimen& reglas, const ClaveRetencion& clave)
{
    DetalleImpreso d;
    if (variante == VarianteComprobante::General) return d;
    const std::vector<FilaLeida> filas = leerFilas(base, reglas.claseTipos, clave);
    switch (variante) {
    case VarianteComprobante::General: break;
    case VarianteComprobante::Bienes:
        bienes(d, filas, reglas.detalle == ModoDetalle::Alimentos);
        break;
    case VarianteComprobante::Obleas: obleas(d, filas); break;
    case VarianteComprobante::Anticipos:
    case VarianteComprobante::AnticiposSinOblea:
        anticipos(d, filas, false);
        break;
    case VarianteComprobante::AnticiposConOblea: anticipos(d, filas, true); break;
    case VarianteComprobante::Policial:
        obleas(d, filas);
        d.campos = multa(base, clave);
        break;
    }
    if (variante == VarianteComprobante::Anticipos || variante == VarianteComprobante::AnticiposConOblea
        || variante == VarianteComprobante::AnticiposSinOblea) {
        const QVariant otras = base.valor(
            u"SELECT Otras_Reten FROM Retenciones_B WHERE IdCabecera = ? AND Nro_Comprobante = ?"_s,
            {clave.idCabecera, clave.nroComprobante});
        d.campos = {{u"Otras retenciones deducidas (anticipos)"_s,
                     pesos(Importe::desdeColumna(otras))}};
    }
    return d;
}
