#include "police/reportes/reporte_detalle_intervenciones.h"

#include "database/base_datos.h"
#include "reports/bloques_reporte.h"
#include "reports/formato_reporte.h"
#include "reports/identidad_declaracion.h"

#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Intervencion {
    qint64 codPolicia = 0;
    QString policia;
    QStringList celdas;
};

class ReporteDetalleIntervenciones final : public Reporte {
public:
    QString titulo() const override { return u"Detalle de intervenciones"_s; }
    QString nombreArchivo() const override
    {
        return leida_ ? nombreArchivoDocumento(titulo(), declaracion_) : titulo();
    }

    void leer(BaseDatos& base, const QVariantMap& seleccion) override
    {
        const qint64 id = seleccion.value(u"IdCabecera"_s).toLongLong();
        if (!base.existe(u"SELECT 1 FROM Cabeceras WHERE IdCabecera = ?"_s, {id})) return;
        leida_ = true;
        declaracion_ = leerIdentidad(base, id);
        for (const QSqlRecord& f : base.filas(
                 u"SELECT i.CodPolicia, p.CodPolicia, p.Nombre, i.Fecha, i.Nro_Carta_Porte, "
                 u"i.Grano, g.Nombre, i.Nro_Oblea, i.Cuit_Remitente, i.Procedencia, i.Movimiento "
                 u"FROM Intervenciones i LEFT JOIN Policias p ON p.CodPolicia = i.CodPolicia "
                 u"LEFT JOIN Granos g ON g.Grano = i.Grano WHERE i.IdCabecera = ? "
                 u"ORDER BY i.CodPolicia, i.Fecha, i.Nro_Carta_Porte, i.Grano"_s,
                 {id})) {
            const QString codigo = f.value(0).toString();
            const QString nombre = f.value(2).toString().trimmed();
            const QString grano = f.value(5).toString().rightJustified(2, u'0') + u" "_s
                                  + f.value(6).toString().trimmed();
            intervenciones_.push_back(
                {f.value(0).toLongLong(),
                 f.value(1).isNull() ? u"Agente de policía Nº %1 (no registrado)"_s.arg(codigo)
                                     : u"Agente de policía Nº %1 - %2"_s.arg(codigo, nombre),
                 {fechaImpresa(f.value(3).toString()), f.value(4).toString(), grano.trimmed(),
                  f.value(7).toString().trimmed(), cuitImpreso(f.value(8).toString()),
                  f.value(9).toString().trimmed(), f.value(10).toBool() ? u"Sí"_s : QString()}});
        }
    }

    bool tieneDatos() const override { return leida_; }

    void pintar(Lienzo& lienzo) const override
    {
        pintarTitulo(lienzo, u"DETALLE DE INTERVENCIONES"_s,
                     u"Puesto de control policial - Intervenciones sobre el transporte de granos"_s);
        pintarCampos(lienzo,
                     camposIdentidad(declaracion_,
                                     {.domicilio = false, .rectificacion = true, .periodo = {}}),
                     4);
        TablaReporte tabla;
        tabla.columnas = {{u"Fecha"_s, 20, Alineacion::Centro},
                          {u"Carta de porte"_s, 27, Alineacion::Centro},
                          {u"Grano"_s, 36},
                          {u"Oblea"_s, 18, Alineacion::Centro},
                          {u"CUIT remitente"_s, 26, Alineacion::Centro},
                          {u"Procedencia"_s, 40},
                          {u"Ingreso"_s, 13, Alineacion::Centro}};
        for (std::size_t i = 0; i < intervenciones_.size();) {
            const qint64 codigo = intervenciones_[i].codPolicia;
            tabla.grupo(intervenciones_[i].policia);
            qint64 cantidad = 0;
            for (; i < intervenciones_.size() && intervenciones_[i].codPolicia == codigo; ++i) {
                tabla.detalle(intervenciones_[i].celdas);
                ++cantidad;
            }
            tabla.subtotal({QString(), QString(), QString(), QString(), QString(),
                            u"%1 intervención(es)"_s.arg(cantidad), QString()});
        }
        if (!intervenciones_.empty())
            tabla.total({u"Total"_s, QString(), QString(), QString(), QString(),
                         u"%1 intervención(es)"_s.arg(intervenciones_.size()), QString()});
        tabla.sinFilas = u"La declaración no tiene intervenciones."_s;
        pintarTabla(lienzo, tabla);
    }

private:
    bool leida_ = false;
    IdentidadDeclaracion declaracion_;
    std::vector<Intervencion> intervenciones_;
};

} // namespace

std::unique_ptr<Reporte> crearReporteDetalleIntervenciones()
{
    return std::make_unique<ReporteDetalleIntervenciones>();
}
