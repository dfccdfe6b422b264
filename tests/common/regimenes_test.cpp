// The regime table: what each regime asks of the program, one line per regime.

#include "common/regimenes.h"

#include <QLocale>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

QString si(bool valor) { return valor ? QStringLiteral("sí") : QStringLiteral("no"); }

QString texto(FormaEntrada f)
{
    switch (f) {
    case FormaEntrada::General: return QStringLiteral("A");
    case FormaEntrada::Detalle: return QStringLiteral("B");
    case FormaEntrada::Policial: return QStringLiteral("C");
    }
    return {};
}

QString texto(ModoDetalle m)
{
    switch (m) {
    case ModoDetalle::Ninguno: return QStringLiteral("-");
    case ModoDetalle::Guias: return QStringLiteral("guías");
    case ModoDetalle::Obleas: return QStringLiteral("obleas");
    case ModoDetalle::Alimentos: return QStringLiteral("alimentos");
    case ModoDetalle::Anticipos: return QStringLiteral("anticipos");
    case ModoDetalle::AnticiposConOblea: return QStringLiteral("anticipos+oblea");
    case ModoDetalle::ObleaZ: return QStringLiteral("Z");
    }
    return {};
}

QString texto(TotalDetalle t)
{
    switch (t) {
    case TotalDetalle::Ninguno: return QStringLiteral("-");
    case TotalDetalle::ImporteBruto: return QStringLiteral("bruto");
    case TotalDetalle::OtrasRetenciones: return QStringLiteral("otras");
    }
    return {};
}

QString texto(OtrosImportes o)
{
    switch (o) {
    case OtrosImportes::Ninguno: return QStringLiteral("-");
    case OtrosImportes::OtrasRetenciones: return QStringLiteral("otras");
    case OtrosImportes::Multa: return QStringLiteral("multa");
    }
    return {};
}

QString texto(RegistrosDetalle r)
{
    switch (r) {
    case RegistrosDetalle::Ninguno: return QStringLiteral("-");
    case RegistrosDetalle::Detalle: return QStringLiteral("D");
    case RegistrosDetalle::Alimentos: return QStringLiteral("F");
    }
    return {};
}

QString texto(Constancia c)
{
    switch (c) {
    case Constancia::NoExime: return QStringLiteral("-");
    case Constancia::Exime: return QStringLiteral("exime");
    case Constancia::EximeSinFila: return QStringLiteral("sin-fila");
    }
    return {};
}

QString sinExtension(const QString& reporte)
{
    return reporte.isEmpty() ? QStringLiteral("-") : reporte.chopped(4);
}

// One regime as a line: entry form, detail, stamps, hand-back, detail button on the entry form,
// goods class | receipt reports
// (form, form without stamp, batch, whether the batch names the first detail row), listing,
// declaration | negatives, options, proposed concept,
// fixed rates, certificate, rate without a row | import, slip per shift, slip of any amount, own
// file, "O" record, detail records, undo, Remesas | concept stored, fine percentage.
QString linea(const ReglasRegimen& r)
{
    QStringList opciones;
    if (r.opciones.construccion) opciones << QStringLiteral("construcción");
    if (r.opciones.seguros) opciones << QStringLiteral("seguros");
    if (r.opciones.lactea) opciones << QStringLiteral("láctea");
    QString deshacer;
    if (r.deshacerBorraGuias) deshacer += QLatin1Char('G');
    if (r.deshacerBorraOtrasRetenciones) deshacer += QLatin1Char('B');
    const QLocale c = QLocale::c();
    return QStringList{texto(r.entrada), texto(r.detalle), si(r.obleasValidadas),
                       texto(r.totalDetalle), si(r.detalleEnEntrada),
                       QString::number(r.claseTipos), QStringLiteral("|"),
                       sinExtension(r.reporteComprobante),
                       sinExtension(r.reporteComprobanteSinOblea),
                       sinExtension(r.reporteComprobanteLote), si(r.loteConDetalle),
                       sinExtension(r.reporteListado),
                       sinExtension(r.reporteDeclaracion), QStringLiteral("|"),
                       si(r.admiteNegativos),
                       opciones.isEmpty() ? QStringLiteral("-") : opciones.join(QLatin1Char('+')),
                       r.conceptoPropuesto, si(r.alicuotasFijas), texto(r.constancia),
                       r.alicuotaSinFila ? r.alicuotaSinFila->formato(u"0.00", c)
                                         : QStringLiteral("-"),
                       QStringLiteral("|"), si(r.importable), si(r.boletaPorTurno),
                       si(r.boletaImporteLibre), si(r.archivoPropio), texto(r.otrosImportes),
                       texto(r.registrosDetalle), deshacer.isEmpty() ? QStringLiteral("-") : deshacer,
                       si(r.menuRemesas), QStringLiteral("|"),
                       r.conceptoFijo.value_or(QStringLiteral("-")),
                       r.porcentajeMulta.formato(u"0", c)}
        .join(QLatin1Char(' '));
}

TEST(Regimenes, LaTablaDeReglas)
{
    const std::pair<const char*, const char*> casos[] = {
        {"01", "A - no - no 0 | comprob - comprob no Retenc DJurada | no construcción 00 no - - | sí no no no - - - no | - 0"},
        {"02", "A - no - no 0 | comprob - comprob no Retenc DJurada | no - 00 no - - | sí no no no - - - no | - 0"},
        {"03", "A - no - no 0 | comprob - comprob no Retenc DJurada | no - 00 no - - | sí no sí no - - - no | - 0"},
        {"04", "A - no - no 0 | comprob - comprob no Retenc DJurada | no - 00 no - - | sí no no no - - - no | - 0"},
        {"05", "A - no - no 0 | comprob - comprob no Retenc DJurada | no - 00 no - - | sí no no no - - - no | - 0"},
        {"06", "A - no - no 0 | comprob - comprob no Retenc DJurada | sí - 00 no - - | sí no no no - - - no | - 0"},
        {"07", "A - no - no 0 | comprob - comprob no Retenc DJurada | no seguros 00 no - - | sí no no no - - - no | - 0"},
        {"08", "A - no - no 0 | comprob - comprob no Retenc DJurada | no seguros 00 no - - | sí no no no - - - no | - 0"},
        {"09", "B guías no bruto sí 1 | comprob_09 - comprob_09 sí Retenc DJurada | no - 00 no sin-fila 100.00 | sí no no no - D G no | 97 0"},
        {"10", "B obleas sí bruto sí 2 | comprob_10 - comprob_10 sí Retenc DJurada_b10 | no - 00 no - 100.00 | sí no no no - D G sí | 98 0"},
        {"11", "B anticipos no otras sí 1 | comprob_11 - comprob_11 sí Retenc_b DJurada_b | sí láctea 97 sí exime - | sí no no no otras D GB no | - 0"},
        {"12", "B anticipos+oblea sí otras sí 2 | comprob_12 comprob_12b comprob_12 sí Retenc_b DJurada_b12 | sí - 98 sí sin-fila 0.50 | sí no no no otras D GB sí | - 0"},
        {"13", "C obleas sí bruto sí 2 | comprob_13 - comprob_13 sí Retenc_b DJurada_b10 | no - 00 no - - | no sí no sí multa D - sí | 98 300"},
        {"14", "A Z sí - no 0 | comprob - comprob no Retenc DJurada_b10 | sí - 31 no - - | sí no no no - D G sí | - 0"},
        {"15", "B alimentos no bruto sí 3 | comprob_09 - comprob no Retenc DJurada | no - 00 no - - | sí no no no - F G sí | 96 0"},
        {"16", "B anticipos no otras no 1 | comprob_11 - comprob no Retenc DJurada | sí - 00 no sin-fila - | sí no no no - - GB sí | - 0"},
        // A code of no regime is a general one; its Remesas item follows its place in text order.
        {"17", "A - no - no 0 | comprob - comprob no Retenc DJurada | no - 00 no - - | sí no no no - - - sí | - 0"},
        {"00", "A - no - no 0 | comprob - comprob no Retenc DJurada | no - 00 no - - | sí no no no - - - no | - 0"},
    };
    for (const auto& [codigo, esperada] : casos) {
        const ReglasRegimen r = reglasRegimen(QString::fromLatin1(codigo));
        EXPECT_EQ(r.codigo, QString::fromLatin1(codigo));
        EXPECT_EQ(linea(r), QString::fromUtf8(esperada)) << "régimen " << codigo;
    }
    QStringList codigos;
    for (int i = 1; i <= 16; ++i) codigos << QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
    EXPECT_EQ(codigosRegimenes(), codigos);
}

TEST(Regimenes, ElFormularioDeEntradaPorRegimen)
{
    const std::pair<const char*, const char*> casos[] = {
        {"01", "frmRetenciones"},   {"08", "frmRetenciones"},   {"14", "frmRetenciones"},
        {"09", "frmRetenciones_B"}, {"10", "frmRetenciones_B"}, {"11", "frmRetenciones_B"},
        {"12", "frmRetenciones_B"}, {"15", "frmRetenciones_B"}, {"16", "frmRetenciones_B"},
        {"13", "frmRetenciones_C"}, {"17", "frmRetenciones"},
    };
    for (const auto& [codigo, formulario] : casos)
        EXPECT_EQ(nombreFormularioEntrada(reglasRegimen(QString::fromLatin1(codigo)).entrada),
                  QString::fromLatin1(formulario))
            << codigo;
}

} // namespace
