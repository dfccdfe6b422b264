#include "declarations/reportes/reporte_declaracion.h"

#include "common/regimenes.h"
#include "database/base_datos.h"
#include "database/codigos.h"
#include "database/importe.h"
#include "declarations/reportes/texto_declaracion.h"
#include "reports/bloques_reporte.h"
#include "reports/formato_reporte.h"
#include "reports/identidad_declaracion.h"
#include "reports/impresos.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

struct Subtotal {
    Importe alicuota;
    Importe base;
    Importe otrosPagos;
    Importe retenido;
};

struct DeclaracionImpresa {
    QString codigoControl;
    Importe impuesto;
    Importe retenido;
    QString vencimiento;
    TextoDeclaracion texto;
    IdentidadDeclaracion identidad;
    std::vector<Subtotal> subtotales;
    Subtotal total;  // summed on reading, where an overflow is the engine's error, not a crash
};

// A row of `Subtotales`.
Subtotal subtotalDe(const QSqlRecord& s)
{
    const auto de = [&s](const char* campo) {
        return Importe::desdeColumna(s.value(QString::fromLatin1(campo)));
    };
    return {de("Alicuota"), de("TotxAlic"), de("Otros_Pagos"), de("Otro_valor")};
}

// The rows of `Subtotales` the emission wrote for a declaration.
std::vector<Subtotal> leerSubtotales(BaseDatos& base, qint64 idCabecera)
{
    std::vector<Subtotal> subtotales;
    for (const QSqlRecord& s :
         base.filas(QStringLiteral("SELECT * FROM Subtotales WHERE IdCabecera = ? ORDER BY rowid"),
                    {idCabecera}))
        subtotales.push_back(subtotalDe(s));
    return subtotales;
}

const QString kValidos = QStringLiteral("Validos");
const QString kAnulados = QStringLiteral("Anulados");
const QString kSaldos = QStringLiteral("Saldos");

// The digits of each stamp balance in the coded text, from the balances it was written with; five
// each when the report is not told them.
std::array<int, 5> cifrasSaldos(const QVariantList& saldos)
{
    std::array<int, 5> cifras{5, 5, 5, 5, 5};
    for (qsizetype i = 0; i < std::min<qsizetype>(saldos.size(), 5); ++i)
        if (!saldos[i].isNull()) cifras[i] = cifrasTexto(saldos[i].toLongLong(), 5);
    return cifras;
}

class ReporteDeclaracion final : public Reporte {
public:
    explicit ReporteDeclaracion(VarianteDeclaracion variante) : variante_(variante) {}

    QString titulo() const override { return QStringLiteral("Declaración Jurada"); }
    QString nombreArchivo() const override
    {
        return declaraciones_.empty() ? titulo()
                                      : nombreArchivoDocumento(titulo(), declaraciones_[0].identidad);
    }

    void leer(BaseDatos& base, const QVariantMap& seleccion) override
    {
        for (const Impreso& fila : leerImpresos(base)) {
            DeclaracionImpresa d;
            const qint64 id = fila.idCabecera;
            d.codigoControl = fila.para.trimmed();
            d.impuesto = fila.importe;
            d.retenido = fila.importe1;
            d.vencimiento = fechaImpresa(fila.fechaV);
            d.identidad = leerIdentidad(base, id);
            const QString contar = QStringLiteral(
                "SELECT COUNT(*) FROM Retenciones WHERE IdCabecera = ? AND Estado = ?");
            const bool contados = seleccion.value(kSeleccionCabecera).toLongLong() == id
                && seleccion.contains(kValidos) && seleccion.contains(kAnulados);
            const qint64 validos =
                contados ? seleccion.value(kValidos).toLongLong()
                         : base.valor(contar, {id, estado_retencion::Valida}).toLongLong();
            const qint64 anulados =
                contados ? seleccion.value(kAnulados).toLongLong()
                         : base.valor(contar, {id, estado_retencion::Anulada}).toLongLong();
            d.texto = leerTextoDeclaracion(
                fila.texto, reglasRegimen(d.identidad.codRegimen).obleasValidadas,
                cifrasTexto(validos, 5), cifrasTexto(anulados, 4),
                cifrasSaldos(contados ? seleccion.value(kSaldos).toList() : QVariantList()));
            d.subtotales = leerSubtotales(base, id);
            for (const Subtotal& s : d.subtotales) {
                d.total.base += s.base;
                d.total.otrosPagos += s.otrosPagos;
                d.total.retenido += s.retenido;
            }
            declaraciones_.push_back(std::move(d));
        }
    }

    bool tieneDatos() const override { return !declaraciones_.empty(); }

    void pintar(Lienzo& lienzo) const override
    {
        for (std::size_t i = 0; i < declaraciones_.size(); ++i) {
            if (i > 0) lienzo.nuevaPagina();
            pintarDeclaracion(lienzo, declaraciones_[i]);
        }
    }

private:
    void pintarDeclaracion(Lienzo& lienzo, const DeclaracionImpresa& d) const
    {
        pintarTitulo(lienzo, QStringLiteral("DECLARACIÓN JURADA MENSUAL"),
                     QStringLiteral("Impuesto sobre los Ingresos Brutos - Agentes de "
                                    "Recaudación\nRetenciones y percepciones practicadas en el "
                                    "período"),
                     d.texto.rectificativa ? QStringLiteral("RECTIFICATIVA") : QString());
        pintarSeccion(lienzo, QStringLiteral("Datos del agente"));
        pintarCampos(lienzo, camposIdentidad(d.identidad), 4);

        pintarSeccion(lienzo, QStringLiteral("Retenciones y percepciones por alícuota"));
        pintarTabla(lienzo, tablaSubtotales(d));

        pintarSeccion(lienzo, QStringLiteral("Determinación"));
        pintarCampos(
            lienzo,
            {{QStringLiteral("Impuesto determinado"), pesos(d.impuesto), 2},
             {QStringLiteral("Total retenido / percibido"), pesos(d.retenido), 2},
             {QStringLiteral("Comprobantes válidos"), QString::number(d.texto.validos)},
             {QStringLiteral("Comprobantes anulados"), QString::number(d.texto.anulados)},
             {QStringLiteral("Fecha de vencimiento"), d.vencimiento},
             {QStringLiteral("Código de control"), d.codigoControl}},
            4);

        if (variante_.saldos && d.texto.conSaldos) {
            pintarSeccion(lienzo, QStringLiteral("Saldo de obleas del agente"));
            TablaReporte saldos;
            QStringList celdas;
            for (int i = 0; i < 5; ++i) {
                saldos.columnas.push_back({QStringLiteral("Obleas tipo ") + kLetrasObleas.at(i), 1,
                                           Alineacion::Centro});
                const std::optional<qint64>& s = d.texto.saldos[i];
                celdas << (s ? QString::number(*s) : QStringLiteral("-"));
            }
            saldos.detalle(celdas);
            pintarTabla(lienzo, saldos);
        }

        if (!d.texto.observacion.isEmpty())
            pintarParrafo(lienzo, QStringLiteral("Observaciones"), d.texto.observacion);

        const Estilo jura{8, false, true};
        const QString declaro = QStringLiteral(
            "Declaro bajo juramento que los datos consignados en esta declaración son correctos y "
            "completos, y que la he confeccionado sin omitir ni falsear dato alguno.");
        const double alto = lienzo.altoTexto(lienzo.ancho(), declaro, jura);
        lienzo.reservar(alto + 20.0);
        lienzo.texto(QRectF(lienzo.izquierda(), lienzo.y(), lienzo.ancho(), alto), declaro, jura,
                     Alineacion::Izquierda, true);
        lienzo.bajar(alto + 2.0);
        pintarFirmas(lienzo, {QStringLiteral("Lugar y fecha"),
                              QStringLiteral("Firma del responsable"),
                              QStringLiteral("Aclaración y cargo")});
    }

    TablaReporte tablaSubtotales(const DeclaracionImpresa& d) const
    {
        TablaReporte t;
        t.columnas = {{QStringLiteral("Alícuota %"), 1, Alineacion::Derecha},
                      {QStringLiteral("Base imponible"), 1.6, Alineacion::Derecha}};
        if (variante_.otrosPagos)
            t.columnas.push_back({QStringLiteral("Otros pagos"), 1.6, Alineacion::Derecha});
        t.columnas.push_back(
            {QStringLiteral("Importe retenido / percibido"), 1.6, Alineacion::Derecha});
        t.sinFilas = d.texto.hayMovimientos
                         ? QStringLiteral("Sin retenciones ni percepciones válidas en el período")
                         : QStringLiteral("SIN MOVIMIENTOS EN EL PERÍODO");

        for (const Subtotal& s : d.subtotales) {
            QStringList celdas{porcentaje(s.alicuota), numero(s.base)};
            if (variante_.otrosPagos) celdas << numero(s.otrosPagos);
            celdas << numero(s.retenido);
            t.detalle(celdas);
        }
        if (!d.subtotales.empty()) {
            QStringList celdas{QStringLiteral("Totales"), numero(d.total.base)};
            if (variante_.otrosPagos) celdas << numero(d.total.otrosPagos);
            celdas << numero(d.total.retenido);
            t.total(celdas);
        }
        return t;
    }

    VarianteDeclaracion variante_;
    std::vector<DeclaracionImpresa> declaraciones_;
};

} // namespace

QString nombreReporteDeclaracion(VarianteDeclaracion variante)
{
    if (variante.otrosPagos)
        return variante.saldos ? QStringLiteral("DJurada_b12.rpt") : QStringLiteral("DJurada_b.rpt");
    return variante.saldos ? QStringLiteral("DJurada_b10.rpt") : QStringLiteral("DJurada.rpt");
}

TrabajoImpresion pedidoDeclaracion(VarianteDeclaracion variante, qint64 idCabecera,
                                   qint64 validos, qint64 anulados, const SaldosObleas& saldos)
{
    QVariantList listaSaldos;
    for (const std::optional<qint64>& s : saldos)
        listaSaldos << (s ? QVariant(*s) : QVariant());
    return {.reporte = nombreReporteDeclaracion(variante),
            .seleccion = {{kSeleccionCabecera, idCabecera},
                          {kValidos, validos},
                          {kAnulados, anulados},
                          {kSaldos, listaSaldos}}};
}

std::unique_ptr<Reporte> crearReporteDeclaracion(VarianteDeclaracion variante)
{
    return std::make_unique<ReporteDeclaracion>(variante);
}
