#include "common/regimenes.h"

#include <map>

namespace {

ReglasRegimen general(const char* codigo)
{
    ReglasRegimen r;
    r.codigo = QString::fromLatin1(codigo);
    return r;
}

ReglasRegimen detalle(const char* codigo, ModoDetalle modo, TotalDetalle total, int clase)
{
    ReglasRegimen r = general(codigo);
    r.entrada = FormaEntrada::Detalle;
    r.detalle = modo;
    r.totalDetalle = total;
    r.detalleEnEntrada = true;
    r.claseTipos = clase;
    return r;
}

std::map<QString, ReglasRegimen> construir()
{
    std::map<QString, ReglasRegimen> t;
    auto agregar = [&t](ReglasRegimen r) { t.emplace(r.codigo, std::move(r)); };

    // The general regimes: receipts valued by their gross amount and rate.
    ReglasRegimen r01 = general("01");
    r01.opciones.construccion = true;
    agregar(r01);
    agregar(general("02"));
    ReglasRegimen r03 = general("03");
    r03.boletaImporteLibre = true;
    agregar(r03);
    agregar(general("04"));
    agregar(general("05"));
    ReglasRegimen r06 = general("06");
    r06.admiteNegativos = true;
    agregar(r06);
    for (const char* codigo : {"07", "08"}) {
        ReglasRegimen r = general(codigo);
        r.opciones.seguros = true;
        agregar(r);
    }

    // Livestock and apiculture of the municipalities: transport guides.
    ReglasRegimen r09 = detalle("09", ModoDetalle::Guias, TotalDetalle::ImporteBruto, 1);
    r09.comprobante = r09.comprobanteLote = VarianteComprobante::Bienes;
    r09.constancia = Constancia::EximeSinFila;
    r09.alicuotaSinFila = Importe::desdeEntero(100);
    r09.conceptoFijo = QStringLiteral("97");
    r09.registrosDetalle = RegistrosDetalle::Detalle;
    r09.deshacerBorraGuias = true;
    r09.loteConDetalle = true;
    agregar(r09);

    // Grain and horticulture of the municipalities: stamps with their waybill.
    ReglasRegimen r10 = detalle("10", ModoDetalle::Obleas, TotalDetalle::ImporteBruto, 2);
    r10.obleasValidadas = true;
    r10.comprobante = r10.comprobanteLote = VarianteComprobante::Obleas;
    r10.declaracion = {.otrosPagos = false, .saldos = true};
    r10.alicuotaSinFila = Importe::desdeEntero(100);
    r10.conceptoFijo = QStringLiteral("98");
    r10.registrosDetalle = RegistrosDetalle::Detalle;
    r10.deshacerBorraGuias = true;
    r10.menuRemesas = true;
    r10.loteConDetalle = true;
    agregar(r10);

    // Livestock and apiculture: advances deducted from the receipt.
    ReglasRegimen r11 = detalle("11", ModoDetalle::Anticipos, TotalDetalle::OtrasRetenciones, 1);
    r11.comprobante = r11.comprobanteLote = VarianteComprobante::Anticipos;
    r11.listadoOtrosImportes = true;
    r11.declaracion = {.otrosPagos = true, .saldos = false};
    r11.admiteNegativos = true;
    r11.opciones.lactea = true;
    r11.conceptoPropuesto = QStringLiteral("97");
    r11.alicuotasFijas = true;
    r11.constancia = Constancia::Exime;
    r11.otrosImportes = OtrosImportes::OtrasRetenciones;
    r11.registrosDetalle = RegistrosDetalle::Detalle;
    r11.deshacerBorraGuias = r11.deshacerBorraOtrasRetenciones = true;
    r11.loteConDetalle = true;
    agregar(r11);

    // Grain and horticulture: advances that carry a stamp and its waybill.
    ReglasRegimen r12 =
        detalle("12", ModoDetalle::AnticiposConOblea, TotalDetalle::OtrasRetenciones, 2);
    r12.obleasValidadas = true;
    r12.comprobante = r12.comprobanteLote = VarianteComprobante::AnticiposConOblea;
    r12.comprobanteSinOblea = VarianteComprobante::AnticiposSinOblea;
    r12.listadoOtrosImportes = true;
    r12.declaracion = {.otrosPagos = true, .saldos = true};
    r12.admiteNegativos = true;
    r12.conceptoPropuesto = QStringLiteral("98");
    r12.alicuotasFijas = true;
    r12.constancia = Constancia::EximeSinFila;
    r12.alicuotaSinFila = Importe::desdeCentavos(50);
    r12.otrosImportes = OtrosImportes::OtrasRetenciones;
    r12.registrosDetalle = RegistrosDetalle::Detalle;
    r12.deshacerBorraGuias = r12.deshacerBorraOtrasRetenciones = true;
    r12.menuRemesas = true;
    r12.loteConDetalle = true;
    agregar(r12);

    // The police checkpoints: stamps, fines and shifts.
    ReglasRegimen r13 = detalle("13", ModoDetalle::Obleas, TotalDetalle::ImporteBruto, 2);
    r13.entrada = FormaEntrada::Policial;
    r13.obleasValidadas = true;
    r13.comprobante = r13.comprobanteLote = VarianteComprobante::Policial;
    r13.listadoOtrosImportes = true;
    r13.declaracion = {.otrosPagos = false, .saldos = true};
    r13.conceptoFijo = QStringLiteral("98");
    r13.importable = false;
    r13.boletaPorTurno = true;
    r13.archivoPropio = true;
    r13.otrosImportes = OtrosImportes::Multa;
    r13.registrosDetalle = RegistrosDetalle::Detalle;
    r13.menuRemesas = true;
    r13.porcentajeMulta = Importe::desdeEntero(300);
    r13.loteConDetalle = true;
    agregar(r13);

    // Slaughterhouses: the general form with one "Z" stamp per receipt.
    ReglasRegimen r14 = general("14");
    r14.detalle = ModoDetalle::ObleaZ;
    r14.obleasValidadas = true;
    r14.declaracion = {.otrosPagos = false, .saldos = true};
    r14.admiteNegativos = true;
    r14.conceptoPropuesto = QStringLiteral("31");
    r14.registrosDetalle = RegistrosDetalle::Detalle;
    r14.deshacerBorraGuias = true;
    r14.menuRemesas = true;
    agregar(r14);

    // Food products of the municipalities: food concepts with their own receipt.
    ReglasRegimen r15 = detalle("15", ModoDetalle::Alimentos, TotalDetalle::ImporteBruto, 3);
    r15.comprobante = VarianteComprobante::Bienes;
    r15.conceptoFijo = QStringLiteral("96");
    r15.registrosDetalle = RegistrosDetalle::Alimentos;
    r15.deshacerBorraGuias = true;
    r15.menuRemesas = true;
    agregar(r15);

    // Livestock auctions: advances.
    ReglasRegimen r16 = detalle("16", ModoDetalle::Anticipos, TotalDetalle::OtrasRetenciones, 1);
    r16.comprobante = VarianteComprobante::Anticipos;
    // Its entry form offers no detail rows: its receipts deduct no advances.
    r16.detalleEnEntrada = false;
    r16.admiteNegativos = true;
    r16.constancia = Constancia::EximeSinFila;
    // The import writes both for its receipts, as for "11": an undo takes both away.
    r16.deshacerBorraGuias = r16.deshacerBorraOtrasRetenciones = true;
    r16.menuRemesas = true;
    agregar(r16);
    return t;
}

const std::map<QString, ReglasRegimen>& tabla()
{
    static const std::map<QString, ReglasRegimen> t = construir();
    return t;
}

} // namespace

ReglasRegimen reglasRegimen(const QString& codRegimen)
{
    const auto it = tabla().find(codRegimen);
    if (it != tabla().end()) return it->second;
    // A code of no regime: a general one. Its Remesas item shows when the code sorts after "11",
    // as it does for every regime of the table from "12" on.
    ReglasRegimen otro;
    otro.codigo = codRegimen;
    otro.menuRemesas = codRegimen > QLatin1String("11");
    return otro;
}

QStringList codigosRegimenes()
{
    QStringList codigos;
    for (const auto& [codigo, reglas] : tabla()) codigos << codigo;
    return codigos;
}

QString nombreFormularioEntrada(FormaEntrada forma)
{
    switch (forma) {
    case FormaEntrada::General: break;
    case FormaEntrada::Detalle: return QStringLiteral("frmRetenciones_B");
    case FormaEntrada::Policial: return QStringLiteral("frmRetenciones_C");
    }
    return QStringLiteral("frmRetenciones");
}
