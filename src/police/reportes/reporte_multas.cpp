#include "police/reportes/reporte_multas.h"

#include "common/estados.h"
#include "database/base_datos.h"
#include "database/importe.h"
#include "reports/bloques_reporte.h"
#include "reports/formato_reporte.h"
#include "reports/identidad_declaracion.h"

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
        const auto fila = base.fila(
            u"SELECT IdCabecera, Fecha_Desde, Hora_Desde FROM Tmp_Informe_Turno "
            u"ORDER BY rowid LIMIT 1"_s);
        if (!fila) return;
        hayDatos_ = true;
        declaracion_ = leerIdentidad(base, fila->value(0).toLongLong());
        generado_ = (fechaImpresa(fila->value(1).toString()) + u" "_s
                     + fila->value(2).toString().left(5))
                        .trimmed();

        qint64 anterior = -1;
        for (const QSqlRecord& f : base.filas(
                 u"SELECT m.CodPolicia, m.Nro_Comprobante, m.Importe_Multa, m.Fecha_cobro, "
                 u"m.Hora_Cobro, p.CodPolicia AS Registrado, p.Nombre, p.Legajo, p.Tipo, p.DNI, "
                 u"p.Nro_cuenta_banco, r.Estado FROM Multas_cobradas m "
                 u"LEFT JOIN Policias p ON p.CodPolicia = m.CodPolicia "
                 u"LEFT JOIN Retenciones r ON r.IdCabecera = m.IdCabecera "
                 u"AND r.Nro_Comprobante = m.Nro_Comprobante "
                 u"WHERE m.IdCabecera = ? ORDER BY m.CodPolicia, m.Nro_Comprobante"_s,
                 {declaracion_.idCabecera})) {
            const qint64 codigo = f.value(0).toLongLong();
            if (policias_.empty() || codigo != anterior) {
                anterior = codigo;
                policias_.push_back({tituloPolicia(f), {}});
            }
            policias_.back().multas.push_back(
                {f.value(1).toString(), fechaImpresa(f.value(3).toString()),
                 f.value(4).toString().left(5),
                 f.value(11).toString().trimmed() == estado_retencion::Anulada,
                 Importe::desdeColumna(f.value(2))});
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
    static QString tituloPolicia(const QSqlRecord& f)
    {
        const QString codigo = f.value(0).toString();
        if (f.value(5).isNull()) return u"Agente de policía Nº %1 (no registrado)"_s.arg(codigo);
        QString t = u"Agente de policía Nº %1 - %2"_s.arg(codigo, f.value(6).toString().trimmed());
        if (!f.value(7).isNull()) t += u"   Legajo "_s + f.value(7).toString();
        if (!f.value(9).isNull())
            t += u"   "_s + f.value(8).toString().trimmed() + u" "_s + f.value(9).toString();
        const QString cuenta = f.value(10).toString().trimmed();
        if (!cuenta.isEmpty()) t += u"   Cuenta "_s + cuenta;
        return t;
    }

    bool hayDatos_ = false;
    IdentidadDeclaracion declaracion_;
    QString generado_;
    std::vector<PoliciaImpreso> policias_;
};

} // namespace

std::unique_ptr<Reporte> crearReporteMultas()
{
    return std::make_unique<ReporteMultas>();
}
