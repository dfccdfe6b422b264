// The entry form of the general regimes, driven as the user drives it: typing into fields and
// leaving them, pressing buttons, answering its messages.

#include "entry/frmRetenciones.h"

#include "forms/grilla_registros.h"

#include "support/pantalla_entrada.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

struct Pantalla : PantallaEntrada<frmRetenciones> {
    using PantallaEntrada::PantallaEntrada;

    GrillaRegistros* grilla() { return w<GrillaRegistros>("dbgRetenciones"); }
    QString comprobanteActual()
    {
        const auto fila = form.filaActual();
        return fila ? fila->nroComprobante : QString();
    }

    // A complete receipt of subject 3001234567 (type 1: 2,5 % in regime "01"), every field
    // passed through as the user tabs through them.
    void completar(const char* bruto = "1000")
    {
        escribir("mskNroContrib", QStringLiteral("3001234567"));
        escribir("mskDia", QStringLiteral("12"));
        escribir("mskCodConcepto", texto("mskCodConcepto"));
        escribir("mskImpBru", QString::fromLatin1(bruto));
    }
};

QString campoRetencion(DatosEntrada& f, const char* nro, const char* campo)
{
    return f.base
        .valor(QStringLiteral("SELECT %1 FROM Retenciones WHERE Nro_Comprobante = ?")
                   .arg(QString::fromLatin1(campo)),
               {QString::fromLatin1(nro)})
        .toString();
}

TEST(frmRetenciones, DeclaracionVaciaAbreNavegandoSinFilas)
{
    DatosEntrada f;
    Pantalla p(f);

    EXPECT_EQ(p.form.windowTitle(), QStringLiteral("Retenciones/Percepciones del mes de Mayo de 2008"));
    EXPECT_EQ(p.texto("lblOrden"), QStringLiteral("  Ordenadas por: Día"));
    EXPECT_EQ(p.modo(), QString());
    EXPECT_FALSE(p.habilitado("fraRetencion"));
    EXPECT_FALSE(p.habilitado("cmdGrabar"));
    EXPECT_FALSE(p.habilitado("cmdCancelar"));
    EXPECT_TRUE(p.habilitado("cmdAgregar"));
    EXPECT_TRUE(p.habilitado("cmdSalir"));
    EXPECT_FALSE(p.habilitado("cmdAnular"));
    EXPECT_FALSE(p.habilitado("cmdReimprimir"));
    EXPECT_FALSE(p.visible("cmdCorregir"));
    EXPECT_EQ(p.texto("mskDia"), QStringLiteral("17"));
    EXPECT_EQ(p.texto("mskCodConcepto"), QStringLiteral("00"));
    EXPECT_TRUE(f.dialogs.mensajes.empty());
}

TEST(frmRetenciones, OpcionesYObleaSegunElRegimen)
{
    DatosEntrada f;
    const struct {
        const char* regimen;
        bool sedeTV, regimen7, oblea;
    } casos[] = {{"01", true, false, false}, {"02", false, false, false},
                 {"07", false, true, false}, {"08", false, true, false},
                 {"14", false, false, true}};
    for (const auto& c : casos) {
        f.activar(f.nuevaCabecera(QString::fromLatin1(c.regimen), QStringLiteral("09")));
        Pantalla p(f);
        EXPECT_EQ(p.visible("chkSedeTV"), c.sedeTV) << c.regimen;
        EXPECT_EQ(p.visible("chkRegimen7"), c.regimen7) << c.regimen;
        EXPECT_EQ(p.visible("txtOblea"), c.oblea) << c.regimen;
        EXPECT_EQ(p.visible("lblOblea"), c.oblea) << c.regimen;
        EXPECT_TRUE(p.form.windowTitle().endsWith(QStringLiteral("Setiembre de 2008")));
    }
}

// The way a month's work goes: two receipts saved, one annulled; the declaration is open.
TEST(frmRetenciones, NuevasGrabadasYAnulada)
{
    DatosEntrada f;
    Pantalla p(f);

    p.pulsar("cmdAgregar");
    EXPECT_EQ(p.modo(), QStringLiteral(" Nueva Ret./Perc. "));
    EXPECT_FALSE(p.habilitado("cmdSalir"));
    EXPECT_FALSE(p.habilitado("cmdAgregar"));
    EXPECT_FALSE(p.habilitado("dbgRetenciones"));
    EXPECT_TRUE(p.habilitado("cmdContribuyentes"));
    EXPECT_EQ(p.texto("mskDia"), QStringLiteral("17"));
    EXPECT_EQ(p.texto("txtNroX"), QStringLiteral("0"));
    EXPECT_EQ(p.texto("lblImporteRet"), QStringLiteral("0,00"));
    EXPECT_EQ(p.texto("lblAlicuota"), QStringLiteral("0"));
    EXPECT_EQ(p.form.focusWidget(), p.w("mskDia"));

    p.escribir("mskNroContrib", QStringLiteral("3001234567"));
    EXPECT_EQ(p.texto("lblRazonSocial"), QStringLiteral("PEREZ JUAN"));
    EXPECT_EQ(p.texto("lblAlicuota"), QStringLiteral("2,5"));
    p.escribir("mskCodConcepto", QStringLiteral("00"));
    EXPECT_EQ(p.texto("lblDescConcepto"), QStringLiteral("OPERACIONES EN GENERAL"));
    p.escribir("mskImpBru", QStringLiteral("1234,56"));
    EXPECT_EQ(p.texto("lblImporteRet"), QStringLiteral("30,86"));
    p.escribir("txtNroX", QString());
    EXPECT_EQ(p.texto("txtNroX"), QStringLiteral("0"));
    p.pulsar("cmdGrabar");

    EXPECT_EQ(p.modo(), QString());
    EXPECT_TRUE(p.habilitado("cmdSalir"));
    EXPECT_TRUE(p.habilitado("cmdAnular"));
    EXPECT_EQ(p.comprobanteActual(), QStringLiteral("00000001"));
    EXPECT_EQ(campoRetencion(f, "00000001", "Dia"), QStringLiteral("17"));
    EXPECT_EQ(campoRetencion(f, "00000001", "Importe_Ret"), QStringLiteral("308600"));
    EXPECT_EQ(f.estadoCabecera(), QStringLiteral("2"));

    p.pulsar("cmdAgregar");
    p.completar("2000");
    EXPECT_EQ(p.texto("lblImporteRet"), QStringLiteral("50,00"));
    p.pulsar("cmdGrabar");
    EXPECT_EQ(p.comprobanteActual(), QStringLiteral("00000002"));
    EXPECT_EQ(p.grilla()->filas(), 2);
    EXPECT_EQ(f.contador(), QStringLiteral("00000002"));
    EXPECT_TRUE(f.dialogs.mensajes.empty());

    // Annulling asks first; No changes nothing.
    f.dialogs.respuestas = {Respuesta::No};
    p.pulsar("cmdAnular");
    EXPECT_EQ(f.dialogs.mensajes.back().texto,
              QStringLiteral("¿Confirma la anulación del registro seleccionado?."));
    EXPECT_EQ(f.dialogs.mensajes.back().porDefecto, Respuesta::No);
    EXPECT_EQ(campoRetencion(f, "00000002", "Estado"), QStringLiteral("5"));
    f.dialogs.respuestas = {Respuesta::Si};
    p.pulsar("cmdAnular");
    EXPECT_EQ(campoRetencion(f, "00000002", "Estado"), QStringLiteral("4"));
    EXPECT_EQ(p.comprobanteActual(), QStringLiteral("00000002"));
    EXPECT_EQ(p.texto("lblEstado"), QStringLiteral("Anulada"));
    p.pulsar("cmdAnular");
    EXPECT_EQ(p.ultimoMensaje(), QStringLiteral("El registro ya ha sido anulado."));
    EXPECT_EQ(f.contador(), QStringLiteral("00000002"));
}

TEST(frmRetenciones, GrabarRehusaLoQueNoEstaCargado)
{
    DatosEntrada f;
    Pantalla p(f);
    p.pulsar("cmdAgregar");

    p.escribir("mskNroContrib", QStringLiteral("3009999999"));
    EXPECT_EQ(p.texto("lblRazonSocial"), QString());
    p.pulsar("cmdGrabar");
    EXPECT_EQ(f.dialogs.mensajes.back().texto,
              QStringLiteral("El sujeto indicado no está cargado en la base del sistema."));
    EXPECT_EQ(f.dialogs.mensajes.back().titulo, QStringLiteral("Atención..."));
    EXPECT_EQ(p.form.focusWidget(), p.w("mskNroContrib"));

    p.escribir("mskNroContrib", QStringLiteral("3001234567"));
    p.escribir("mskCodConcepto", QStringLiteral("55"));
    EXPECT_EQ(p.texto("lblDescConcepto"), QString());
    p.pulsar("cmdGrabar");
    EXPECT_EQ(p.ultimoMensaje(),
              QStringLiteral("El concepto indicado no está cargado en la base del sistema."));
    EXPECT_EQ(p.form.focusWidget(), p.w("mskCodConcepto"));

    // A gross amount refused on leaving its field is refused again by Grabar.
    p.escribir("mskCodConcepto", QStringLiteral("00"));
    p.escribir("mskImpBru", QStringLiteral("-150"));
    EXPECT_EQ(p.ultimoMensaje(), QStringLiteral("Solo el Regimen Percepciones permite importes negativos"));
    EXPECT_EQ(p.texto("mskImpBru"), QStringLiteral("-150"));
    const auto avisos = f.dialogs.mensajes.size();
    p.pulsar("cmdGrabar");
    EXPECT_EQ(f.dialogs.mensajes.size(), avisos + 1);
    EXPECT_EQ(p.modo(), QStringLiteral(" Nueva Ret./Perc. "));
    EXPECT_EQ(f.valor("SELECT COUNT(*) FROM Retenciones").toInt(), 0);
    EXPECT_EQ(f.contador(), QStringLiteral("00000000"));
}

TEST(frmRetenciones, CamposSeCompruebanAlDejarlos)
{
    DatosEntrada f(QStringLiteral("06"), QStringLiteral("04"));
    Pantalla p(f);
    p.pulsar("cmdAgregar");

    p.escribir("mskDia", QStringLiteral("31"));
    EXPECT_EQ(p.ultimoMensaje(), QStringLiteral("Abril no tiene 31 días."));
    EXPECT_EQ(p.texto("mskDia"), QStringLiteral("17"));
    EXPECT_EQ(p.form.focusWidget(), p.w("mskDia"));
    p.escribir("mskDia", QString());
    EXPECT_EQ(p.ultimoMensaje(), QStringLiteral("Debe indicar el día de efectuada la retención."));

    // Regime "06" takes negative amounts; the withheld amount follows.
    p.escribir("mskNroContrib", QStringLiteral("3001234567"));
    p.escribir("mskImpBru", QStringLiteral("-150"));
    EXPECT_EQ(p.texto("lblImporteRet"), QStringLiteral("-2,25"));
    p.escribir("mskImpBru", QStringLiteral("1000000000"));
    EXPECT_EQ(p.ultimoMensaje(),
              QStringLiteral("El importe ingresado supera el máximo permitido ($ 999.999.999,99)."));
    EXPECT_EQ(p.texto("mskImpBru"), QStringLiteral("1000000000"));
    // A refused amount that is still a number is computed all the same.
    EXPECT_EQ(p.texto("lblImporteRet"), QStringLiteral("15.000.000,00"));
    p.escribir("mskImpBru", QStringLiteral("12a"));
    EXPECT_EQ(p.ultimoMensaje(), QStringLiteral("El importe ingresado no es un número válido."));
    EXPECT_EQ(p.texto("lblImporteRet"), QStringLiteral("15.000.000,00"));
    p.escribir("mskImpBru", QString());
    EXPECT_EQ(p.texto("lblImporteRet"), QStringLiteral("0,00"));

    // The key filter: one decimal separator, no full stop where the comma is the separator.
    auto* bruto = p.w<QLineEdit>("mskImpBru");
    bruto->setText(QString());
    for (const char* tecla : {"1", ",", "5", ",", ".", "x", "-", "-"}) {
        QKeyEvent pulsada(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromLatin1(tecla));
        QApplication::sendEvent(bruto, &pulsada);
    }
    EXPECT_EQ(bruto->text(), QStringLiteral("1,5-"));
}

// "500", the keypad's decimal key and "50" is five hundred and fifty cents, whichever character
// the key sends; the main keyboard's "." is not a decimal separator here and is dropped.
TEST(frmRetenciones, LaTeclaDecimalDelTecladoNumericoEnElImporteBruto)
{
    const struct {
        QString tecleado;
        bool tecladoNumerico;
        QString retenido;
        const char* guardado;
    } casos[] = {
        {QStringLiteral("500.50"), true, QStringLiteral("12,51"), "5005000"},
        {QStringLiteral("500,50"), true, QStringLiteral("12,51"), "5005000"},
        {QStringLiteral("500.50"), false, QStringLiteral("1.251,25"), "500500000"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.tecleado.toStdString() + (c.tecladoNumerico ? " (teclado numérico)" : ""));
        DatosEntrada f;
        Pantalla p(f);
        p.pulsar("cmdAgregar");
        p.completar();
        auto* bruto = p.w<QLineEdit>("mskImpBru");
        bruto->clear();
        if (c.tecladoNumerico)
            teclearEnElTecladoNumerico(bruto, c.tecleado);
        else
            teclear(bruto, c.tecleado);
        salirDe(bruto);
        EXPECT_EQ(p.texto("lblImporteRet"), c.retenido);
        p.pulsar("cmdGrabar");
        EXPECT_EQ(campoRetencion(f, "00000001", "Importe_Bruto"), QString::fromLatin1(c.guardado));
    }
}

TEST(frmRetenciones, OpcionDeConstruccionCambiaLaAlicuota)
{
    DatosEntrada f;
    Pantalla p(f);
    p.pulsar("cmdAgregar");
    p.completar("1000");
    EXPECT_EQ(p.texto("lblImporteRet"), QStringLiteral("25,00"));
    p.w<QCheckBox>("chkSedeTV")->click();
    EXPECT_EQ(p.texto("lblAlicuota"), QStringLiteral("1,75"));
    EXPECT_EQ(p.texto("lblImporteRet"), QStringLiteral("17,50"));
    p.pulsar("cmdGrabar");
    EXPECT_EQ(campoRetencion(f, "00000001", "Alicuota"), QStringLiteral("17500"));
    EXPECT_EQ(campoRetencion(f, "00000001", "Importe_Ret"), QStringLiteral("175000"));

    // The box keeps its state for the next receipt.
    p.pulsar("cmdAgregar");
    EXPECT_TRUE(p.w<QCheckBox>("chkSedeTV")->isChecked());
    p.w<QCheckBox>("chkSedeTV")->click();
    p.escribir("mskNroContrib", QStringLiteral("3001234567"));
    EXPECT_EQ(p.texto("lblAlicuota"), QStringLiteral("2,5"));
}

TEST(frmRetenciones, CancelarVuelveALaFilaAnterior)
{
    DatosEntrada f;
    f.importada(QStringLiteral("00000001"), QStringLiteral("I"));
    f.importada(QStringLiteral("00000002"), QStringLiteral("I"), QStringLiteral("5"),
                QStringLiteral("3007654321"));
    Pantalla p(f);
    p.grilla()->irAFila(0);
    EXPECT_EQ(p.texto("lblRazonSocial"), QStringLiteral("PEREZ JUAN"));

    p.pulsar("cmdAgregar");
    p.escribir("mskNroContrib", QStringLiteral("3007654321"));
    p.pulsar("cmdCancelar");

    EXPECT_EQ(p.modo(), QString());
    EXPECT_EQ(p.grilla()->filas(), 2);
    EXPECT_EQ(p.comprobanteActual(), QStringLiteral("00000001"));
    EXPECT_EQ(p.texto("lblRazonSocial"), QStringLiteral("PEREZ JUAN"));
    EXPECT_EQ(p.texto("mskNroContrib"), QStringLiteral("300-123456-7"));
    EXPECT_EQ(p.texto("lblImporteRet"), QStringLiteral("12,50"));
    EXPECT_TRUE(p.habilitado("cmdSalir"));
    EXPECT_EQ(f.contador(), QStringLiteral("00000000"));
}

TEST(frmRetenciones, GrillaOrdenaPorColumnaYMuestraLaFila)
{
    DatosEntrada f;
    f.importada(QStringLiteral("00000003"), QStringLiteral("E"));
    f.importada(QStringLiteral("00000001"), QStringLiteral("I"), QStringLiteral("4"));
    f.importada(QStringLiteral("00000002"), QStringLiteral("C"), QStringLiteral("5"),
                QStringLiteral("9501234567"));
    f.sql("UPDATE Retenciones SET Dia = '2' || substr(Nro_Comprobante, 8)");
    Pantalla p(f);

    // Ordered by day, the last row is current: day 23, receipt 3, imported with an error.
    EXPECT_EQ(p.comprobanteActual(), QStringLiteral("00000003"));
    EXPECT_TRUE(p.visible("cmdCorregir"));
    EXPECT_EQ(p.grilla()->model()->index(0, 2).data().toString(), QStringLiteral("500,00"));
    EXPECT_EQ(p.grilla()->model()->index(0, 3).data().toString(), QStringLiteral("2,50"));

    // Gross amount, rate and withheld amount have no order.
    Q_EMIT p.grilla()->horizontalHeader()->sectionClicked(3);
    EXPECT_EQ(p.ultimoMensaje(), QStringLiteral("No se dispone de ordenamiento por este campo."));
    EXPECT_EQ(p.texto("lblOrden"), QStringLiteral("  Ordenadas por: Día"));

    Q_EMIT p.grilla()->horizontalHeader()->sectionClicked(6);
    EXPECT_EQ(p.texto("lblOrden"), QStringLiteral("  Ordenadas por: Código de Estado"));
    EXPECT_EQ(p.comprobanteActual(), QStringLiteral("00000002"));
    // A subject not registered for the tax is warned about each time its row becomes current.
    EXPECT_TRUE(p.ultimoMensaje().startsWith(QStringLiteral("El sujeto seleccionado es un contribuyente 'no inscripto'")));
    EXPECT_TRUE(p.visible("cmdCorregir"));
    EXPECT_EQ(p.texto("lblEstado"), QString());

    p.grilla()->irAFila(0);
    EXPECT_EQ(p.comprobanteActual(), QStringLiteral("00000001"));
    EXPECT_EQ(p.texto("lblEstado"), QStringLiteral("Anulada"));
    EXPECT_FALSE(p.visible("cmdCorregir"));
}

// The subject picked from the list sends the focus on to the gross amount, past the concept: the
// concept Nueva proposes is saved without its box ever being left.
TEST(frmRetenciones, ElConceptoPropuestoSeGrabaSinPasarPorSuCaja)
{
    DatosEntrada f;
    ServiciosEntrada servicios;
    servicios.selectores.contribuyente = [] { return std::optional(QStringLiteral("3001234567")); };
    Pantalla p(f, servicios);
    QApplication::setActiveWindow(&p.form);

    p.pulsar("cmdAgregar");
    EXPECT_EQ(p.texto("lblDescConcepto"), QStringLiteral("OPERACIONES EN GENERAL"));
    p.pulsar("cmdContribuyentes");
    ASSERT_EQ(QApplication::focusWidget(), p.w("mskImpBru"));
    p.w<QLineEdit>("mskImpBru")->setText(QStringLiteral("5000"));
    auto* grabar = p.w<QPushButton>("cmdGrabar");
    grabar->setFocus(Qt::MouseFocusReason);
    grabar->click();

    EXPECT_TRUE(f.dialogs.mensajes.empty()) << p.ultimoMensaje().toStdString();
    EXPECT_EQ(campoRetencion(f, "00000001", "Cod_Concepto"), QStringLiteral("00"));
    EXPECT_EQ(campoRetencion(f, "00000001", "Importe_Ret"), QStringLiteral("1250000"));
}

// Grabar pressed by its access key, the focus still in the field just typed: the field is checked
// and looked up first, as leaving it for Grabar does, and Grabar judges what the field holds.
TEST(frmRetenciones, GrabarPorSuTeclaDejaAntesElCampo)
{
    const struct {
        const char* campo;
        const char* valor;
        const char* mensaje;  // none: the receipt is saved
        const char* queda;    // what the field holds afterwards
    } casos[] = {
        {"mskCodConcepto", "55", "El concepto indicado no está cargado en la base del sistema.", "55"},
        {"mskCodConcepto", "31", nullptr, "31"},
        {"mskDia", "45", "Mayo no tiene 45 días.", "17"},
        {"mskNroContrib", "3009999999", "El sujeto indicado no está cargado en la base del sistema.",
         "300-999999-9"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.campo);
        DatosEntrada f;
        Pantalla p(f);
        QApplication::setActiveWindow(&p.form);
        p.pulsar("cmdAgregar");
        p.completar();
        auto* campo = p.w<QLineEdit>(QString::fromLatin1(c.campo));
        campo->setFocus();
        campo->setText(QString::fromLatin1(c.valor));
        p.w<QPushButton>("cmdGrabar")->click();

        EXPECT_EQ(p.texto(QString::fromLatin1(c.campo)), QString::fromUtf8(c.queda));
        if (c.mensaje) {
            EXPECT_EQ(p.ultimoMensaje(), QString::fromUtf8(c.mensaje));
            EXPECT_EQ(p.modo(), QStringLiteral(" Nueva Ret./Perc. "));
            EXPECT_EQ(f.valor("SELECT COUNT(*) FROM Retenciones").toInt(), 0);
        } else {
            EXPECT_TRUE(f.dialogs.mensajes.empty()) << p.ultimoMensaje().toStdString();
            EXPECT_EQ(p.texto("lblDescConcepto"), QStringLiteral("PERCEPCION EN FAENA"));
            EXPECT_EQ(campoRetencion(f, "00000001", "Cod_Concepto"), QStringLiteral("31"));
        }
    }
}

// Grabar goes straight to the saved receipt: the first row of the grid, a subject not registered
// for the tax, is not passed over on the way, so its warning does not show for another subject.
// The focus goes where a click on Grabar leaves it.
TEST(frmRetenciones, GrabarNoPasaPorLaPrimeraFila)
{
    DatosEntrada f;
    // The first row by day, entered by hand (no import mark).
    f.importada(QStringLiteral("00000001"), QString(), QStringLiteral("5"),
                QStringLiteral("9501234567"));
    f.sql("UPDATE Sucursales SET Nro_Comprobante = '00000001' WHERE Sucursal = '0001'");
    Pantalla p(f);
    QApplication::setActiveWindow(&p.form);
    ASSERT_EQ(p.comprobanteActual(), QStringLiteral("00000001"));
    f.dialogs.mensajes.clear();

    // The panel as the user sees it while a message is up.
    QStringList panelConAviso;
    f.dialogs.alMostrar = [&](const Mensaje&) {
        panelConAviso = {p.texto("mskNroContrib"), p.texto("mskDia"), p.texto("lblImporteRet")};
    };
    p.pulsar("cmdAgregar");
    p.escribir("mskNroContrib", QStringLiteral("3001234567"));
    p.escribir("mskDia", QStringLiteral("20"));
    p.escribir("mskCodConcepto", QStringLiteral("00"));
    p.escribir("mskImpBru", QStringLiteral("5000"));
    auto* grabar = p.w<QPushButton>("cmdGrabar");
    grabar->setFocus(Qt::MouseFocusReason);
    grabar->click();

    EXPECT_EQ(p.modo(), QString());
    EXPECT_EQ(p.comprobanteActual(), QStringLiteral("00000002"));
    EXPECT_TRUE(f.dialogs.mensajes.empty()) << p.ultimoMensaje().toStdString();
    EXPECT_TRUE(panelConAviso.isEmpty()) << panelConAviso.join(u'|').toStdString();
    EXPECT_EQ(p.texto("mskNroContrib"), QStringLiteral("300-123456-7"));
    EXPECT_EQ(p.texto("mskDia"), QStringLiteral("20"));
    EXPECT_EQ(p.texto("lblImporteRet"), QStringLiteral("125,00"));

    // Moving onto the subject not registered still warns.
    p.grilla()->irAFila(0);
    EXPECT_TRUE(p.ultimoMensaje().startsWith(
        QStringLiteral("El sujeto seleccionado es un contribuyente 'no inscripto'")));
    EXPECT_EQ(panelConAviso.value(0), QStringLiteral("950-123456-7"));
}

TEST(frmRetenciones, CorreccionDeUnaImportadaConError)
{
    DatosEntrada f;
    f.sql("UPDATE Cabeceras SET Estado = '2'");
    f.importada(QStringLiteral("00000007"), QStringLiteral("E"));
    f.importada(QStringLiteral("00000008"), QStringLiteral("E"), QStringLiteral("4"));
    f.sql("UPDATE Retenciones SET Dia = '01' WHERE Nro_Comprobante = '00000008'");
    Pantalla p(f);
    ASSERT_EQ(p.comprobanteActual(), QStringLiteral("00000007"));

    p.pulsar("cmdCorregir");
    EXPECT_EQ(p.modo(), QStringLiteral(" Corregir Ret./Perc. Importada con Error "));
    EXPECT_EQ(p.form.focusWidget(), p.w("mskDia"));
    // Cancelling keeps the stored row.
    p.escribir("mskImpBru", QStringLiteral("9999"));
    p.pulsar("cmdCancelar");
    EXPECT_EQ(campoRetencion(f, "00000007", "Importe_Bruto"), QStringLiteral("5000000"));

    p.pulsar("cmdCorregir");
    p.escribir("mskDia", QStringLiteral("21"));
    p.escribir("mskImpBru", QStringLiteral("333,33"));
    p.escribir("mskNroContrib", QStringLiteral("3007654321"));  // type 0: 3 %
    p.pulsar("cmdGrabar");
    EXPECT_EQ(p.modo(), QString());
    EXPECT_EQ(campoRetencion(f, "00000007", "Dia"), QStringLiteral("21"));
    EXPECT_EQ(campoRetencion(f, "00000007", "Alicuota"), QStringLiteral("30000"));
    EXPECT_EQ(campoRetencion(f, "00000007", "Importe_Ret"), QStringLiteral("100000"));
    EXPECT_EQ(campoRetencion(f, "00000007", "MarcaImp"), QStringLiteral("C"));
    EXPECT_EQ(campoRetencion(f, "00000007", "Estado"), QStringLiteral("5"));
    EXPECT_EQ(f.valor("SELECT COUNT(*) FROM Retenciones").toInt(), 2);
    EXPECT_EQ(f.contador(), QStringLiteral("00000000"));
    EXPECT_EQ(p.comprobanteActual(), QStringLiteral("00000007"));
    EXPECT_TRUE(p.visible("cmdCorregir"));

    // An annulled row can be neither corrected nor annulled again.
    p.grilla()->irAFila(0);
    ASSERT_EQ(p.comprobanteActual(), QStringLiteral("00000008"));
    p.pulsar("cmdCorregir");
    EXPECT_EQ(p.ultimoMensaje(), QStringLiteral("No puede corregir una operación que ha sido anulada."));
    EXPECT_EQ(p.modo(), QString());
}

TEST(frmRetenciones, ObleaDelRegimen14)
{
    DatosEntrada f(QStringLiteral("14"));
    Pantalla p(f);
    p.pulsar("cmdAgregar");
    EXPECT_EQ(p.texto("mskCodConcepto"), QStringLiteral("31"));
    EXPECT_EQ(p.texto("lblDescConcepto"), QStringLiteral("PERCEPCION EN FAENA"));
    p.completar("2000");

    p.escribir("txtOblea", QStringLiteral("a15"));
    EXPECT_EQ(p.texto("txtOblea"), QStringLiteral("A0000015"));
    p.pulsar("cmdGrabar");
    EXPECT_EQ(p.ultimoMensaje(), QStringLiteral("El Nº de Oblea debe comenzar con Z"));
    EXPECT_EQ(f.dialogs.mensajes.back().icono, Icono::Critico);
    EXPECT_EQ(p.form.focusWidget(), p.w("txtOblea"));

    p.escribir("txtOblea", QStringLiteral("z15"));
    EXPECT_EQ(p.texto("txtOblea"), QStringLiteral("Z0000015"));
    p.pulsar("cmdGrabar");
    EXPECT_EQ(p.ultimoMensaje(),
              QStringLiteral("la oblea ingresada no pertenese a una Remesa (u olvidó cargarla)"));
    // A stamp without seven digits after its letter is in no remittance either.
    f.sql("INSERT INTO Remesas (Nro_Remesa, TipoEstampilla, Nro_Agente, Nro_desde, Nro_Hasta) "
          "VALUES (1, 'Z', '012345', 1, 100)");
    p.escribir("txtOblea", QStringLiteral("zX1"));
    p.pulsar("cmdGrabar");
    EXPECT_EQ(p.ultimoMensaje(),
              QStringLiteral("la oblea ingresada no pertenese a una Remesa (u olvidó cargarla)"));
    EXPECT_EQ(f.valor("SELECT COUNT(*) FROM Retenciones").toInt(), 0);

    p.escribir("txtOblea", QStringLiteral("z15"));
    p.pulsar("cmdGrabar");
    EXPECT_EQ(p.modo(), QString());
    EXPECT_EQ(p.texto("txtOblea"), QStringLiteral("Z0000015"));
    EXPECT_EQ(f.valor("SELECT NroGuia FROM Guias WHERE Nro_Comprobante = '00000001'").toString(),
              QStringLiteral("Z0000015"));

    p.pulsar("cmdAgregar");
    EXPECT_EQ(p.texto("txtOblea"), QString());
    p.completar("100");
    p.escribir("txtOblea", QStringLiteral("z15"));
    p.pulsar("cmdGrabar");
    EXPECT_EQ(p.ultimoMensaje(), QStringLiteral("Este Nº de oblea ya fué usado en una retención"));
    EXPECT_EQ(f.dialogs.mensajes.back().titulo, kTituloAplicacion);
    p.escribir("txtOblea", QString());
    p.pulsar("cmdGrabar");
    EXPECT_EQ(p.comprobanteActual(), QStringLiteral("00000002"));
    EXPECT_EQ(f.valor("SELECT COUNT(*) FROM Guias").toInt(), 1);
}

TEST(frmRetenciones, CorregirEnRegimen14ConservaOCambiaSuOblea)
{
    DatosEntrada f(QStringLiteral("14"));
    f.sql("INSERT INTO Remesas (Nro_Remesa, TipoEstampilla, Nro_Agente, Nro_desde, Nro_Hasta) "
          "VALUES (1, 'Z', '012345', 1, 100)");
    f.importada(QStringLiteral("00000005"), QStringLiteral("E"));
    f.sql("INSERT INTO Guias (Nro_Comprobante, Nro_Agente, NroGuia, Tipo, IdCabecera) "
          "VALUES ('00000005', '012345', 'Z0000030', 26, ?)", {f.idCabecera});
    Pantalla p(f);
    EXPECT_EQ(p.texto("txtOblea"), QStringLiteral("Z0000030"));

    // Its own stamp does not make the receipt's stamp "used".
    p.pulsar("cmdCorregir");
    p.escribir("mskImpBru", QStringLiteral("800"));
    p.pulsar("cmdGrabar");
    EXPECT_EQ(p.modo(), QString());
    EXPECT_EQ(f.valor("SELECT COUNT(*) FROM Guias").toInt(), 1);

    p.pulsar("cmdCorregir");
    p.escribir("txtOblea", QStringLiteral("z31"));
    p.pulsar("cmdGrabar");
    EXPECT_EQ(f.valor("SELECT GROUP_CONCAT(NroGuia) FROM Guias").toString(), QStringLiteral("Z0000031"));
    EXPECT_EQ(p.texto("txtOblea"), QStringLiteral("Z0000031"));
}

TEST(frmRetenciones, GrabacionFallidaSigueEditando)
{
    DatosEntrada f;
    f.sql("CREATE TRIGGER falla BEFORE INSERT ON Retenciones BEGIN SELECT RAISE(ABORT, 'disco lleno'); END");
    Pantalla p(f);
    p.pulsar("cmdAgregar");
    p.completar();
    p.pulsar("cmdGrabar");

    EXPECT_TRUE(p.ultimoMensaje().startsWith(QStringLiteral("La Ret./Perc. no fue grabada.\n")));
    EXPECT_EQ(f.dialogs.mensajes.back().icono, Icono::Critico);
    EXPECT_EQ(p.modo(), QStringLiteral(" Nueva Ret./Perc. "));
    EXPECT_TRUE(p.habilitado("cmdGrabar"));
    EXPECT_EQ(f.contador(), QStringLiteral("00000000"));
    EXPECT_EQ(f.estadoCabecera(), QStringLiteral("1"));

    // The branch has no numbers left: refused with a message, nothing written.
    f.sql("DROP TRIGGER falla");
    f.sql("UPDATE Sucursales SET Nro_Comprobante = '99999999' WHERE Sucursal = '0001'");
    p.pulsar("cmdGrabar");
    EXPECT_TRUE(p.ultimoMensaje().startsWith(
        QStringLiteral("La sucursal no puede emitir más comprobantes: su último número es 99999999.")));
    EXPECT_EQ(p.modo(), QStringLiteral(" Nueva Ret./Perc. "));
    EXPECT_EQ(f.valor("SELECT COUNT(*) FROM Retenciones").toInt(), 0);
}

TEST(frmRetenciones, SelectoresAyudaEImpresion)
{
    DatosEntrada f;
    f.importada(QStringLiteral("00000001"), QStringLiteral("I"));
    std::deque<std::optional<QString>> sujetos = {QStringLiteral("3007654321"), std::nullopt};
    std::deque<std::optional<QString>> conceptos = {QStringLiteral("31")};
    std::vector<QString> impresos;
    ServiciosEntrada servicios;
    servicios.selectores.contribuyente = [&] {
        auto s = sujetos.front();
        sujetos.pop_front();
        return s;
    };
    servicios.selectores.concepto = [&] { return conceptos.front(); };
    servicios.imprimirComprobante = [&](const QString& formulario, const Retencion& fila) {
        impresos.push_back(formulario + QLatin1Char(' ') + fila.nroComprobante);
    };
    Pantalla p(f, servicios);

    EXPECT_TRUE(p.habilitado("cmdReimprimir"));
    p.pulsar("cmdReimprimir");
    EXPECT_EQ(impresos, std::vector<QString>{QStringLiteral("frmRetenciones 00000001")});

    p.pulsar("cmdAgregar");
    EXPECT_FALSE(p.habilitado("cmdReimprimir"));
    p.pulsar("cmdContribuyentes");
    EXPECT_EQ(p.texto("mskNroContrib"), QStringLiteral("300-765432-1"));
    EXPECT_EQ(p.texto("lblRazonSocial"), QStringLiteral("O'HIGGINS SA"));
    EXPECT_EQ(p.texto("lblAlicuota"), QStringLiteral("3"));
    EXPECT_EQ(p.form.focusWidget(), p.w("mskImpBru"));
    // Closed without choosing: the field stays as it was.
    p.pulsar("cmdContribuyentes");
    EXPECT_EQ(p.texto("mskNroContrib"), QStringLiteral("300-765432-1"));
    EXPECT_EQ(p.texto("lblRazonSocial"), QStringLiteral("O'HIGGINS SA"));

    p.pulsar("cmdConceptos");
    EXPECT_EQ(p.texto("mskCodConcepto"), QStringLiteral("31"));
    EXPECT_EQ(p.texto("lblDescConcepto"), QStringLiteral("PERCEPCION EN FAENA"));

    // F1 from whichever field has the focus opens the form's help.
    QKeyEvent f1(QEvent::KeyRelease, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(p.w("mskImpBru"), &f1);
    EXPECT_EQ(f.dialogs.clavesAyuda, QStringList{"frmRetenciones"});
}

} // namespace
