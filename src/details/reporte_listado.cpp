#include "details/reporte_listado.h"

#include "common/regimenes.h"
#include "database/base_datos.h"
#include "database/codigos.h"
#include "database/filas.h"
#include "database/importe.h"
#include "reports/bloques_reporte.h"
#include "reports/consulta_filas.h"
#include "reports/formato_reporte.h"
#include "reports/identidad_declaracion.h"

#include <QSqlQuery>

using namespace Qt::Literals::StringLiterals;

namespace {

// The sums of the annulled receipts or of the others.
struct Suma {
    qint64 cantidad = 0;
    Importe bruto;
    Importe retenido;
    Importe otro;

    void sumar(const Suma& s)
    {
        cantidad += s.cantidad;
        bruto += s.bruto;
        retenido += s.retenido;
        otro += s.otro;
    }
};

class ReporteListado final : public Reporte {
public:
    explicit ReporteListado(bool otrosImportes) : otrosImportes_(otrosImportes) {}

    QString titulo() const override { return u"Listado de Retenciones/Percepciones"_s; }
    QString nombreArchivo() const override
    {
        return nombreArchivoDocumento(titulo(), identidad_);
    }

    void leer(BaseDatos& base, const QVariantMap& seleccion) override
    {
        base_ = &base;
        id_ = seleccion.value(kSeleccionCabecera).toLongLong();
        identidad_ = leerIdentidad(base, id_);
        if (identidad_.codRegimen.isEmpty()) return;  // no such declaration
        hay_ = true;
        const OtrosImportes otros = reglasRegimen(identidad_.codRegimen).otrosImportes;
        if (otrosImportes_ && otros == OtrosImportes::OtrasRetenciones) {
            otro_ = u"b.Otras_Reten"_s;
            union_ = u" LEFT JOIN Retenciones_B b ON b.IdCabecera = r.IdCabecera "
                     u"AND b.Nro_Comprobante = r.Nro_Comprobante"_s;
            tituloOtro_ = u"Otras ret."_s;
        } else if (otrosImportes_ && otros == OtrosImportes::Multa) {
            otro_ = u"m.Importe_Multa"_s;
            union_ = u" LEFT JOIN Multas_cobradas m ON m.IdCabecera = r.IdCabecera "
                     u"AND m.Nro_Comprobante = r.Nro_Comprobante"_s;
            tituloOtro_ = u"Multa"_s;
        }
    }

    bool tieneDatos() const override { return hay_; }

    void pintar(Lienzo& lienzo) const override
    {
        lienzo.setPie(titulo() + u"   -   "_s + identidad_.nroAgente + u" / "_s
                      + identidad_.sucursal + u"   -   "_s + periodo(identidad_));
        pintarTitulo(lienzo, u"LISTADO DE RETENCIONES / PERCEPCIONES"_s,
                     u"Declaración jurada de "_s + periodo(identidad_));
        pintarSeccion(lienzo, u"Agente de recaudación"_s);
        pintarCampos(lienzo, camposIdentidad(identidad_), 4);

        const bool conOtro = !tituloOtro_.isEmpty();
        TablaReporte t;
        t.columnas = {{u"Comprob."_s, 18, Alineacion::Centro},
                      {u"Día"_s, 8, Alineacion::Centro},
                      {u"Inscripción"_s, 24, Alineacion::Centro},
                      {u"Sujeto ret./perc."_s, 54},
                      {u"Cpto."_s, 9, Alineacion::Centro},
                      {u"Importe bruto"_s, 24, Alineacion::Derecha},
                      {u"Alíc. %"_s, 12, Alineacion::Derecha},
                      {u"Ret./Perc."_s, 22, Alineacion::Derecha}};
        if (conOtro) t.columnas.push_back({tituloOtro_, 20, Alineacion::Derecha});
        t.columnas.push_back({u"Estado"_s, 14, Alineacion::Centro});

        // The receipts are read as the sheets are laid out; the totals close the table.
        const auto fila = [conOtro](const QSqlQuery& q) {
            const Retencion r = retencionDe(q, 2);
            const bool anulada = r.estado.trimmed() == estado_retencion::Anulada;
            QStringList celdas = {r.nroComprobante,
                                  r.dia,
                                  conMascara(r.nroContrib.trimmed(), u"###-######-#"_s),
                                  q.value(0).toString().trimmed(),
                                  r.codConcepto,
                                  numero(r.importeBruto.value_or(Importe())),
                                  porcentaje(r.alicuota.value_or(Importe())),
                                  numero(r.importeRet.value_or(Importe()))};
            if (conOtro) celdas << numero(Importe::desdeColumna(q.value(1)));
            celdas << (anulada ? u"Anulada"_s : u"Ok"_s);
            return FilaTabla{FilaTabla::Tipo::Detalle, celdas};
        };
        const auto filas = [this](const QString& condicion) {
            return u"SELECT s.Razon_Social, "_s + otro_ + u", "_s + camposRetencion(u"r."_s)
                   + u" FROM Retenciones r "
                     u"LEFT JOIN Contribuyentes s ON s.Nro_Contrib = r.Nro_Contrib"_s
                   + union_ + u" WHERE r.IdCabecera = ?"_s + condicion
                   + u" ORDER BY r.Nro_Comprobante, r.rowid"_s;
        };
        auto consulta = std::make_shared<ConsultaFilas>(
            *base_, filas({}), QVariantList{id_}, fila,
            [this, conOtro] { return totales(conOtro); });
        // A sheet far down starts at its receipt, found in the index (the joins keep one row per
        // receipt).
        consulta->setSalto(u"SELECT Nro_Comprobante, rowid FROM Retenciones WHERE IdCabecera = ? "
                           u"ORDER BY Nro_Comprobante, rowid"_s,
                           filas(u" AND (r.Nro_Comprobante, r.rowid) >= (?, ?)"_s));
        t.fuente = std::move(consulta);
        t.sinFilas = u"La declaración no tiene retenciones ni percepciones."_s;
        pintarSeccion(lienzo, u"Retenciones / Percepciones"_s);
        pintarTabla(lienzo, t);
    }

private:
    // The closing rows: the valid receipts, the annulled ones and all of them, summed by the
    // engine over the same rows the table lists; none when it lists none.
    QList<FilaTabla> totales(bool conOtro) const
    {
        Suma validas;
        Suma anuladas;
        base_->recorrer(u"SELECT TRIM(r.Estado) = ?, COUNT(*), SUM(r.Importe_Bruto), "
                        u"SUM(r.Importe_Ret), SUM("_s
                            + otro_ + u") FROM Retenciones r"_s + union_
                            + u" WHERE r.IdCabecera = ? GROUP BY 1"_s,
                        {estado_retencion::Anulada, id_}, [&](const QSqlQuery& q) {
                            Suma& s = q.value(0).toBool() ? anuladas : validas;
                            s.cantidad = q.value(1).toLongLong();
                            s.bruto = Importe::desdeColumna(q.value(2));
                            s.retenido = Importe::desdeColumna(q.value(3));
                            s.otro = Importe::desdeColumna(q.value(4));
                        });
        if (validas.cantidad + anuladas.cantidad == 0) return {};
        const auto total = [&](const QString& rotulo, const Suma& s) {
            const QString cantidad = QString::number(s.cantidad)
                                     + (s.cantidad == 1 ? u" comprobante"_s : u" comprobantes"_s);
            QStringList celdas = {rotulo, {}, {}, cantidad, {}, numero(s.bruto), {},
                                  numero(s.retenido)};
            if (conOtro) celdas << numero(s.otro);
            celdas << QString();
            return celdas;
        };
        Suma todas = validas;
        todas.sumar(anuladas);
        return {{FilaTabla::Tipo::Subtotal, total(u"Válidas"_s, validas)},
                {FilaTabla::Tipo::Subtotal, total(u"Anuladas"_s, anuladas)},
                {FilaTabla::Tipo::Total, total(u"Total"_s, todas)}};
    }

    bool otrosImportes_;
    bool hay_ = false;
    BaseDatos* base_ = nullptr;
    qint64 id_ = 0;
    IdentidadDeclaracion identidad_;
    QString otro_ = u"0"_s;  // the other amount's column, when the listing shows one
    QString union_;          // the join that brings it
    QString tituloOtro_;
};

} // namespace

QString nombreReporteListado(bool otrosImportes)
{
    return otrosImportes ? u"Retenc_b.rpt"_s : u"Retenc.rpt"_s;
}

TrabajoImpresion pedidoListado(bool otrosImportes, qint64 idCabecera)
{
    return {.reporte = nombreReporteListado(otrosImportes),
            .seleccion = {{kSeleccionCabecera, idCabecera}}};
}

std::unique_ptr<Reporte> crearReporteListado(bool otrosImportes)
{
    return std::make_unique<ReporteListado>(otrosImportes);
}
