#include "police/reportes/reporte_detalle_intervenciones.h"

#include "database/base_datos.h"
#include "database/filas.h"
#include "reports/bloques_reporte.h"
#include "reports/formato_reporte.h"
#include "reports/identidad_declaracion.h"

#include <map>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

struct IntervencionImpresa {
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
        const qint64 id = seleccion.value(kSeleccionCabecera).toLongLong();
        if (!base.existe(u"SELECT 1 FROM Cabeceras WHERE IdCabecera = ?"_s, {id})) return;
        leida_ = true;
        declaracion_ = leerIdentidad(base, id);
        // Officers and grains repeat from one intervention to the next: each is read once.
        std::map<qint64, QString> policias;
        std::map<qint64, QString> granos;
        for (const QSqlRecord& f : base.filas(
                 u"SELECT * FROM Intervenciones WHERE IdCabecera = ? "
                 u"ORDER BY CodPolicia, Fecha, Nro_Carta_Porte, Grano"_s,
                 {id})) {
            const Intervencion i = intervencionDe(f);
            auto policia = policias.find(i.codPolicia);
            if (policia == policias.end())
                policia = policias.emplace(i.codPolicia, tituloPolicia(base, i.codPolicia)).first;
            auto grano = granos.find(i.grano);
            if (grano == granos.end()) {
                const std::optional<Grano> g = leerGrano(base, i.grano);
                grano = granos.emplace(i.grano, g ? g->nombre.trimmed() : QString()).first;
            }
            const QString nombreGrano =
                QString::number(i.grano).rightJustified(2, u'0') + u" "_s + grano->second;
            intervenciones_.push_back(
                {i.codPolicia, policia->second,
                 {i.fecha.value_or(QDate()).toString(u"dd/MM/yyyy"_s), i.nroCartaPorte,
                  nombreGrano.trimmed(), i.nroOblea.trimmed(), cuitImpreso(i.cuitRemitente),
                  i.procedencia.trimmed(), i.movimiento ? u"Sí"_s : QString()}});
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
    static QString tituloPolicia(BaseDatos& base, qint64 codigo)
    {
        const std::optional<Policia> p = leerPolicia(base, codigo);
        if (!p) return u"Agente de policía Nº %1 (no registrado)"_s.arg(codigo);
        return u"Agente de policía Nº %1 - %2"_s.arg(QString::number(codigo), p->nombre.trimmed());
    }

    bool leida_ = false;
    IdentidadDeclaracion declaracion_;
    std::vector<IntervencionImpresa> intervenciones_;
};

} // namespace

TrabajoImpresion pedidoDetalleIntervenciones(qint64 idCabecera)
{
    return {.reporte = kReporteDetalleIntervenciones,
            .seleccion = {{kSeleccionCabecera, idCabecera}}};
}

std::unique_ptr<Reporte> crearReporteDetalleIntervenciones()
{
    return std::make_unique<ReporteDetalleIntervenciones>();
}
