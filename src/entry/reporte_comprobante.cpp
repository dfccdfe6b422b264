#include "entry/reporte_comprobante.h"

#include "common/regimenes.h"
#include "database/base_datos.h"
#include "database/codigos.h"
#include "database/filas.h"
#include "database/importe.h"
#include "entry/piezas_comprobante.h"
#include "reports/bloques_reporte.h"
#include "reports/formato_reporte.h"
#include "reports/identidad_declaracion.h"
#include "reports/impresos.h"

#include <vector>

namespace {

// Set for a batch printed from the receipts-by-declaration window.
const QString kSeleccionLote = QStringLiteral("Lote");

// One printed copy: the Impresos row and the receipt it names.
struct CopiaComprobante {
    QString nroComprobante;
    int copia = 1;
    QString mes;          // the month's name, as the form wrote it
    QString observacion;
    IdentidadDeclaracion declaracion;
    bool hallado = false;  // the receipt is in Retenciones
    bool anulado = false;
    QString dia;
    QString nroContrib;
    QString sujeto;
    QString cuitSujeto;
    QString domicilioSujeto;
    QString concepto;
    QString nroExterno;
    Importe bruto;
    Importe alicuota;
    Importe retenido;
    DetalleImpreso detalle;
};

// A receipt with its subject and its concept's description, as the query below reads them.
struct RetencionImpresa {
    Retencion retencion;
    QString sujeto;
    QString cuitSujeto;
    QString domicilioSujeto;
    QString descripcionConcepto;
};

RetencionImpresa retencionImpresaDe(const QSqlRecord& fila)
{
    const auto texto = [&](const char* campo) {
        return fila.value(QString::fromLatin1(campo)).toString().trimmed();
    };
    return {retencionDe(fila), texto("Sujeto"), texto("CuitSujeto"), texto("DomicilioSujeto"),
            texto("DescripcionConcepto")};
}

QString rotuloCopia(int copia)
{
    if (copia == 1) return QStringLiteral("ORIGINAL");
    if (copia == 2) return QStringLiteral("DUPLICADO");
    if (copia == 3) return QStringLiteral("TRIPLICADO");
    if (copia == 4) return QStringLiteral("CUADRUPLICADO");
    return QStringLiteral("COPIA %1").arg(copia);
}

class ReporteComprobante final : public Reporte {
public:
    explicit ReporteComprobante(VarianteComprobante variante) : variante_(variante) {}

    QString titulo() const override { return QStringLiteral("Comprobante"); }
    QString nombreArchivo() const override
    {
        if (copias_.empty()) return titulo();
        return nombreArchivoDocumento(titulo() + QLatin1Char(' ') + copias_[0].nroComprobante,
                                      copias_[0].declaracion);
    }

    void leer(BaseDatos& base, const QVariantMap& seleccion) override
    {
        const bool lote = seleccion.value(kSeleccionLote).toBool();
        for (const Impreso& fila : leerImpresos(base)) {
            CopiaComprobante c;
            c.nroComprobante = fila.para.trimmed();
            c.copia = int(fila.interes.diezmilesimos() / Importe::kEscala);
            c.mes = fila.texto.left(10).trimmed();
            c.declaracion = leerIdentidad(base, fila.idCabecera);
            const ReglasRegimen reglas = reglasRegimen(c.declaracion.codRegimen);
            const ClaveRetencion clave{fila.idCabecera, c.nroComprobante};
            // The forms of the detail rows, and the batches of the regimes that name it, wrote
            // what the first of them is before the observation.
            qsizetype observacion = 10;
            if (lote ? reglas.loteConDetalle : reglas.entrada != FormaEntrada::General) {
                const std::vector<Guia> guias = leerGuias(base, clave);
                const std::optional<Guia> primera =
                    guias.empty() ? std::nullopt : std::optional(guias.front());
                observacion += lote ? detalleComprobanteLote(reglas, primera).size()
                                    : piezasComprobante(reglas, primera).texto().size();
            }
            c.observacion = fila.texto.mid(observacion).trimmed();
            leerRetencion(base, c);
            c.detalle = leerDetalleImpreso(base, variante_, reglas, clave);
            copias_.push_back(c);
        }
    }

    bool tieneDatos() const override { return !copias_.empty(); }

    void pintar(Lienzo& lienzo) const override
    {
        // Two copies of a receipt to a sheet, one on each half, when the first leaves the lower
        // half free and took no more than that half holds; any other copy starts a sheet, so no
        // copy is ever split across two.
        constexpr double kMitad = Lienzo::kAltoA4 / 2;
        constexpr double kInicioMitad = kMitad + 8.0;
        bool mitadLibre = false;
        double alto = 0;  // what the last copy took on its sheet
        for (std::size_t i = 0; i < copias_.size(); ++i) {
            const bool mismaCopia =
                i > 0 && copias_[i].nroComprobante == copias_[i - 1].nroComprobante;
            if (mismaCopia && mitadLibre && lienzo.y() <= kMitad - 4.0
                && kInicioMitad + alto <= lienzo.abajo()) {
                pintarCorte(lienzo, kMitad);
                lienzo.setY(kInicioMitad);
                mitadLibre = false;
            } else if (i > 0) {
                lienzo.nuevaPagina();
                mitadLibre = true;
            } else {
                mitadLibre = true;
            }
            const double desde = lienzo.y();
            pintarCopia(lienzo, copias_[i]);
            // A copy that ran onto another sheet leaves that sheet to itself.
            if (lienzo.y() < desde) mitadLibre = false;
            alto = lienzo.y() - desde;
        }
    }

private:
    static void leerRetencion(BaseDatos& base, CopiaComprobante& c)
    {
        const std::optional<QSqlRecord> fila = base.fila(
            QStringLiteral(
                "SELECT r.*, s.Razon_Social AS Sujeto, s.CUIT AS CuitSujeto, "
                "s.Domicilio AS DomicilioSujeto, k.Descripcion AS DescripcionConcepto "
                "FROM Retenciones r "
                "LEFT JOIN Contribuyentes s ON s.Nro_Contrib = r.Nro_Contrib "
                "LEFT JOIN Conceptos k ON k.Cod_Concepto = r.Cod_Concepto "
                "WHERE r.IdCabecera = ? AND r.Nro_Comprobante = ?"),
            {c.declaracion.idCabecera, c.nroComprobante});
        if (!fila) return;
        const RetencionImpresa impresa = retencionImpresaDe(*fila);
        const Retencion& r = impresa.retencion;
        c.hallado = true;
        c.anulado = r.estado.trimmed() == estado_retencion::Anulada;
        c.dia = r.dia.trimmed();
        c.nroContrib = r.nroContrib.trimmed();
        c.bruto = r.importeBruto.value_or(Importe());
        c.alicuota = r.alicuota.value_or(Importe());
        c.retenido = r.importeRet.value_or(Importe());
        c.nroExterno = r.nroX.trimmed();
        c.sujeto = impresa.sujeto;
        c.cuitSujeto = impresa.cuitSujeto;
        c.domicilioSujeto = impresa.domicilioSujeto;
        const QString codConcepto = r.codConcepto.trimmed();
        const QString& descripcion = impresa.descripcionConcepto;
        c.concepto = descripcion.isEmpty() ? codConcepto
                                           : codConcepto + QStringLiteral(" - ") + descripcion;
    }

    static void pintarCopia(Lienzo& lienzo, const CopiaComprobante& c)
    {
        const IdentidadDeclaracion& d = c.declaracion;
        QString subtitulo = QStringLiteral("Impuesto sobre los Ingresos Brutos   -   "
                                           "Comprobante Nº ")
                            + c.nroComprobante;
        if (c.anulado) subtitulo += QStringLiteral("   -   ANULADO");
        pintarTitulo(lienzo, QStringLiteral("COMPROBANTE DE RETENCIÓN / PERCEPCIÓN"), subtitulo,
                     rotuloCopia(c.copia));

        pintarSeccion(lienzo, QStringLiteral("Agente de recaudación"));
        // The month as the form wrote it on the receipt.
        const QList<CampoReporte> agente = camposIdentidad(
            d, {.domicilio = false,
                .rectificacion = false,
                .periodo = c.mes.isEmpty() ? QString() : c.mes + QStringLiteral(" de ") + d.anio});
        pintarCampos(lienzo, agente, 4);

        pintarSeccion(lienzo, QStringLiteral("Sujeto retenido / percibido"));
        pintarCampos(lienzo,
                     {{QStringLiteral("Apellido y nombre o razón social"), c.sujeto, 2},
                      {QStringLiteral("Nº de inscripción"),
                       conMascara(c.nroContrib, QStringLiteral("###-######-#"))},
                      {QStringLiteral("C.U.I.T."), cuitImpreso(c.cuitSujeto)},
                      {QStringLiteral("Domicilio"), c.domicilioSujeto, 4}},
                     4);

        pintarSeccion(lienzo, QStringLiteral("Operación"));
        const QString fecha =
            c.dia.isEmpty() ? QString()
                            : c.dia.rightJustified(2, QLatin1Char('0')) + QLatin1Char('/')
                                  + d.mes.rightJustified(2, QLatin1Char('0')) + QLatin1Char('/')
                                  + d.anio;
        TablaReporte tabla;
        // Shares of the sheet's width, in millimetres of an A4 sheet: the date, the subject's
        // receipt number, a common concept and amounts up to hundreds of millions fit on one
        // line; anything longer is printed smaller rather than cut.
        tabla.columnas = {{QStringLiteral("Fecha"), 22, Alineacion::Centro},
                          {QStringLiteral("Concepto"), 57},
                          {QStringLiteral("Comprobante del sujeto"), 29, Alineacion::Centro},
                          {QStringLiteral("Importe bruto"), 28, Alineacion::Derecha},
                          {QStringLiteral("Alícuota %"), 16, Alineacion::Derecha},
                          {QStringLiteral("Importe retenido / percibido"), 30,
                           Alineacion::Derecha}};
        if (c.hallado)
            tabla.detalle({fecha, c.concepto, c.nroExterno, numero(c.bruto),
                           porcentaje(c.alicuota), pesos(c.retenido)});
        tabla.sinFilas = QStringLiteral("No se encontró el comprobante %1.").arg(c.nroComprobante);
        pintarTabla(lienzo, tabla);

        if (!c.detalle.titulo.isEmpty()) {
            pintarSeccion(lienzo, c.detalle.titulo);
            pintarTabla(lienzo, c.detalle.tabla);
            if (!c.detalle.campos.isEmpty()) pintarCampos(lienzo, c.detalle.campos, 4);
        }
        if (!c.observacion.isEmpty())
            pintarParrafo(lienzo, QStringLiteral("Observaciones"), c.observacion);
        pintarFirmas(lienzo, {QStringLiteral("Lugar y fecha"),
                              QStringLiteral("Firma y sello del agente de recaudación")});
    }

    VarianteComprobante variante_;
    std::vector<CopiaComprobante> copias_;
};

} // namespace

QString nombreReporteComprobante(VarianteComprobante variante)
{
    switch (variante) {
    case VarianteComprobante::General: return QStringLiteral("comprob.rpt");
    case VarianteComprobante::Bienes: return QStringLiteral("comprob_09.rpt");
    case VarianteComprobante::Obleas: return QStringLiteral("comprob_10.rpt");
    case VarianteComprobante::Anticipos: return QStringLiteral("comprob_11.rpt");
    case VarianteComprobante::AnticiposConOblea: return QStringLiteral("comprob_12.rpt");
    case VarianteComprobante::AnticiposSinOblea: return QStringLiteral("comprob_12b.rpt");
    case VarianteComprobante::Policial: return QStringLiteral("comprob_13.rpt");
    }
    return {};
}

TrabajoImpresion pedidoComprobante(VarianteComprobante variante)
{
    return {.reporte = nombreReporteComprobante(variante)};
}

TrabajoImpresion pedidoComprobantesLote(VarianteComprobante variante)
{
    return {.reporte = nombreReporteComprobante(variante), .seleccion = {{kSeleccionLote, true}}};
}

std::unique_ptr<Reporte> crearReporteComprobante(VarianteComprobante variante)
{
    return std::make_unique<ReporteComprobante>(variante);
}
