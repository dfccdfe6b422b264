// What the program asks of the regime table, checked against the rules the regimes are known by:
// the codes there are, the entry form of each, the window its receipts' detail rows are kept in,
// the stamps checked against the remittances, the negative amounts and options it accepts, the
// rates the user may not change and what sets the police regime apart. Each rule names the codes
// it holds for; every other code, codes of no regime included, must not have it.

#include "common/regimenes.h"

#include "details/apertura_detalle.h"

#include "support/datos_entrada.h"

#include <QDialog>
#include <functional>
#include <gtest/gtest.h>

namespace {

// The table's codes and a code of no regime on either side of them.
QStringList codigosProbados()
{
    QStringList codigos;
    for (int i = 0; i <= 17; ++i) codigos << QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
    return codigos;
}

// The codes whose rules hold `regla`.
QStringList codigosCon(const std::function<bool(const ReglasRegimen&)>& regla)
{
    QStringList codigos;
    for (const QString& codigo : codigosProbados())
        if (regla(reglasRegimen(codigo))) codigos << codigo;
    return codigos;
}

std::function<bool(const ReglasRegimen&)> formulario(const char* nombre)
{
    return [nombre](const ReglasRegimen& r) {
        return nombreFormularioEntrada(r.entrada) == QLatin1String(nombre);
    };
}

std::function<bool(const ReglasRegimen&)> negativosEn(const char* nombre)
{
    return [nombre](const ReglasRegimen& r) {
        return r.admiteNegativos && nombreFormularioEntrada(r.entrada) == QLatin1String(nombre);
    };
}

TEST(Regimenes, SonLosDelUnoAlDieciseis)
{
    QStringList codigos = codigosProbados();
    codigos.removeFirst();
    codigos.removeLast();
    EXPECT_EQ(codigosRegimenes(), codigos);
    for (const QString& codigo : codigosProbados())
        EXPECT_EQ(reglasRegimen(codigo).codigo, codigo);
}

TEST(Regimenes, LasReglasDeCadaRegimen)
{
    using R = const ReglasRegimen&;
    const struct {
        const char* regla;
        std::function<bool(R)> cumple;
        QStringList codigos;
    } reglas[] = {
        {"se cargan en frmRetenciones_B", formulario("frmRetenciones_B"),
         {"09", "10", "11", "12", "15", "16"}},
        {"se cargan en frmRetenciones_C", formulario("frmRetenciones_C"), {"13"}},
        {"se cargan en frmRetenciones", formulario("frmRetenciones"),
         {"00", "01", "02", "03", "04", "05", "06", "07", "08", "14", "17"}},
        {"el formulario tiene el botón de detalle", [](R r) { return r.detalleEnEntrada; },
         {"09", "10", "11", "12", "13", "15"}},
        {"guías de la clase 1",
         [](R r) { return r.detalle == ModoDetalle::Guias && r.claseTipos == 1; }, {"09"}},
        {"obleas de la clase 2 con su carta de porte",
         [](R r) { return r.detalle == ModoDetalle::Obleas && r.claseTipos == 2; }, {"10", "13"}},
        {"conceptos de alimentos de la clase 3 con su comprobante",
         [](R r) { return r.detalle == ModoDetalle::Alimentos && r.claseTipos == 3; }, {"15"}},
        {"anticipos cargados en el comprobante",
         [](R r) { return r.detalle == ModoDetalle::Anticipos && r.detalleEnEntrada; }, {"11"}},
        {"anticipos con oblea y carta de porte",
         [](R r) { return r.detalle == ModoDetalle::AnticiposConOblea; }, {"12"}},
        {"una oblea Z escrita en el comprobante",
         [](R r) { return r.detalle == ModoDetalle::ObleaZ; }, {"14"}},
        {"obleas controladas contra las remesas", [](R r) { return r.obleasValidadas; },
         {"10", "12", "13", "14"}},
        {"negativos en frmRetenciones", negativosEn("frmRetenciones"), {"06", "14"}},
        {"negativos en frmRetenciones_B", negativosEn("frmRetenciones_B"), {"11", "12", "16"}},
        {"negativos en frmRetenciones_C", negativosEn("frmRetenciones_C"), {}},
        {"opción de construcción", [](R r) { return r.opciones.construccion; }, {"01"}},
        {"opción de comisión de seguros", [](R r) { return r.opciones.seguros; }, {"07", "08"}},
        {"opción de productos lácteos y apícolas", [](R r) { return r.opciones.lactea; }, {"11"}},
        {"alícuotas que el usuario no cambia", [](R r) { return r.alicuotasFijas; }, {"11", "12"}},
        {"no se importa", [](R r) { return !r.importable; }, {"13"}},
        {"boleta de pago por turno, ninguna por declaración",
         [](R r) { return r.boletaPorTurno; }, {"13"}},
        {"archivo de declaración propio además del común", [](R r) { return r.archivoPropio; },
         {"13"}},
    };
    for (const auto& r : reglas) EXPECT_EQ(codigosCon(r.cumple), r.codigos) << r.regla;
}

// The window the detail button of the entry form opens, over a declaration of the regime; a
// regime whose receipts carry no such rows opens none.
TEST(Regimenes, LaVentanaDeLasFilasDeDetalle)
{
    const std::pair<const char*, const char*> casos[] = {
        {"09", "frmGuias"},     {"10", "frmGuias"}, {"13", "frmGuias"}, {"15", "frmGuias"},
        {"11", "frmAnticipos"}, {"12", "frmAnticipos"}, {"14", ""},     {"01", ""},
    };
    for (const auto& [codigo, ventana] : casos) {
        DatosEntrada f(QString::fromLatin1(codigo));
        QString abierta;
        f.dialogs.alAbrir = [&abierta](QDialog& v) { abierta = v.objectName(); };
        abrirDetalleComprobante(f.contexto, nullptr, detalleNuevo(f.idCabecera));
        EXPECT_EQ(abierta, QString::fromLatin1(ventana)) << "régimen " << codigo;
    }
}

} // namespace
