// "&Grabar Ret./Perc. ...": the entry form of the active regime, when it exists, and the receipt
// its Nueva proposes.

#include "entry/apertura_entrada.h"

#include "common/regimenes.h"
#include "police/frmRetencionesC.h"

#include "support/datos_entrada.h"

#include <QLabel>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

TEST(AperturaEntrada, AbreElFormularioDelRegimenActivo)
{
    DatosEntrada f;
    EXPECT_EQ(abrirEntradaRetenciones(f.contexto, nullptr, {}, crearFrmRetencionesC), AperturaEntrada::Abierta);

    f.activar(f.nuevaCabecera(QStringLiteral("09")));
    EXPECT_EQ(abrirEntradaRetenciones(f.contexto, nullptr, {}, crearFrmRetencionesC), AperturaEntrada::Abierta);
    EXPECT_EQ(f.dialogs.clasesAbiertas,
              (QStringList{QStringLiteral("frmRetenciones"), QStringLiteral("frmRetencionesB")}));
    f.activar(f.nuevaCabecera(QStringLiteral("13")));
    EXPECT_EQ(abrirEntradaRetenciones(f.contexto, nullptr, {}, crearFrmRetencionesC), AperturaEntrada::Abierta);
    EXPECT_EQ(f.dialogs.clasesAbiertas.back(), QStringLiteral("frmRetencionesC"));
    // Without the police form handed in, nothing opens.
    EXPECT_EQ(abrirEntradaRetenciones(f.contexto, nullptr, {}, {}), AperturaEntrada::SinFormulario);
    EXPECT_EQ(f.dialogs.clasesAbiertas.size(), 3);

    f.entorno.limpiarCabeceraActual();
    EXPECT_EQ(abrirEntradaRetenciones(f.contexto, nullptr, {}, crearFrmRetencionesC), AperturaEntrada::SinDeclaracion);
}

// Nueva proposes a concept and describes it at once in every regime, on the concepts of a new
// install; a proposed concept that is not there is left undescribed, and Grabar refuses it.
TEST(AperturaEntrada, NuevaDescribeElConceptoQuePropone)
{
    struct Caso {
        QString concepto, descripcion;
    };
    const Caso general{u"00"_s, u"OPERACIONES EN GENERAL"_s};
    const std::map<QString, Caso> casos = {
        {u"01"_s, general}, {u"02"_s, general}, {u"03"_s, general}, {u"04"_s, general},
        {u"05"_s, general}, {u"06"_s, general}, {u"07"_s, general}, {u"08"_s, general},
        {u"09"_s, general}, {u"10"_s, general},
        {u"11"_s, {u"97"_s, u"SEMOVIENTES-PROD. APÍCOLAS"_s}},
        {u"12"_s, {u"98"_s, u"CEREALES-PROD. FRUTIHORTÍCOLAS"_s}},
        {u"13"_s, general},
        {u"14"_s, {u"31"_s, u"PERCEPCION EN FAENA"_s}},
        {u"15"_s, general}, {u"16"_s, general},
    };
    ASSERT_EQ(QStringList(codigosRegimenes()).size(), qsizetype(casos.size()));
    for (const QString& regimen : codigosRegimenes()) {
        SCOPED_TRACE(regimen.toStdString());
        const Caso& c = casos.at(regimen);
        DatosEntrada f(regimen);
        if (reglasRegimen(regimen).policial()) {
            // The police form opens only with a shift started and stamps delivered.
            prueba::turno(f.base, {.idCabecera = f.idCabecera,
                                   .fechaDesde = u"2008-05-17"_s,
                                   .horaDesde = u"08:00:00"_s});
            prueba::remesa(f.base, {.nroRemesa = 1, .letra = u"A"_s, .agente = u"012345"_s,
                                    .desde = 1, .hasta = 100, .fecha = u"2008-05-01"_s,
                                    .hora = u"08:00:00"_s});
        }
        QString concepto, descripcion;
        f.dialogs.alAbrir = [&](QDialog& v) {
            v.show();
            QApplication::processEvents();
            pulsar(v, "cmdAgregar");
            concepto = control<QLineEdit>(v, u"mskCodConcepto"_s)->text();
            descripcion = control<QLabel>(v, u"lblDescConcepto"_s)->text();
        };
        abrirEntradaRetenciones(f.contexto, nullptr, {}, crearFrmRetencionesC);
        EXPECT_TRUE(f.dialogs.mensajes.empty()) << f.dialogs.textosMostrados().join(u'|').toStdString();
        EXPECT_EQ(concepto, c.concepto);
        EXPECT_EQ(descripcion, c.descripcion);
    }

    DatosEntrada f;
    f.sql("DELETE FROM Conceptos WHERE Cod_Concepto = '00'");
    f.dialogs.alAbrir = [&](QDialog& v) {
        v.show();
        QApplication::processEvents();
        pulsar(v, "cmdAgregar");
        EXPECT_EQ(control<QLabel>(v, u"lblDescConcepto"_s)->text(), QString());
        escribir(v, u"mskNroContrib"_s, u"3001234567"_s);
        salirDe(v, u"mskNroContrib"_s);
        pulsar(v, "cmdGrabar");
        EXPECT_EQ(f.dialogs.mensajes.back().texto,
                  u"El concepto indicado no está cargado en la base del sistema."_s);
    };
    abrirEntradaRetenciones(f.contexto, nullptr, {}, crearFrmRetencionesC);
    EXPECT_EQ(f.valor("SELECT COUNT(*) FROM Retenciones").toInt(), 0);
}

} // namespace
