#include "declarations/reportes/reporte_boleta.h"

#include "database/base_datos.h"
#include "database/importe.h"
#include "platform/codigo_barras.h"
#include "reports/bloques_reporte.h"
#include "reports/formato_reporte.h"
#include "reports/identidad_declaracion.h"
#include "reports/impresos.h"

#include <optional>
#include <vector>

namespace {

struct CopiaBoleta {
    QString para;
    IdentidadDeclaracion declaracion;
    Importe total;
    Importe otrosPagos;
    Importe interes;
    // Worked out on reading, where an overflow is the engine's error, not a failed paint.
    Importe neto;
    Importe aPagar;
    QString texto;
    QString vencimiento;
    QString pago;
    QImage codigoBarras;
};

// The police shift a deposit slip is for.
struct TurnoBoleta {
    QString inicio;  // "DD/MM/YYYY HH:MM"
    Importe estampillas;
    Importe multas;
};

constexpr int kCopiasPorHoja = 3;
constexpr double kAltoCopia = Lienzo::kAltoA4 / kCopiasPorHoja;
constexpr double kMargen = 7.0;
constexpr double kAnchoBarra = 0.30;  // mm per narrow bar: what bank scanners read comfortably

class ReporteBoleta final : public Reporte {
public:
    explicit ReporteBoleta(bool deTurno) : deTurno_(deTurno) {}

    QString titulo() const override
    {
        return deTurno_ ? QStringLiteral("Boleta de Depósito del Turno")
                        : QStringLiteral("Boleta de Pago");
    }
    QString nombreArchivo() const override
    {
        return copias_.empty() ? titulo() : nombreArchivoDocumento(titulo(), copias_[0].declaracion);
    }

    void leer(BaseDatos& base, const QVariantMap&) override
    {
        if (deTurno_) leerTurno(base);
        for (const Impreso& fila : leerImpresos(base)) {
            CopiaBoleta c;
            c.para = fila.para.trimmed();
            c.declaracion = leerIdentidad(base, fila.idCabecera);
            c.total = fila.importe;
            c.otrosPagos = fila.importe1;
            c.texto = fila.texto.simplified();
            c.interes = fila.interes;
            c.neto = c.total - c.otrosPagos;
            c.aPagar = c.neto + c.interes;
            c.vencimiento = fechaImpresa(fila.fechaV);
            c.pago = fechaImpresa(fila.fechaP);
            if (!fila.codBar.isEmpty()) c.codigoBarras = QImage::fromData(fila.codBar);
            copias_.push_back(c);
        }
    }

    bool tieneDatos() const override { return !copias_.empty(); }

    void pintar(Lienzo& lienzo) const override
    {
        lienzo.setMargen(kMargen);
        for (std::size_t i = 0; i < copias_.size(); ++i) {
            const int lugar = int(i % kCopiasPorHoja);
            if (lugar == 0 && i > 0) lienzo.nuevaPagina();
            if (lugar > 0) pintarCorte(lienzo, kAltoCopia * lugar);
            lienzo.setY(kAltoCopia * lugar + (lugar == 0 ? kMargen : 4.0));
            pintarCopia(lienzo, copias_[i]);
        }
    }

private:
    // The shift of the slip: the one started at the instant the scratch row names.
    void leerTurno(BaseDatos& base)
    {
        const auto fila = base.fila(QStringLiteral(
            "SELECT t.Fecha_Desde, t.Hora_Desde, t.Total_Estampillas, t.Total_Multas "
            "FROM Tmp_Informe_Turno i "
            "INNER JOIN Turnos t ON t.IdCabecera = i.IdCabecera AND t.Fecha_Desde = i.Fecha_Desde "
            "AND t.Hora_Desde = i.Hora_Desde ORDER BY i.rowid LIMIT 1"));
        if (!fila) return;
        turno_ = TurnoBoleta{fechaImpresa(fila->value(0).toString()) + QLatin1Char(' ')
                                 + fila->value(1).toString().left(5),
                             Importe::desdeColumna(fila->value(2)),
                             Importe::desdeColumna(fila->value(3))};
    }

    void pintarCopia(Lienzo& lienzo, const CopiaBoleta& c) const
    {
        const IdentidadDeclaracion& d = c.declaracion;
        pintarTitulo(lienzo,
                     deTurno_ ? QStringLiteral("BOLETA DE DEPÓSITO DEL TURNO")
                              : QStringLiteral("BOLETA DE PAGO"),
                     deTurno_ ? QStringLiteral("Puesto de control policial - Estampillas y multas")
                              : QStringLiteral("Impuesto sobre los Ingresos Brutos - Agentes de "
                                               "Recaudación"),
                     c.para);
        QList<CampoReporte> campos = camposIdentidad(d, {.domicilio = false, .rectificacion = true, .periodo = {}});
        if (deTurno_ && turno_)
            campos.push_back({QStringLiteral("Turno iniciado el"), turno_->inicio});
        campos.push_back({QStringLiteral("Vencimiento"), c.vencimiento});
        campos.push_back({QStringLiteral("Fecha de pago"), c.pago});
        pintarCampos(lienzo, campos, 4);

        TablaReporte importes;
        if (deTurno_) {
            const TurnoBoleta t = turno_.value_or(TurnoBoleta{{}, c.total, Importe()});
            importes.columnas = {{QStringLiteral("Estampillas"), 1, Alineacion::Derecha},
                                 {QStringLiteral("Multas"), 1, Alineacion::Derecha},
                                 {QStringLiteral("Importe"), 1, Alineacion::Derecha},
                                 {QStringLiteral("Intereses"), 1, Alineacion::Derecha},
                                 {QStringLiteral("TOTAL A PAGAR"), 1.2, Alineacion::Derecha}};
            importes.total({numero(t.estampillas), numero(t.multas), numero(c.total),
                            numero(c.interes), pesos(c.aPagar)});
        } else {
            importes.columnas = {{QStringLiteral("Impuesto"), 1, Alineacion::Derecha},
                                 {QStringLiteral("Otros pagos"), 1, Alineacion::Derecha},
                                 {QStringLiteral("Saldo"), 1, Alineacion::Derecha},
                                 {QStringLiteral("Intereses"), 1, Alineacion::Derecha},
                                 {QStringLiteral("TOTAL A PAGAR"), 1.2, Alineacion::Derecha}};
            importes.total({numero(c.total), numero(c.otrosPagos), numero(c.neto),
                            numero(c.interes), pesos(c.aPagar)});
        }
        pintarTabla(lienzo, importes);
        pintarParrafo(lienzo, QStringLiteral("Son pesos"), c.texto);

        // The bank's stamp on the right; the barcode, when this copy has one, on the left.
        constexpr double kAltoPie = 17.0;
        const double y = lienzo.y();
        const QRectF sello(lienzo.derecha() - 62.0, y, 62.0, kAltoPie);
        lienzo.rectangulo(sello, 0.2);
        const Estilo rotulo{6.5, false, false, QColor(80, 80, 80)};
        lienzo.texto(QRectF(sello.x(), sello.bottom() - 4.0, sello.width(), 3.5),
                     QStringLiteral("Sello y firma del cajero"), rotulo, Alineacion::Centro);
        if (!c.codigoBarras.isNull()) {
            const double escala = kAnchoBarra / kPixelesPorModulo;
            const double ancho = c.codigoBarras.width() * escala;
            const double alto = std::min(kAltoPie, c.codigoBarras.height() * escala);
            lienzo.imagen(QRectF(lienzo.izquierda(), y, ancho, alto), c.codigoBarras);
        }
        lienzo.bajar(kAltoPie);
    }

    bool deTurno_;
    std::optional<TurnoBoleta> turno_;
    std::vector<CopiaBoleta> copias_;
};

} // namespace

TrabajoImpresion pedidoBoleta()
{
    return {.reporte = kReporteBoleta};
}

std::unique_ptr<Reporte> crearReporteBoleta()
{
    return std::make_unique<ReporteBoleta>(false);
}

TrabajoImpresion pedidoBoletaTurno()
{
    return {.reporte = kReporteBoletaTurno};
}

std::unique_ptr<Reporte> crearReporteBoletaTurno()
{
    return std::make_unique<ReporteBoleta>(true);
}
