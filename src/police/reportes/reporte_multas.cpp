#include "police/reportes/reporte_multas.h"

#include "database/base_datos.h"
#include "database/codigos.h"
#include "database/filas.h"
#include "database/importe.h"
#include "reports/bloques_reporte.h"
#include "reports/formato_reporte.h"
#include "reports/identidad_declaracion.h"

#include <set>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

struct MultaImpresa {
    QString comprobante;
    QString fecha;
    QString hora;
    bool anulado = false;
    Importe importe;
};

struct PoliciaImpreso {
    QString titulo;  // number, name and what identifies the officer
    std::vector<MultaImpresa> multas;
};

class ReporteMultas final : public Reporte {
public:
    QString titulo() const override { return u"Multas de la declaración jurada"_s; }
    QString nombreArchivo() const override
    {
        return hayDatos_ ? nombreArchivoDocumento(u"Multas"_s, declaracion_) : titulo();
    }

    void leer(BaseDatos& base, const QVariantMap&) override
    {
        const auto fila =
            base.fila(u"SELECT * FROM Tmp_Informe_Turno ORDER BY rowid LIMIT 1"_s);
        if (!fila) return;
        const FilaInformeTurno informe = filaInformeTurnoDe(*fila);
        hayDatos_ = true;
        declaracion_ = leerIdentidad(base, informe.idCabecera);
        generado_ = (informe.fechaDesde.toString(u"dd/MM/yyyy"_s) + u" "_s
                     + informe.horaDesde.toString(u"HH:mm"_s))
                        .trimmed();

        // The declaration's annulled receipts: their fines are marked.
        std::set<QString> anulados;
        for (const QSqlRecord& f : base.filas(u"SELECT * FROM Retenciones WHERE IdCabecera = ?"_s,
                                              {declaracion_.idCabecera})) {
            const Retencion r = retencionDe(f);
            if (r.estado.trimmed() == estado_retencion::Anulada) anulados.insert(r.nroComprobante);
        }
        qint64 anterior = -1;
        for (const QSqlRecord& f : base.filas(u"SELECT * FROM Multas_cobradas WHERE IdCabecera = ? "
                                              u"ORDER BY CodPolicia, Nro_Comprobante"_s,
                                              {declaracion_.idCabecera})) {
            const MultaCobrada m = multaCobradaDe(f);
            if (policias_.empty() || m.codPolicia != anterior) {
                anterior = m.codPolicia;
                policias_.push_back({tituloPolicia(m.codPolicia, leerPolicia(base, m.codPolicia)),
                                     {}});
            }
            policias_.back().multas.push_back(
                {m.nroComprobante, m.fechaCobro.value_or(QDate()).toString(u"dd/MM/yyyy"_s),
                 m.horaCobro.value_or(QTime()).toString(u"HH:mm"_s),
                 anulados.contains(m.nroComprobante), m.importeMulta.value_or(Importe())});
        }
    }

    bool tieneDatos() const override { return hayDatos_; }

    void pintar(Lienzo& lienzo) const override
    {
        pintarTitulo(lienzo, u"DECLARACIÓN JURADA DE MULTAS"_s,
                     u"Puesto de control policial - Multas cobradas por agente de policía"_s);
        QList<CampoReporte> campos = camposIdentidad(
            declaracion_, {.domicilio = false, .rectificacion = true, .periodo = {}});
        campos.push_back({u"Archivo generado el"_s, generado_});
        pintarCampos(lienzo, campos, 4);

        TablaReporte tabla;
        tabla.columnas = {{u"Comprobante"_s, 30, Alineacion::Centro},
                          {u"Fecha de cobro"_s, 30, Alineacion::Centro},
                          {u"Hora"_s, 20, Alineacion::Centro},
                          {u"Estado del comprobante"_s, 52},
                          {u"Multa"_s, 30, Alineacion::Derecha}};
        Importe total;
        qint64 cantidad = 0;
        for (const PoliciaImpreso& p : policias_) {
            tabla.grupo(p.titulo);
            Importe subtotal;
            for (const MultaImpresa& m : p.multas) {
                tabla.detalle({m.comprobante, m.fecha, m.hora,
                               m.anulado ? u"ANULADO"_s : QString(), pesos(m.importe)});
                subtotal += m.importe;
            }
            tabla.subtotal({QString(), QString(), QString(),
                            u"%1 multa(s) del agente"_s.arg(p.multas.size()), pesos(subtotal)});
            total += subtotal;
            cantidad += qint64(p.multas.size());
        }
        if (!policias_.empty())
            tabla.total({u"Total"_s, QString(), QString(),
                         u"%1 multa(s) de la declaración"_s.arg(cantidad), pesos(total)});
        tabla.sinFilas = u"La declaración no tiene multas cobradas."_s;
        pintarTabla(lienzo, tabla);
        pintarFirmas(lienzo, {u"Lugar y fecha"_s, u"Firma y sello del agente de recaudación"_s});
    }

private:
    static QString tituloPolicia(qint64 codigo, const std::optional<Policia>& p)
    {
        if (!p) return u"Agente de policía Nº %1 (no registrado)"_s.arg(codigo);
        QString t =
            u"Agente de policía Nº %1 - %2"_s.arg(QString::number(codigo), p->nombre.trimmed());
        if (p->legajo) t += u"   Legajo "_s + QString::number(*p->legajo);
        if (p->dni) t += u"   "_s + p->tipo.trimmed() + u" "_s + QString::number(*p->dni);
        const QString cuenta = p->nroCuentaBanco.trimmed();
        if (!cuenta.isEmpty()) t += u"   Cuenta "_s + cuenta;
        return t;
    }

    bool hayDatos_ = false;
    IdentidadDeclaracion declaracion_;
    QString generado_;
    std::vector<PoliciaImpreso> policias_;
};

} // namespace

TrabajoImpresion pedidoMultas()
{
    return {.reporte = kReporteMultas};
}

std::unique_ptr<Reporte> crearReporteMultas()
{
    return std::make_unique<ReporteMultas>();
}
