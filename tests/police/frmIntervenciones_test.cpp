// The interventions form: an intervention typed and picked as the user does it, the checks of
// Grabar, the key of waybill and grain, and the count.

#include "police/frmIntervenciones.h"
#include "police/frmPolicias.h"
#include "reference/frmGranos.h"

#include "support/datos_policiales.h"

#include <QCheckBox>
#include <QLabel>

using namespace Qt::Literals::StringLiterals;

namespace {

struct IntervencionTipeada {
    QString fecha = u"15/05/2008"_s;
    QString policia = u"01"_s;
    QString oblea = u"b45"_s;
    QString porte1 = u"12"_s;
    QString porte2 = u"345"_s;
    QString grano = u"5"_s;
    QString cuit = u"20123456786"_s;
    QString procedencia = u"rosario"_s;
    bool ingreso = false;
};

// Types an intervention into the form being edited, leaving each field as Tab would.
void tipear(frmIntervenciones& form, const IntervencionTipeada& i)
{
    const std::pair<const char*, QString> campos[] = {
        {"txtFecha", i.fecha},     {"MaskCodPolicia", i.policia}, {"TxtNroGuia", i.oblea},
        {"TxtPorte1", i.porte1},   {"TxtPorte2", i.porte2},       {"MaskGrano", i.grano},
        {"mskCUIT", i.cuit},       {"txtProcedencia", i.procedencia},
    };
    for (const auto& [campo, valor] : campos) {
        escribir(form, QString::fromLatin1(campo), valor);
        salirDe(form, QString::fromLatin1(campo));
    }
    control<QCheckBox>(form, u"chkConstancia"_s)->setChecked(i.ingreso);
}

QString etiqueta(const QWidget& form, const char* nombre)
{
    return control<QLabel>(form, QString::fromLatin1(nombre))->text();
}

TEST(frmIntervenciones, UnaIntervencionConSusListas)
{
    DatosPoliciales f;
    frmIntervenciones form(f.contexto);
    form.show();
    EXPECT_EQ(etiqueta(form, "Lbl_total_general"), u" 0"_s);
    pulsar(form, u"cmdAgregar"_s);
    EXPECT_EQ(texto(form, u"TxtPorte1"_s), QString());

    tipear(form, {.policia = u"00"_s});
    EXPECT_EQ(texto(form, u"TxtNroGuia"_s), u"B0000045"_s);
    EXPECT_EQ(texto(form, u"TxtPorte1"_s), u"0012"_s);
    EXPECT_EQ(texto(form, u"TxtPorte2"_s), u"00000345"_s);
    EXPECT_EQ(texto(form, u"MaskGrano"_s), u"05"_s);
    EXPECT_EQ(etiqueta(form, "LblGrano"), u"Avena"_s);
    EXPECT_EQ(etiqueta(form, "LblPolicia"), QString());

    // The officer and the grain picked from their lists.
    f.dialogs.alAbrir = [&](QDialog& lista) {
        if (auto* policias = qobject_cast<frmPolicias*>(&lista)) {
            GrillaRegistros& g = grillaDe(*policias);
            for (int fila = 0; fila < g.filas(); ++fila)
                if (celda(g, fila, 1) == u"LOPEZ ANA"_s) g.irAFila(fila);
            pulsar(*policias, u"cmdSeleccionar"_s);
        } else if (auto* granos = qobject_cast<frmGranos*>(&lista)) {
            grillaDe(*granos).irAFila(20);
            granos->cmdSeleccionarClick();
        }
    };
    pulsar(form, u"CmdPolicia"_s);
    pulsar(form, u"cmdGranos"_s);
    EXPECT_EQ(texto(form, u"MaskCodPolicia"_s), QString::number(f.lopez).rightJustified(2, u'0'));
    EXPECT_EQ(etiqueta(form, "LblPolicia"), u"LOPEZ ANA"_s);
    EXPECT_EQ(texto(form, u"MaskGrano"_s), u"21"_s);
    EXPECT_EQ(etiqueta(form, "LblGrano"), u"Soja"_s);

    pulsar(form, u"cmdGrabar"_s);
    EXPECT_TRUE(f.dialogs.mensajes.empty()) << f.dialogs.textosMostrados().join(u'|').toStdString();
    const QSqlRecord r = *f.base.fila(u"SELECT * FROM Intervenciones"_s);
    EXPECT_EQ(r.value(u"IdCabecera"_s).toLongLong(), f.idCabecera);
    EXPECT_EQ(r.value(u"Nro_Carta_Porte"_s).toString(), u"0012-00000345"_s);
    EXPECT_EQ(r.value(u"Grano"_s).toInt(), 21);
    EXPECT_EQ(r.value(u"Nro_Oblea"_s).toString(), u"B0000045"_s);
    EXPECT_EQ(r.value(u"CodPolicia"_s).toLongLong(), f.lopez);
    EXPECT_EQ(r.value(u"Fecha"_s).toString(), u"2008-05-15"_s);
    EXPECT_EQ(r.value(u"Cuit_Remitente"_s).toString(), u"20123456786"_s);
    EXPECT_EQ(r.value(u"Procedencia"_s).toString(), u"ROSARIO"_s);
    EXPECT_FALSE(r.value(u"Movimiento"_s).toBool());
    EXPECT_EQ(etiqueta(form, "Lbl_total_general"), u" 1"_s);
    EXPECT_EQ(celdaActual(grillaDe(form), 3), u"20-12345678-6"_s);
}

TEST(frmIntervenciones, GrabarRehusaYNoPierdeLoTipeado)
{
    struct Caso {
        const char* caso;
        IntervencionTipeada datos;
        const char* mensaje;
        const char* foco;
    };
    const Caso casos[] = {
        {"oblea sin letra", {.oblea = u"1234"_s}, "Debe ingresar la letra de la Oblea", "TxtNroGuia"},
        {"oblea sin número", {.oblea = u"c"_s}, "La Oblea le falta el Nº", "TxtNroGuia"},
        {"carta de porte en cero", {.porte1 = u"77"_s, .porte2 = u"0"_s},
         "Debe ingresar el Nº de Carta de porte ", "TxtPorte1"},
        {"fecha de otro mes", {.fecha = u"01/06/2008"_s},
         "La Fecha Ingresada no coincide con la DD.JJ.", "txtFecha"},
        {"fecha de otro año", {.fecha = u"15/05/2009"_s},
         "La Fecha Ingresada no coincide con la DD.JJ.", "txtFecha"},
        {"fecha que no existe", {.fecha = u"32/05/2008"_s}, "La fecha indicada no es válida.",
         "txtFecha"},
        {"CUIT errado", {.cuit = u"20123456780"_s},
         "El dígito verificador del número de C.U.I.T. es incorrecto.", "mskCUIT"},
        {"sin grano", {.grano = QString()}, "Debe ingresar el código de Grano.", "MaskGrano"},
        {"sin procedencia", {.procedencia = u" "_s}, "Debe ingresar la Procedencia.",
         "txtProcedencia"},
    };
    for (const Caso& c : casos) {
        DatosPoliciales f;
        frmIntervenciones form(f.contexto);
        form.show();
        pulsar(form, u"cmdAgregar"_s);
        tipear(form, c.datos);
        f.dialogs.mensajes.clear();
        pulsar(form, u"cmdGrabar"_s);
        ASSERT_FALSE(f.dialogs.mensajes.empty()) << c.caso;
        EXPECT_EQ(f.dialogs.mensajes.back().texto, QString::fromUtf8(c.mensaje)) << c.caso;
        EXPECT_EQ(enfocado(form), QString::fromLatin1(c.foco)) << c.caso;
        EXPECT_EQ(tituloMarco(form, u"fraGuia"_s), u" Agregar "_s) << c.caso;
        EXPECT_EQ(f.contar(u"SELECT COUNT(*) FROM Intervenciones"_s), 0) << c.caso;
    }
}

TEST(frmIntervenciones, LoQueSeAceptaSinMas)
{
    struct Caso {
        const char* caso;
        IntervencionTipeada datos;
        const char* oblea;  // as stored
    };
    const Caso casos[] = {
        {"primer día del mes", {.fecha = u"1/5/2008"_s}, "B0000045"},
        {"último día del mes", {.fecha = u"31/05/2008"_s}, "B0000045"},
        {"mercadería de ingreso, sin oblea", {.oblea = u"a1"_s, .ingreso = true}, " "},
        {"primera parte de la carta en ceros", {.porte1 = u"0"_s, .porte2 = u"9"_s}, "B0000045"},
        {"policía y grano que no existen", {.policia = u"77"_s, .grano = u"88"_s}, "B0000045"},
        {"policía de más de dos cifras", {.policia = u"123"_s}, "B0000045"},
    };
    for (const Caso& c : casos) {
        DatosPoliciales f;
        prueba::policia(f.base, {.codigo = 123, .nombre = u"RUIZ PEDRO"_s});
        frmIntervenciones form(f.contexto);
        form.show();
        pulsar(form, u"cmdAgregar"_s);
        tipear(form, c.datos);
        pulsar(form, u"cmdGrabar"_s);
        EXPECT_TRUE(f.dialogs.mensajes.empty())
            << c.caso << ": " << f.dialogs.textosMostrados().join(u'|').toStdString();
        EXPECT_EQ(f.valor("SELECT Nro_Oblea FROM Intervenciones").toString(),
                  QString::fromLatin1(c.oblea))
            << c.caso;
    }
}

TEST(frmIntervenciones, LaMismaCartaYGranoUnaVezPorDeclaracion)
{
    DatosPoliciales f;
    frmIntervenciones form(f.contexto);
    form.show();
    for (const char* grano : {"5", "5", "6"}) {
        pulsar(form, u"cmdAgregar"_s);
        tipear(form, {.grano = QString::fromLatin1(grano)});
        pulsar(form, u"cmdGrabar"_s);
        if (tituloMarco(form, u"fraGuia"_s).isEmpty()) continue;
        EXPECT_EQ(f.dialogs.mensajes.back().texto,
                  u"Ya existe un registro con estos datos - clave repetida\ncorríjalo o cancele."_s);
        EXPECT_EQ(f.dialogs.mensajes.back().titulo, u"Clave Repetida"_s);
        EXPECT_EQ(enfocado(form), u"TxtNroGuia"_s);
        pulsar(form, u"cmdCancelar"_s);
    }
    EXPECT_EQ(f.contar(u"SELECT COUNT(*) FROM Intervenciones"_s), 2);
    EXPECT_EQ(etiqueta(form, "Lbl_total_general"), u" 2"_s);

    // Another declaration's interventions are neither listed nor counted.
    f.activar(f.nuevaCabecera(u"13"_s, u"06"_s));
    frmIntervenciones junio(f.contexto);
    EXPECT_EQ(grillaDe(junio).filas(), 0);
    EXPECT_EQ(etiqueta(junio, "Lbl_total_general"), u" 0"_s);

    // Deleting asks first, and the count follows.
    f.dialogs.respuestas = {Respuesta::Si};
    pulsar(form, u"cmdBorrar"_s);
    EXPECT_EQ(f.dialogs.mensajes.back().texto, u"¿Confirma el Borrado de la Intervención seleccionada?"_s);
    EXPECT_EQ(etiqueta(form, "Lbl_total_general"), u" 1"_s);
    // The row shown again fills the waybill boxes from its key.
    EXPECT_EQ(texto(form, u"TxtPorte1"_s), u"0012"_s);
    EXPECT_EQ(texto(form, u"TxtPorte2"_s), u"00000345"_s);
    EXPECT_EQ(etiqueta(form, "LblGrano"), u"Avena"_s);
}

} // namespace
