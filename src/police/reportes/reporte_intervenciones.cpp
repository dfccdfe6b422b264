#include "police/reportes/reporte_intervenciones.h"

#include "database/base_datos.h"
#include "database/entorno.h"
#include "database/filas.h"
#include "database/importe.h"
#include "reports/bloques_reporte.h"
#include "reports/formato_reporte.h"

#include <QLocale>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

struct LineaPolicia {
    QString legajo;
    QString nombre;
    QString cuenta;
    qint64 intervenciones = 0;
    qint64 total = 0;
};

class ReporteIntervenciones final : public Reporte {
public:
    QString titulo() const override { return u"Intervenciones realizadas"_s; }
    QString nombreArchivo() const override
    {
        return lineas_.empty() ? titulo()
                               : u"Intervenciones %1_%2_%3"_s.arg(nroAgente_, anio_, mes_);
    }

    void leer(BaseDatos& base, const QVariantMap&) override
    {
        for (const QSqlRecord& f :
             base.filas(u"SELECT * FROM Tmp_Intervenciones "
                        u"ORDER BY Legajo < 0, abs(Legajo), Nombre"_s)) {
            const IntervencionesPolicia i = intervencionesPoliciaDe(f);
            if (lineas_.empty()) {
                anio_ = i.anio.trimmed();
                mes_ = i.mes.trimmed();
                nroAgente_ = i.nroAgente.trimmed();
                razonSocial_ = i.razonSocial.trimmed();
            }
            const QString nombre = i.nombre.trimmed();
            // An officer without a file number, or since deleted (his number negated), shows none.
            lineas_.push_back({i.legajo > 0 ? QString::number(i.legajo) : QString(),
                               nombre.isEmpty() ? u"(sin datos del agente)"_s : nombre,
                               i.nroCuentaBanco.trimmed(), i.intervenciones, i.total});
        }
    }

    bool tieneDatos() const override { return !lineas_.empty(); }

    void pintar(Lienzo& lienzo) const override
    {
        pintarTitulo(lienzo, u"INTERVENCIONES REALIZADAS"_s,
                     u"Puesto de control policial - Intervenciones sobre el transporte de granos"_s);
        pintarCampos(lienzo,
                     {{u"Agente de recaudación"_s, razonSocial_, 2},
                      {u"Nº de agente"_s, formatoAgente(nroAgente_)},
                      {u"Período"_s, nombreMes(mes_) + u" de "_s + anio_}},
                     4);
        const QLocale locale;
        TablaReporte tabla;
        tabla.columnas = {{u"Legajo"_s, 20, Alineacion::Centro},
                          {u"Agente de policía"_s, 60},
                          {u"Cuenta bancaria"_s, 50},
                          {u"Intervenciones"_s, 26, Alineacion::Derecha},
                          {u"Importe"_s, 26, Alineacion::Derecha}};
        qint64 cantidad = 0;
        qint64 total = 0;
        for (const LineaPolicia& l : lineas_) {
            tabla.detalle({l.legajo, l.nombre, l.cuenta, locale.toString(l.intervenciones),
                           pesos(Importe::desdeEntero(l.total))});
            cantidad += l.intervenciones;
            total += l.total;
        }
        tabla.total({u"Total"_s, QString(), QString(), locale.toString(cantidad),
                     pesos(Importe::desdeEntero(total))});
        pintarTabla(lienzo, tabla);
        pintarFirmas(lienzo, {u"Lugar y fecha"_s, u"Firma y sello del agente de recaudación"_s});
    }

private:
    QString anio_;
    QString mes_;
    QString nroAgente_;
    QString razonSocial_;
    std::vector<LineaPolicia> lineas_;
};

} // namespace

TrabajoImpresion pedidoIntervenciones()
{
    return {.reporte = kReporteIntervenciones};
}

std::unique_ptr<Reporte> crearReporteIntervenciones()
{
    return std::make_unique<ReporteIntervenciones>();
}
