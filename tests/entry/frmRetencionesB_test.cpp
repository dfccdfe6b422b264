// The entry form of the detail-row regimes, driven as the user drives it, with the real windows
// of the receipt's rows behind its detail button: the set-up by regime, the hand-back of the
// rows' total, the checks of Grabar and what one save stores.

#include "entry/frmRetencionesB.h"

#include "details/apertura_detalle.h"
#include "forms/grilla_registros.h"

#include "support/pantalla_entrada.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct PantallaB : PantallaEntrada<frmRetencionesB> {
    explicit PantallaB(DatosEntrada& datos) : PantallaEntrada(datos, servicios(datos)) {}

    static ServiciosEntrada servicios(DatosEntrada& d)
    {
        ServiciosEntrada s;
        s.detalle = [&d](QWidget* duenio, const ComprobanteDetalle& comprobante) {
            return abrirDetalleComprobante(d.contexto, duenio, comprobante);
        };
        return s;
    }

    // Nueva, the subject and the day.
    void nueva(const QString& sujeto = u"3001234567"_s)
    {
        pulsar(u"cmdAgregar"_s);
        escribir(u"mskNroContrib"_s, sujeto);
        escribir(u"mskDia"_s, u"12"_s);
    }
    // The detail button, with what the user does in the window it opens; the user leaves it.
    void detalle(std::function<void(QDialog&)> enLaVentana)
    {
        f.dialogs.alAbrir = [enLaVentana](QDialog& v) {
            enLaVentana(v);
            ::pulsar(v, u"cmdSalir"_s);
        };
        pulsar(u"Cmd_Guias"_s);
        f.dialogs.alAbrir = nullptr;
    }
};

void tipear(QDialog& v, const char* caja, const QString& valor)
{
    escribir(v, QString::fromLatin1(caja), valor);
    salirDe(v, QString::fromLatin1(caja));
}

// A row of a window of guides, stamps or food concepts.
void fila(QDialog& v, const QString& concepto, const QString& numero, const QString& cantidad = {},
          const QString& porte1 = u"1"_s, const QString& porte2 = u"2222"_s)
{
    ::pulsar(v, u"cmdAgregar"_s);
    tipear(v, "mskCodConcepto", concepto);
    if (!cantidad.isNull()) tipear(v, "TxtCantidad", cantidad);
    if (!numero.isNull()) tipear(v, "TxtNroGuia", numero);
    tipear(v, "TxtPorte1", porte1);
    tipear(v, "TxtPorte2", porte2);
    ::pulsar(v, u"cmdGrabar"_s);
}

// An advance to an agent, with a stamp where the regime's advances carry one.
void anticipo(QDialog& v, const QString& agente, const QString& nro, const QString& monto,
              const QString& oblea = {})
{
    ::pulsar(v, u"cmdAgregar"_s);
    tipear(v, "mskNroAgente", agente);
    if (!nro.isNull()) tipear(v, "TxtNro_Anticipo", nro);
    if (!monto.isNull()) tipear(v, "mskMonto", monto);
    if (!oblea.isNull()) {
        tipear(v, "TxtEstampilla", oblea);
        tipear(v, "TxtPorte1", u"3"_s);
        tipear(v, "TxtPorte2", u"333"_s);
    }
    ::pulsar(v, u"cmdGrabar"_s);
}

QStringList guias(DatosEntrada& f)
{
    QStringList r;
    for (const QSqlRecord& g : f.base.filas(u"SELECT * FROM Guias ORDER BY Nro_clave"_s))
        r << g.value(u"Nro_Comprobante"_s).toString() + u'|' + g.value(u"NroGuia"_s).toString()
                 + u'|' + Importe::desdeColumna(g.value(u"Total"_s)).conPunto() + u'|'
                 + g.value(u"IdCabecera"_s).toString();
    return r;
}

// "Nro_Comprobante|Importe_Bruto|Alicuota|Importe_Ret|Cod_Concepto|Otras_Reten" of every receipt.
QStringList retenciones(DatosEntrada& f)
{
    QStringList r;
    for (const QSqlRecord& x : f.base.filas(
             u"SELECT r.*, b.Otras_Reten FROM Retenciones r LEFT JOIN Retenciones_B b "
             u"ON b.IdCabecera = r.IdCabecera AND b.Nro_Comprobante = r.Nro_Comprobante "
             u"ORDER BY r.Nro_Comprobante"_s)) {
        const auto m = [&](const char* c) {
            const QVariant v = x.value(QString::fromLatin1(c));
            return v.isNull() ? u"-"_s : Importe::desdeColumna(v).conPunto();
        };
        r << QStringList{x.value(u"Nro_Comprobante"_s).toString(), m("Importe_Bruto"),
                         m("Alicuota"), m("Importe_Ret"), x.value(u"Cod_Concepto"_s).toString(),
                         m("Otras_Reten")}
                 .join(u'|');
    }
    return r;
}

void remesas(DatosEntrada& f, const QString& agente = u"012345"_s)
{
    for (const char* letra : {"A", "B"})
        prueba::remesa(f.base, {.nroRemesa = letra[0] - 'A' + 1, .letra = QString::fromLatin1(letra),
                                .agente = agente, .desde = 1, .hasta = 1000});
}

TEST(frmRetencionesB, CadaRegimenSuPantalla)
{
    struct Caso {
        const char* regimen;
        bool concepto, detalle, lactea;
        QString boton, rotulo, conceptoPropuesto;
    };
    const Caso casos[] = {
        {"09", false, true, false, u"Cargar Guias"_s, u"Importe Total Guias:"_s, u"00"_s},
        {"10", false, true, false, u"Cargar Obleas"_s, u"Importe Total Obleas:"_s, u"00"_s},
        {"11", true, true, true, u"Cargar Anticipos"_s, u"Anticipos:"_s, u"97"_s},
        {"12", true, true, false, u"Carga Anticipo/Oblea"_s, u"Anticipos:"_s, u"98"_s},
        {"15", false, true, false, u"Cargar Conceptos"_s, u"Importe Total Conceptos:"_s, u"00"_s},
        {"16", true, false, false, {}, {}, u"00"_s},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.regimen);
        DatosEntrada f(QString::fromLatin1(c.regimen), u"09"_s);
        PantallaB p(f);
        EXPECT_EQ(p.form.objectName(), u"frmRetenciones_B"_s);
        EXPECT_TRUE(p.form.windowTitle().endsWith(u"Setiembre de 2008"_s));
        EXPECT_EQ(p.visible(u"mskImpBru"_s), c.concepto);
        EXPECT_EQ(p.visible(u"Lbl_total_retencion"_s), c.concepto);
        EXPECT_EQ(p.visible(u"Cmd_Guias"_s), c.detalle);
        EXPECT_EQ(p.visible(u"chkPagoLactea"_s), c.lactea);
        if (c.detalle) {
            EXPECT_EQ(p.texto(u"Cmd_Guias"_s), c.boton);
            EXPECT_EQ(p.texto(u"LblImporte_o_otros_pagos"_s), c.rotulo);
        }
        p.pulsar(u"cmdAgregar"_s);
        EXPECT_EQ(p.texto(u"mskCodConcepto"_s), c.conceptoPropuesto);
        EXPECT_EQ(p.texto(u"lblImporteRet"_s), u"$ 0,00"_s);
        EXPECT_EQ(p.texto(u"LblImporte"_s), QString());
    }
}

// Nueva shows a blank receipt with the concept it proposes described at once; the focus it moves
// itself (the button it disables hands it on) looks nothing up on the way to the day.
TEST(frmRetencionesB, NuevaMuestraElConceptoYElImporteVacio)
{
    const struct Caso {
        const char* regimen;
        QString concepto;
    } casos[] = {{"11", u"SEMOVIENTES-PROD. APÍCOLAS"_s}, {"16", u"OPERACIONES EN GENERAL"_s}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.regimen);
        DatosEntrada f(QString::fromLatin1(c.regimen), u"09"_s);
        PantallaB p(f);
        QApplication::setActiveWindow(&p.form);
        auto* nueva = p.w<QPushButton>(u"cmdAgregar"_s);
        nueva->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), nueva);
        nueva->click();
        EXPECT_EQ(QApplication::focusWidget(), p.w(u"mskDia"_s));
        EXPECT_EQ(p.texto(u"lblDescConcepto"_s), c.concepto);
        EXPECT_EQ(p.texto(u"Lbl_total_retencion"_s), QString());
        EXPECT_EQ(p.texto(u"lblImporteRet"_s), u"$ 0,00"_s);
    }
}

// The rows of the receipt being entered carry "0" until Grabar gives them its number, in the same
// transaction as the receipt; a new receipt first drops what an abandoned one left.
TEST(frmRetencionesB, LasObleasEnCeroTomanElNumeroDelComprobante)
{
    DatosEntrada f(u"10"_s);
    remesas(f);
    prueba::guia(f.base, {.comprobante = u"0"_s, .agente = u"000000"_s, .nroGuia = u"A0000999"_s,
                          .tipo = 1, .nroPorte = u"0001-00000001"_s, .idCabecera = f.idCabecera});
    PantallaB p(f);
    p.nueva();
    EXPECT_EQ(guias(f), QStringList());

    p.detalle([&](QDialog& v) {
        EXPECT_EQ(v.objectName(), u"frmGuias"_s);
        fila(v, u"1"_s, u"a1"_s);
        fila(v, u"2"_s, u"b2"_s);
        EXPECT_EQ(grillaDe(v).filas(), 2);
    });
    const QString id = QString::number(f.idCabecera);
    EXPECT_EQ(guias(f), (QStringList{u"0|A0000001|65.00|"_s + id, u"0|B0000002|45.00|"_s + id}));
    EXPECT_EQ(p.texto(u"LblImporte"_s), u"$ 110,00"_s);
    EXPECT_EQ(p.texto(u"mskImpBru"_s), u"$ 110,00"_s);
    EXPECT_EQ(p.texto(u"lblAlicuota"_s), u"100"_s);

    p.pulsar(u"cmdGrabar"_s);
    EXPECT_EQ(f.dialogs.textosMostrados(), QStringList());
    EXPECT_EQ(p.modo(), QString());
    EXPECT_EQ(retenciones(f), QStringList{u"00000001|110.00|100.00|110.00|98|-"_s});
    EXPECT_EQ(guias(f), (QStringList{u"00000001|A0000001|65.00|"_s + id,
                                     u"00000001|B0000002|45.00|"_s + id}));
    EXPECT_EQ(f.contador(), u"00000001"_s);
    EXPECT_EQ(f.estadoCabecera(), u"2"_s);
    EXPECT_EQ(p.form.filaActual()->nroComprobante, u"00000001"_s);
    EXPECT_EQ(p.texto(u"LblImporte"_s), u"$ 110,00"_s);

    // The next receipt's window starts empty: the saved rows are no longer pending.
    p.nueva();
    p.detalle([](QDialog& v) { EXPECT_EQ(grillaDe(v).filas(), 0); });
    EXPECT_EQ(p.texto(u"LblImporte"_s), u"$ 0,00"_s);
}

TEST(frmRetencionesB, GrabarRehusaSinLoQueElRegimenPide)
{
    struct Caso {
        const char* nombre;
        const char* regimen;
        QString sujeto;
        std::function<void(QDialog&)> filas;  // none: the window is not opened
        QString mensaje;
        QString foco;
    };
    const auto unaOblea = [](QDialog& v) { fila(v, u"1"_s, u"A0000001"_s); };
    const Caso casos[] = {
        {"sujeto desconocido", "10", u"3009999999"_s, unaOblea,
         u"El sujeto indicado no está cargado en la base del sistema."_s, u"mskNroContrib"_s},
        {"sin obleas", "10", u"3001234567"_s, {}, u"No ha cargado ninguna Oblea"_s, u"Cmd_Guias"_s},
        {"sin guías", "09", u"3001234567"_s, {}, u"No ha cargado ninguna Guia"_s, u"Cmd_Guias"_s},
        {"guías que no suman", "09", u"3001234567"_s,
         [](QDialog& v) { fila(v, u"1"_s, u"12"_s, u"0,0"_s); }, u"No ha cargado ninguna Guia"_s,
         u"Cmd_Guias"_s},
        {"sujeto 999999", "10", u"0009999990"_s, unaOblea, u"Nº de sujeto Inválido"_s,
         u"mskNroContrib"_s},
        {"concepto desconocido", "11", u"3001234567"_s, {},
         u"El concepto indicado no está cargado en la base del sistema."_s, u"mskCodConcepto"_s},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        DatosEntrada f(QString::fromLatin1(c.regimen));
        remesas(f);
        prueba::contribuyente(f.base, {.nro = u"0009999990"_s, .cuit = u"20123456786"_s,
                                       .razonSocial = u"SIN NUMERO"_s, .codTipo = u"1"_s});
        PantallaB p(f);
        p.nueva(c.sujeto);
        if (p.visible(u"mskCodConcepto"_s)) p.escribir(u"mskCodConcepto"_s, u"55"_s);
        if (c.filas) p.detalle(c.filas);
        f.dialogs.mensajes.clear();
        p.pulsar(u"cmdGrabar"_s);
        EXPECT_EQ(f.dialogs.textosMostrados(), QStringList{c.mensaje});
        EXPECT_EQ(p.form.focusWidget()->objectName(), c.foco);
        EXPECT_EQ(p.modo(), FormularioRetencion::kTituloNueva);
        EXPECT_EQ(f.contar(u"SELECT COUNT(*) FROM Retenciones"_s), 0);
        EXPECT_EQ(f.contador(), u"00000000"_s);
    }
}

class Anticipos11 : public ::testing::Test {
protected:
    Anticipos11() { prueba::alicuota(f.base, {.regimen = u"11"_s, .tipo = u"1"_s, .alicuota = tasa("2")}); }
    DatosEntrada f{u"11"_s};
};

TEST_F(Anticipos11, LosAnticiposSeDescuentanDeLoRetenido)
{
    PantallaB p(f);
    p.nueva();
    EXPECT_EQ(p.texto(u"lblDescConcepto"_s), u"SEMOVIENTES-PROD. APÍCOLAS"_s);
    p.escribir(u"mskImpBru"_s, u"10000"_s);
    EXPECT_EQ(p.texto(u"lblImporteRet"_s), u"$ 200,00"_s);
    EXPECT_EQ(p.texto(u"Lbl_total_retencion"_s), u"$ 200,00"_s);
    p.detalle([](QDialog& v) {
        EXPECT_EQ(v.objectName(), u"frmAnticipos"_s);
        anticipo(v, u"000123"_s, u"77"_s, u"50"_s);
    });
    EXPECT_EQ(p.texto(u"LblImporte"_s), u"$ 50,00"_s);
    EXPECT_EQ(p.texto(u"Lbl_total_retencion"_s), u"$ 150,00"_s);
    p.pulsar(u"cmdGrabar"_s);
    EXPECT_EQ(f.dialogs.textosMostrados(), QStringList());
    EXPECT_EQ(retenciones(f), QStringList{u"00000001|10000.00|2.00|150.00|97|50.00"_s});
    EXPECT_EQ(guias(f), QStringList{u"00000001|0|50.00|"_s + QString::number(f.idCabecera)});

    // More advances than it withholds leave it withholding nothing.
    p.nueva();
    p.escribir(u"mskImpBru"_s, u"1000"_s);
    p.detalle([](QDialog& v) { anticipo(v, u"000123"_s, u"78"_s, u"30"_s); });
    EXPECT_EQ(p.texto(u"Lbl_total_retencion"_s), u"$ 0,00"_s);
    p.pulsar(u"cmdGrabar"_s);
    EXPECT_EQ(retenciones(f).last(), u"00000002|1000.00|2.00|0.00|97|30.00"_s);
    // Shown again, the receipt says what it deducted.
    EXPECT_EQ(p.texto(u"LblImporte"_s), u"$ 20,00"_s);
}

TEST_F(Anticipos11, SinAnticiposPregunta)
{
    PantallaB p(f);
    p.nueva();
    p.escribir(u"mskImpBru"_s, u"1000"_s);
    f.dialogs.respuestas = {Respuesta::No};
    p.pulsar(u"cmdGrabar"_s);
    ASSERT_EQ(f.dialogs.mensajes.size(), 1U);
    EXPECT_EQ(f.dialogs.mensajes[0].texto, u" ¿Continua sin cargar Anticipos?"_s);
    EXPECT_EQ(f.dialogs.mensajes[0].titulo, u"Confirmar"_s);
    EXPECT_EQ(f.dialogs.mensajes[0].porDefecto, Respuesta::No);
    EXPECT_EQ(p.form.focusWidget()->objectName(), u"Cmd_Guias"_s);
    EXPECT_EQ(f.contar(u"SELECT COUNT(*) FROM Retenciones"_s), 0);

    // Advances loaded and deleted: the other question.
    f.dialogs.respuestas = {Respuesta::Si};  // the deletion
    p.detalle([](QDialog& v) {
        anticipo(v, u"000123"_s, u"1"_s, u"5"_s);
        ::pulsar(v, u"cmdBorrar"_s);
    });
    f.dialogs.mensajes.clear();
    f.dialogs.respuestas = {Respuesta::Si};
    p.pulsar(u"cmdGrabar"_s);
    EXPECT_EQ(f.dialogs.textosMostrados(),
              QStringList{u"No ha cargado ningun anticipo \n¿Continua sin descontar otras retenciones?"_s});
    EXPECT_EQ(retenciones(f), QStringList{u"00000001|1000.00|2.00|20.00|97|0.00"_s});
}

// A save that fails at its last write says so and leaves the receipt being entered as it was,
// rows and all, to be saved again.
TEST_F(Anticipos11, UnaGrabacionFallidaSigueEnEdicion)
{
    PantallaB p(f);
    p.nueva();
    p.escribir(u"mskImpBru"_s, u"1000"_s);
    p.detalle([](QDialog& v) { anticipo(v, u"000123"_s, u"1"_s, u"5"_s); });
    f.sql("CREATE TRIGGER falla BEFORE INSERT ON Retenciones_B "
          "BEGIN SELECT RAISE(ABORT, 'disco lleno'); END");
    p.pulsar(u"cmdGrabar"_s);
    ASSERT_EQ(f.dialogs.mensajes.size(), 1U);
    EXPECT_TRUE(f.dialogs.mensajes[0].texto.contains(u"La Ret./Perc. no fue grabada."_s));
    EXPECT_EQ(p.modo(), FormularioRetencion::kTituloNueva);
    EXPECT_EQ(f.contador(), u"00000000"_s);
    EXPECT_EQ(guias(f), QStringList{u"0|0|5.00|"_s + QString::number(f.idCabecera)});

    f.sql("DROP TRIGGER falla");
    p.pulsar(u"cmdGrabar"_s);
    EXPECT_EQ(retenciones(f), QStringList{u"00000001|1000.00|2.00|15.00|97|5.00"_s});
}

TEST(frmRetencionesB, ElRegimenSinDetalleNoDescuentaNada)
{
    DatosEntrada f(u"16"_s);
    PantallaB p(f);
    p.nueva();
    p.escribir(u"mskCodConcepto"_s, u"55"_s);  // unknown: this regime does not ask
    p.escribir(u"mskImpBru"_s, u"-150"_s);
    p.pulsar(u"cmdGrabar"_s);
    EXPECT_EQ(f.dialogs.textosMostrados(), QStringList());
    EXPECT_EQ(retenciones(f), QStringList{u"00000001|-150.00|0.00|0.00|55|0.00"_s});
}

// An own advance of the regime of stamped advances needs no question; the agent is renumbered to
// one whose check digit is right.
TEST(frmRetencionesB, ElAnticipoPropioNoPregunta)
{
    DatosEntrada f(u"12"_s);
    for (const char* tabla : {"Agentes", "Sucursales", "Cabeceras"})
        f.base.ejecutar(u"UPDATE %1 SET Nro_Agente = '012342'"_s.arg(QString::fromLatin1(tabla)));
    f.activar(f.idCabecera);
    remesas(f, u"012342"_s);
    PantallaB p(f);
    p.nueva();
    p.escribir(u"mskImpBru"_s, u"1000"_s);
    p.detalle([](QDialog& v) { anticipo(v, u"012342"_s, {}, {}, u"A7"_s); });
    EXPECT_EQ(p.texto(u"LblImporte"_s), u"$ 0,00"_s);
    p.pulsar(u"cmdGrabar"_s);
    EXPECT_EQ(f.dialogs.textosMostrados(), QStringList());
    // 1000 at the rate of a subject without a row: 0.5 %.
    EXPECT_EQ(retenciones(f), QStringList{u"00000001|1000.00|0.50|5.00|98|0.00"_s});
}

TEST(frmRetencionesB, LaGuiaDeUnSujetoConConstanciaNoRetiene)
{
    DatosEntrada f(u"09"_s);
    PantallaB p(f);
    p.nueva(u"3005555555"_s);  // type "3", no rate row in "09"
    p.detalle([](QDialog& v) { fila(v, u"1"_s, u"12"_s, u"2"_s); });
    EXPECT_EQ(p.texto(u"LblImporte"_s), u"0"_s);
    EXPECT_EQ(p.texto(u"lblAlicuota"_s), u"0"_s);
    EXPECT_EQ(p.texto(u"Lbl_total_retencion"_s), u"0"_s);
    p.pulsar(u"cmdGrabar"_s);
    EXPECT_EQ(f.dialogs.textosMostrados(), QStringList());
    EXPECT_EQ(retenciones(f), QStringList{u"00000001|0.00|0.00|0.00|97|-"_s});
}

// Correcting an imported receipt works on its own rows, and replaces its other withholdings.
TEST(frmRetencionesB, LaCorreccionTrabajaSobreSusFilas)
{
    DatosEntrada f(u"12"_s);
    remesas(f);
    f.importada(u"00000050"_s, u"E"_s);
    prueba::otrasRetenciones(f.base, f.idCabecera, u"00000050"_s, prueba::monto("30"));
    prueba::guia(f.base, {.comprobante = u"00000050"_s, .agente = u"000123"_s,
                          .nroGuia = u"A0000050"_s, .tipo = 0, .total = prueba::monto("30"),
                          .nroAnticipo = u"5"_s, .nroPorte = u"0001-00000050"_s,
                          .idCabecera = f.idCabecera});
    // The same number in another declaration is not this receipt's.
    const qint64 otra = f.nuevaCabecera(u"12"_s, u"06"_s);
    prueba::guia(f.base, {.comprobante = u"00000050"_s, .agente = u"000123"_s,
                          .nroGuia = u"B0000050"_s, .tipo = 0, .total = prueba::monto("99"),
                          .nroAnticipo = u"5"_s, .nroPorte = u"0001-00000050"_s,
                          .idCabecera = otra});
    PantallaB p(f);
    p.pulsar(u"cmdCorregir"_s);
    EXPECT_EQ(p.form.nroComprobanteActual().nroComprobante, u"00000050"_s);
    p.escribir(u"mskCodConcepto"_s, u"98"_s);
    p.detalle([](QDialog& v) {
        EXPECT_EQ(control<QLabel>(v, u"Lbl_total_general"_s)->text(), u"$ 30,00"_s);
        anticipo(v, u"000123"_s, u"6"_s, u"20"_s, u"A51"_s);
    });
    EXPECT_EQ(p.texto(u"LblImporte"_s), u"$ 50,00"_s);
    p.pulsar(u"cmdGrabar"_s);
    EXPECT_EQ(f.dialogs.textosMostrados(), QStringList());
    EXPECT_EQ(f.contar(u"SELECT COUNT(*) FROM Retenciones_B"_s), 1);
    EXPECT_EQ(retenciones(f).first().section(u'|', 5), u"50.00"_s);
    EXPECT_EQ(f.valor("SELECT MarcaImp FROM Retenciones").toString(), u"C"_s);
    EXPECT_EQ(f.contar(u"SELECT COUNT(*) FROM Guias WHERE Nro_Comprobante = '00000050' "
                       u"AND IdCabecera = ?"_s, {f.idCabecera}),
              2);
    EXPECT_EQ(f.contador(), u"00000000"_s);
}

} // namespace
