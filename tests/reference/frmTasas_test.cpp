// The interest-rates form: today's date proposed, the checks of the date and the rate, the order
// by validity date.

#include "reference/frmTasas.h"
#include "support/entorno_prueba.h"
#include "support/filas_prueba.h"
#include "support/formularios_prueba.h"

using namespace Qt::Literals::StringLiterals;

namespace {

class TasasTest : public ::testing::Test {
protected:
    TasasTest()
    {
        e.base.ejecutar(u"DELETE FROM Tasas"_s);
        e.base.ejecutar(u"INSERT INTO Tasas (FechaVig, Tasa) VALUES "
                        u"('2004-05-01', 18000), ('2006-01-01', 25000)"_s);
    }

    static void alta(frmTasas& form, const QString& fecha, const QString& tasa)
    {
        ::alta(form, {{u"txtFecha"_s, fecha}, {u"txtTasa"_s, tasa}});
    }

    EntornoDePrueba e;
    RelojFijo reloj{QDate(2024, 5, 10)};
    Contexto contexto{e.base, e.entorno, e.dialogs, reloj, e.impresora, e.contexto.carpeta};
};

TEST_F(TasasTest, AgregarProponeHoyYLaTasaGrabadaQuedaEnSuLugar)
{
    frmTasas form(contexto);
    GrillaRegistros& g = grillaDe(form);
    EXPECT_EQ(celdaActual(g, 0), u"01/01/2006"_s);  // the most recent
    EXPECT_EQ(celdaActual(g, 1), u"2,50"_s);
    EXPECT_EQ(texto(form, u"txtTasa"_s), u"2,50"_s);

    pulsar(form, u"cmdAgregar"_s);
    EXPECT_EQ(texto(form, u"txtFecha"_s), u"10/05/2024"_s);
    EXPECT_EQ(enfocado(form), u"txtFecha"_s);
    escribir(form, u"txtFecha"_s, u"1/3/2005"_s);
    escribir(form, u"txtTasa"_s, u"2,5"_s);
    pulsar(form, u"cmdGrabar"_s);

    EXPECT_TRUE(e.dialogs.mensajes.empty()) << e.dialogs.textosMostrados().join(u'|').toStdString();
    EXPECT_EQ(e.base.valor(u"SELECT Tasa FROM Tasas WHERE FechaVig = '2005-03-01'"_s).toLongLong(),
              25000);
    EXPECT_EQ(g.filaActual(), 1);
    EXPECT_EQ(celdaActual(g, 0), u"01/03/2005"_s);

    // A modification may move the rate to another date.
    pulsar(form, u"CmdModificar"_s);
    EXPECT_EQ(enfocado(form), u"txtFecha"_s);
    escribir(form, u"txtFecha"_s, u"01/07/2007"_s);
    pulsar(form, u"cmdGrabar"_s);
    EXPECT_EQ(e.base.valor(u"SELECT FechaVig FROM Tasas WHERE Tasa = 25000 "
                           u"ORDER BY FechaVig DESC"_s),
              u"2007-07-01"_s);
    EXPECT_EQ(g.filaActual(), 2);
}

TEST_F(TasasTest, GrabarRehusaFechaYTasaInvalidasYUnaFechaRepetida)
{
    struct Caso {
        const char* caso;
        QString fecha;
        QString tasa;
        QString mensaje;
        QString titulo;
        Icono icono;
        QString foco;
    };
    const QString fechaInvalida = u"La fecha indicada no es válida."_s;
    const QString noEsNumero = u"La tasa ingresada no es un número válido."_s;
    const Caso casos[] = {
        {"31 de febrero", u"31/02/2005"_s, u"2"_s, fechaInvalida, u"Atención"_s,
         Icono::Exclamacion, u"txtFecha"_s},
        {"fecha en blanco", {}, u"2"_s, fechaInvalida, u"Atención"_s, Icono::Exclamacion,
         u"txtFecha"_s},
        {"fecha sin año", u"01/03"_s, u"2"_s, fechaInvalida, u"Atención"_s, Icono::Exclamacion,
         u"txtFecha"_s},
        {"tasa en blanco", u"01/03/2005"_s, {}, noEsNumero, u"Atención..."_s, Icono::Informacion,
         u"txtTasa"_s},
        {"tasa sin número", u"01/03/2005"_s, u","_s, noEsNumero, u"Atención..."_s,
         Icono::Informacion, u"txtTasa"_s},
        {"tasa de 100", u"01/03/2005"_s, u"100"_s,
         u"El valor ingresado supera el máximo permitido (99,99)."_s, u"Atención..."_s,
         Icono::Informacion, u"txtTasa"_s},
        {"fecha repetida", u"01/05/2004"_s, u"3"_s,
         u"Ya existe un registro con esos datos,\ncorríjalo o cancele."_s, u"Clave Repetida"_s,
         Icono::Exclamacion, u"txtFecha"_s},
    };
    for (const Caso& c : casos) {
        e.dialogs.mensajes.clear();
        frmTasas form(contexto);
        alta(form, c.fecha, c.tasa);
        ASSERT_EQ(e.dialogs.mensajes.size(), 1U) << c.caso;
        EXPECT_EQ(e.dialogs.mensajes[0].texto, c.mensaje) << c.caso;
        EXPECT_EQ(e.dialogs.mensajes[0].titulo, c.titulo) << c.caso;
        EXPECT_EQ(e.dialogs.mensajes[0].icono, c.icono) << c.caso;
        EXPECT_EQ(enfocado(form), c.foco) << c.caso;
        EXPECT_EQ(tituloMarco(form, u"fraTasa"_s), u" Agregar "_s) << c.caso;
        EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Tasas"_s), 2) << c.caso;
    }
}

TEST_F(TasasTest, LaCajaDeLaTasaSeRevisaAlSalir)
{
    struct Caso {
        QString tecleado;
        QString queda;
        QString mensaje;  // "" when accepted
    };
    const Caso casos[] = {
        {u"2,5"_s, u"2,5"_s, {}},
        {u"2,5,1"_s, u"2,51"_s, {}},  // a second separator is refused as typed
        {u"-1x2"_s, u"12"_s, {}},     // so are a sign and a letter
        {u"99,99"_s, u"99,99"_s, {}},
        {u"100"_s, u"100"_s, u"El valor ingresado supera el máximo permitido (99,99)."_s},
        {u""_s, u""_s, u"La tasa ingresada no es un número válido."_s},
    };
    for (const Caso& c : casos) {
        e.dialogs.mensajes.clear();
        frmTasas form(contexto);
        pulsar(form, u"cmdAgregar"_s);
        escribir(form, u"txtTasa"_s, c.tecleado);
        control(form, u"txtFecha"_s)->setFocus();
        salirDe(form, u"txtTasa"_s);
        EXPECT_EQ(texto(form, u"txtTasa"_s), c.queda) << c.tecleado.toStdString();
        EXPECT_EQ(e.dialogs.textosMostrados(),
                  c.mensaje.isEmpty() ? QStringList() : QStringList{c.mensaje})
            << c.tecleado.toStdString();
        EXPECT_EQ(enfocado(form), c.mensaje.isEmpty() ? u"txtFecha"_s : u"txtTasa"_s)
            << c.tecleado.toStdString();
    }
}

TEST_F(TasasTest, BorrarLaUltimaVaciaLasCajas)
{
    e.base.ejecutar(u"DELETE FROM Tasas WHERE FechaVig <> '2004-05-01'"_s);
    frmTasas form(contexto);
    e.dialogs.respuestas = {Respuesta::Si};
    pulsar(form, u"cmdBorrar"_s);
    EXPECT_EQ(e.dialogs.textosMostrados(),
              QStringList{u"¿Confirma la eliminación de la tasa seleccionada?"_s});
    EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Tasas"_s), 0);
    EXPECT_EQ(texto(form, u"txtFecha"_s), QString());
    EXPECT_EQ(texto(form, u"txtTasa"_s), QString());
    EXPECT_FALSE(habilitado(form, u"CmdModificar"_s));

    clickEncabezado(form, 0);
    EXPECT_EQ(e.dialogs.mensajes.back().texto, u"No se dispone de ordenamiento por este campo."_s);
}

} // namespace
