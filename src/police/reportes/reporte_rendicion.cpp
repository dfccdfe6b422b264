#include "police/reportes/reporte_rendicion.h"

#include "database/base_datos.h"
#include "database/codigos.h"
#include "database/filas.h"
#include "police/conteo_estampillas.h"
#include "police/rendicion_turno.h"
#include "reports/bloques_reporte.h"
#include "reports/formato_reporte.h"
#include "reports/identidad_declaracion.h"

#include <QLocale>
#include <map>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

// The class of `Tipos` that holds the stamps of the police checkpoints.
constexpr int kClaseEstampillas = 2;

struct Existencia {
    qint64 tipo = 0;
    QString descripcion;
    qint64 inicial = 0;
    qint64 nuevas = 0;
    qint64 vendidas = 0;
    qint64 final = 0;
};

struct Estampilla {
    qint64 tipo = 0;
    QString descripcion;
    Importe importe;
};

struct Recibo {
    QString nro;
    QString policia;  // "7 - GARCIA JUAN"
    Importe multa;
    bool anulado = false;
    std::vector<Estampilla> estampillas;
};

QString cantidad(qint64 n)
{
    return QLocale().toString(n);
}

QString letra(qint64 tipo)
{
    return tipo >= 1 && tipo <= 26 ? QString(QChar(char16_t(u'A' + tipo - 1))) : QString::number(tipo);
}

class ReporteRendicion final : public Reporte {
public:
    QString titulo() const override { return u"Rendición detallada del turno"_s; }
    QString nombreArchivo() const override
    {
        return hayDatos_ ? nombreArchivoDocumento(u"Rendicion "_s + desde_.toString(u"yyyyMMdd"_s),
                                                  declaracion_)
                         : titulo();
    }

    void leer(BaseDatos& base, const QVariantMap&) override
    {
        std::map<qint64, QString> descripciones;  // of the stamp types
        for (const TipoEstampilla& t : tiposEstampilla(base, kClaseEstampillas))
            descripciones.emplace(t.tipo, t.descripcion);
        const auto descripcion = [&](qint64 tipo) {
            const auto d = descripciones.find(tipo);
            return d != descripciones.end() ? d->second : QString();
        };

        std::map<QString, std::size_t> porNumero;
        for (const QSqlRecord& f : base.filas(
                 u"SELECT * FROM Tmp_Informe_Turno ORDER BY Tipo_Registro, rowid"_s)) {
            const FilaInformeTurno i = filaInformeTurnoDe(f);
            if (!hayDatos_) {
                hayDatos_ = true;
                declaracion_ = leerIdentidad(base, i.idCabecera);
                desde_ = i.fechaDesde;
                leerTurno(base, i.horaDesde);
            }
            if (i.tipoRegistro == registro_informe::Estampillas) {
                existencias_.push_back({i.tipo, descripcion(i.tipo), i.cantidadInicial,
                                        i.nuevasXRemesas, i.cantidadVendidas, i.cantidadFinal});
                continue;
            }
            const QString nro = i.nroComprobante.trimmed();
            if (nro.isEmpty() || nro == u"0"_s) continue;  // the shift collected nothing
            auto [lugar, nuevo] = porNumero.try_emplace(nro, recibos_.size());
            if (nuevo) {
                Recibo r;
                r.nro = nro;
                const std::optional<Policia> policia = leerPolicia(base, i.codPolicia);
                const QString nombre = policia ? policia->nombre.trimmed() : QString();
                r.policia = QString::number(i.codPolicia) + u" - "_s
                            + (nombre.isEmpty() ? u"(no registrado)"_s : nombre);
                r.multa = i.importeMulta;
                const std::optional<Retencion> recibo =
                    leerRetencion(base, {i.idCabecera, i.nroComprobante});
                r.anulado = recibo && recibo->estado.trimmed() == estado_retencion::Anulada;
                recibos_.push_back(r);
            }
            recibos_[lugar->second].estampillas.push_back(
                {i.tipo, descripcion(i.tipo), i.importeEstampilla});
        }
    }

    bool tieneDatos() const override { return hayDatos_; }

    void pintar(Lienzo& lienzo) const override
    {
        pintarTitulo(lienzo, u"RENDICIÓN DETALLADA DEL TURNO"_s,
                     u"Puesto de control policial - Multas y estampillas"_s,
                     abierto_ ? u"BORRADOR"_s : QString());
        QList<CampoReporte> campos = camposIdentidad(
            declaracion_, {.domicilio = false, .rectificacion = true, .periodo = {}});
        campos.push_back({u"Inicio del turno"_s,
                          desde_.toString(u"dd/MM/yyyy"_s) + u" "_s + horaDesde_});
        campos.push_back({u"Fin del turno"_s,
                          abierto_ ? u"(turno abierto)"_s : hasta_});
        pintarCampos(lienzo, campos, 4);

        pintarSeccion(lienzo, u"Detalle de estampillas"_s);
        TablaReporte stock;
        stock.columnas = {{u"Tipo"_s, 10, Alineacion::Centro}, {u"Estampilla"_s, 60},
                          {u"Al inicio"_s, 22, Alineacion::Derecha},
                          {u"Nuevas por remesas"_s, 30, Alineacion::Derecha},
                          {u"Vendidas"_s, 22, Alineacion::Derecha},
                          {u"Al final"_s, 22, Alineacion::Derecha}};
        for (const Existencia& e : existencias_)
            stock.detalle({letra(e.tipo), e.descripcion, cantidad(e.inicial), cantidad(e.nuevas),
                           cantidad(e.vendidas), cantidad(e.final)});
        pintarTabla(lienzo, stock);

        pintarSeccion(lienzo, u"Comprobantes con multa del turno"_s);
        TablaReporte tabla;
        tabla.columnas = {{u"Comprobante"_s, 24, Alineacion::Centro},
                          {u"Agente de policía"_s, 48},
                          {u"Estampilla"_s, 66},
                          {u"Importe"_s, 24, Alineacion::Derecha},
                          {u"Multa"_s, 24, Alineacion::Derecha}};
        Importe totalEstampillas, totalMultas;
        for (const Recibo& r : recibos_) {
            Importe estampillas;
            bool primera = true;
            for (const Estampilla& e : r.estampillas) {
                tabla.detalle({primera ? r.nro : QString(), primera ? r.policia : QString(),
                               letra(e.tipo) + u" - "_s + e.descripcion, pesos(e.importe),
                               QString()});
                estampillas += e.importe;
                primera = false;
            }
            tabla.subtotal({r.anulado ? u"ANULADO"_s : QString(), QString(),
                            u"Comprobante "_s + r.nro, pesos(estampillas), pesos(r.multa)});
            if (!r.anulado) {
                totalEstampillas += estampillas;
                totalMultas += r.multa;
            }
        }
        if (!recibos_.empty())
            tabla.total({u"Total"_s, QString(), u"(sin los anulados)"_s, pesos(totalEstampillas),
                         pesos(totalMultas)});
        tabla.sinFilas = u"No se cobraron multas en el turno."_s;
        pintarTabla(lienzo, tabla);
        pintarFirmas(lienzo, {u"Firma del responsable del turno"_s,
                              u"Firma del agente de recaudación"_s});
    }

private:
    // The shift, known by its declaration and its start instant.
    void leerTurno(BaseDatos& base, const QTime& hora)
    {
        horaDesde_ = hora.toString(u"HH:mm"_s);
        const auto fila = base.fila(
            u"SELECT * FROM Turnos WHERE IdCabecera = ? AND Fecha_Desde = ? AND Hora_Desde = ?"_s,
            {declaracion_.idCabecera, desde_.toString(Qt::ISODate), hora.toString(u"HH:mm:ss"_s)});
        if (!fila) return;
        const Turno turno = turnoDe(*fila);
        abierto_ = turno.abierto();
        if (!abierto_)
            hasta_ = turno.fechaHasta->toString(u"dd/MM/yyyy"_s) + u" "_s
                     + turno.horaHasta.value_or(QTime()).toString(u"HH:mm"_s);
    }

    bool hayDatos_ = false;
    IdentidadDeclaracion declaracion_;
    QDate desde_;
    QString horaDesde_;
    bool abierto_ = false;
    QString hasta_;
    std::vector<Existencia> existencias_;
    std::vector<Recibo> recibos_;
};

} // namespace

TrabajoImpresion pedidoRendicion()
{
    return {.reporte = kReporteRendicion};
}

std::unique_ptr<Reporte> crearReporteRendicion()
{
    return std::make_unique<ReporteRendicion>();
}
