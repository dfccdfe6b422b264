#include "details/reporte_listado.h"

#include "common/estados.h"
#include "common/regimenes.h"
#include "database/base_datos.h"
#include "database/filas.h"
#include "database/importe.h"
#include "reports/bloques_reporte.h"
#include "reports/formato_reporte.h"
#include "reports/identidad_declaracion.h"

#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

struct FilaListado {
    Retencion retencion;
    QString sujeto;
    Importe otro;  // the other amount of Retenc_b.rpt
};

// A row of the listing's query: the receipt with "Sujeto" and "Otro".
FilaListado filaListadoDe(const QSqlRecord& f)
{
    return {retencionDe(f), f.value(u"Sujeto"_s).toString().trimmed(),
            Importe::desdeColumna(f.value(u"Otro"_s))};
}

struct Suma {
    qint64 cantidad = 0;
    Importe bruto;
    Importe retenido;
    Importe otro;

    void sumar(const FilaListado& f)
    {
        ++cantidad;
        bruto += f.retencion.importeBruto.value_or(Importe());
        retenido += f.retencion.importeRet.value_or(Importe());
        otro += f.otro;
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
        const qint64 id = seleccion.value(kSeleccionCabecera).toLongLong();
        identidad_ = leerIdentidad(base, id);
        if (identidad_.codRegimen.isEmpty()) return;  // no such declaration
        hay_ = true;
        const OtrosImportes otros = reglasRegimen(identidad_.codRegimen).otrosImportes;
        QString otro = u"0"_s;
        QString union_;
        if (otrosImportes_ && otros == OtrosImportes::OtrasRetenciones) {
            otro = u"b.Otras_Reten"_s;
            union_ = u" LEFT JOIN Retenciones_B b ON b.IdCabecera = r.IdCabecera "
                     u"AND b.Nro_Comprobante = r.Nro_Comprobante"_s;
            tituloOtro_ = u"Otras ret."_s;
        } else if (otrosImportes_ && otros == OtrosImportes::Multa) {
            otro = u"m.Importe_Multa"_s;
            union_ = u" LEFT JOIN Multas_cobradas m ON m.IdCabecera = r.IdCabecera "
                     u"AND m.Nro_Comprobante = r.Nro_Comprobante"_s;
            tituloOtro_ = u"Multa"_s;
        }
        for (const QSqlRecord& f : base.filas(
                 u"SELECT r.*, s.Razon_Social AS Sujeto, "_s + otro
                     + u" AS Otro FROM Retenciones r "
                       u"LEFT JOIN Contribuyentes s ON s.Nro_Contrib = r.Nro_Contrib"_s
                     + union_ + u" WHERE r.IdCabecera = ? ORDER BY r.Nro_Comprobante, r.rowid"_s,
                 {id})) {
            FilaListado fila = filaListadoDe(f);
            (fila.retencion.estado.trimmed() == estado_retencion::Anulada ? anuladas_ : validas_)
                .sumar(fila);
            filas_.push_back(std::move(fila));
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

        for (const FilaListado& f : filas_) {
            const Retencion& r = f.retencion;
            const bool anulada = r.estado.trimmed() == estado_retencion::Anulada;
            QStringList celdas = {r.nroComprobante,
                                  r.dia,
                                  conMascara(r.nroContrib.trimmed(), u"###-######-#"_s),
                                  f.sujeto,
                                  r.codConcepto,
                                  numero(r.importeBruto.value_or(Importe())),
                                  porcentaje(r.alicuota.value_or(Importe())),
                                  numero(r.importeRet.value_or(Importe()))};
            if (conOtro) celdas << numero(f.otro);
            celdas << (anulada ? u"Anulada"_s : u"Ok"_s);
            t.detalle(celdas);
        }
        const auto total = [&](const QString& rotulo, const Suma& s) {
            const QString cantidad = QString::number(s.cantidad)
                                     + (s.cantidad == 1 ? u" comprobante"_s : u" comprobantes"_s);
            QStringList celdas = {rotulo, {}, {}, cantidad, {}, numero(s.bruto), {},
                                  numero(s.retenido)};
            if (conOtro) celdas << numero(s.otro);
            celdas << QString();
            return celdas;
        };
        if (!filas_.empty()) {
            t.subtotal(total(u"Válidas"_s, validas_));
            t.subtotal(total(u"Anuladas"_s, anuladas_));
            Suma todas = validas_;
            todas.cantidad += anuladas_.cantidad;
            todas.bruto += anuladas_.bruto;
            todas.retenido += anuladas_.retenido;
            todas.otro += anuladas_.otro;
            t.total(total(u"Total"_s, todas));
        }
        t.sinFilas = u"La declaración no tiene retenciones ni percepciones."_s;
        pintarSeccion(lienzo, u"Retenciones / Percepciones"_s);
        pintarTabla(lienzo, t);
    }

private:
    bool otrosImportes_;
    bool hay_ = false;
    IdentidadDeclaracion identidad_;
    QString tituloOtro_;
    std::vector<FilaListado> filas_;
    Suma validas_;
    Suma anuladas_;
};

} // namespace

std::unique_ptr<Reporte> crearReporteListado(bool otrosImportes)
{
    return std::make_unique<ReporteListado>(otrosImportes);
}
