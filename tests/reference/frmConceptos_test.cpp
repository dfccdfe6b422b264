// The concepts form: adding, the reserved codes and those in use, its two orders.

#include "reference/frmConceptos.h"
#include "support/entorno_prueba.h"
#include "support/filas_prueba.h"
#include "support/formularios_prueba.h"

#include <QLabel>

using namespace Qt::Literals::StringLiterals;

namespace {

class ConceptosTest : public ::testing::Test {
protected:
    ConceptosTest()
    {
        e.base.ejecutar(u"DELETE FROM Conceptos"_s);
        for (const char* c : {"05", "96", "97", "98", "99"})
            e.base.ejecutar(u"INSERT INTO Conceptos (Cod_Concepto, Descripcion) VALUES (?, ?)"_s,
                            {QString::fromLatin1(c), u"CONCEPTO "_s + QString::fromLatin1(c)});
    }

    static void alta(frmConceptos& form, const QString& codigo, const QString& descripcion)
    {
        ::alta(form, {{u"mskCodConcepto"_s, codigo}, {u"txtDescripcion"_s, descripcion}});
    }

    static void irA(const frmConceptos& form, const QString& codigo)
    {
        GrillaRegistros& g = grillaDe(form);
        for (int fila = 0; fila < g.filas(); ++fila)
            if (celda(g, fila, 0) == codigo) g.irAFila(fila);
    }

    EntornoDePrueba e;
};

TEST_F(ConceptosTest, AgregarProponeCeroCeroYNoHayModificar)
{
    frmConceptos form(e.contexto);
    EXPECT_EQ(form.findChild<QWidget*>(u"CmdModificar"_s), nullptr);
    EXPECT_EQ(form.windowTitle(), u"Conceptos de Retenciones/Percepciones"_s);

    pulsar(form, u"cmdAgregar"_s);
    EXPECT_EQ(texto(form, u"mskCodConcepto"_s), u"00"_s);
    EXPECT_EQ(enfocado(form), u"mskCodConcepto"_s);
    escribir(form, u"mskCodConcepto"_s, u"7"_s);
    escribir(form, u"txtDescripcion"_s, u"honorarios"_s);
    pulsar(form, u"cmdGrabar"_s);

    EXPECT_TRUE(e.dialogs.mensajes.empty()) << e.dialogs.textosMostrados().join(u'|').toStdString();
    EXPECT_EQ(e.base.valor(u"SELECT Descripcion FROM Conceptos WHERE Cod_Concepto = '07'"_s),
              u"HONORARIOS"_s);
    EXPECT_EQ(celdaActual(grillaDe(form), 0), u"07"_s);
}

TEST_F(ConceptosTest, GrabarRehusaSinDescripcionYUnCodigoRepetido)
{
    struct Caso {
        const char* caso;
        QString codigo;
        QString descripcion;
        QString mensaje;
        QString titulo;
        QString foco;
    };
    const Caso casos[] = {
        {"sin descripción", u"10"_s, u"   "_s, u"Debe ingresar una descripción."_s,
         u"Atención"_s, u"txtDescripcion"_s},
        {"código repetido", u"05"_s, u"OTRO"_s,
         u"Ya existe un registro con ese código,\ncorríjalo o cancele."_s, u"Clave Repetida"_s,
         u"mskCodConcepto"_s},
    };
    for (const Caso& c : casos) {
        e.dialogs.mensajes.clear();
        frmConceptos form(e.contexto);
        alta(form, c.codigo, c.descripcion);
        ASSERT_EQ(e.dialogs.mensajes.size(), 1U) << c.caso;
        EXPECT_EQ(e.dialogs.mensajes[0].texto, c.mensaje) << c.caso;
        EXPECT_EQ(e.dialogs.mensajes[0].titulo, c.titulo) << c.caso;
        EXPECT_EQ(e.dialogs.mensajes[0].icono, Icono::Exclamacion) << c.caso;
        EXPECT_EQ(enfocado(form), c.foco) << c.caso;
        EXPECT_EQ(tituloMarco(form, u"fraConcepto"_s), u" Agregar "_s) << c.caso;
        EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Conceptos"_s), 5) << c.caso;
        pulsar(form, u"cmdCancelar"_s);
    }
}

TEST_F(ConceptosTest, LosReservadosYLosUsadosNoSeBorran)
{
    prueba::retencion(e.base, u"0001234565"_s, u"05"_s, u"5"_s);  // annulled, still counts
    struct Caso {
        QString codigo;
        QString mensaje;  // the refusal, or the question when it goes on
        QString titulo;
        Icono icono;
        bool borrado;
    };
    const QString pregunta = u"¿Confirma la eliminación del concepto seleccionado?"_s;
    const Caso casos[] = {
        {u"99"_s, u"Este concepto no puede ser eliminado"_s, kTituloAplicacion, Icono::Exclamacion,
         false},
        {u"98"_s, u"Este concepto no puede ser eliminado"_s, kTituloAplicacion, Icono::Exclamacion,
         false},
        {u"97"_s, u"Este concepto no puede ser eliminado"_s, kTituloAplicacion, Icono::Exclamacion,
         false},
        {u"05"_s, u"Hay retenciones cargadas con este concepto."_s,
         u"Imposible eliminar el registro"_s, Icono::Informacion, false},
        {u"96"_s, pregunta, u"Atención"_s, Icono::Pregunta, true},
    };
    for (const Caso& c : casos) {
        e.dialogs.mensajes.clear();
        e.dialogs.respuestas = {Respuesta::Si};
        frmConceptos form(e.contexto);
        irA(form, c.codigo);
        ASSERT_EQ(texto(form, u"mskCodConcepto"_s), c.codigo);
        pulsar(form, u"cmdBorrar"_s);
        ASSERT_EQ(e.dialogs.mensajes.size(), 1U) << c.codigo.toStdString();
        EXPECT_EQ(e.dialogs.mensajes[0].texto, c.mensaje) << c.codigo.toStdString();
        EXPECT_EQ(e.dialogs.mensajes[0].titulo, c.titulo) << c.codigo.toStdString();
        EXPECT_EQ(e.dialogs.mensajes[0].icono, c.icono) << c.codigo.toStdString();
        EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Conceptos WHERE Cod_Concepto = ?"_s, {c.codigo}),
                  c.borrado ? 0 : 1)
            << c.codigo.toStdString();
    }
}

TEST_F(ConceptosTest, BorrarElUltimoDejaCeroCeroYApagaSeleccionar)
{
    e.base.ejecutar(u"DELETE FROM Conceptos WHERE Cod_Concepto <> '05'"_s);
    frmConceptos form(e.contexto);
    form.mostrarSeleccionar();
    e.dialogs.respuestas = {Respuesta::Si};
    pulsar(form, u"cmdBorrar"_s);

    EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Conceptos"_s), 0);
    EXPECT_EQ(texto(form, u"mskCodConcepto"_s), u"00"_s);
    EXPECT_EQ(texto(form, u"txtDescripcion"_s), QString());
    EXPECT_FALSE(habilitado(form, u"cmdBorrar"_s));
    EXPECT_FALSE(habilitado(form, u"cmdSeleccionar"_s));
    EXPECT_TRUE(habilitado(form, u"cmdAgregar"_s));
}

TEST_F(ConceptosTest, ElCodigoOrdenaPorCodigoYCualquierOtraColumnaPorDescripcion)
{
    e.base.ejecutar(u"UPDATE Conceptos SET Descripcion = 'AAA' WHERE Cod_Concepto = '99'"_s);
    frmConceptos form(e.contexto);
    auto* lblOrden = control<QLabel>(form, u"lblOrden"_s);
    EXPECT_EQ(lblOrden->text(), u"  Ordenados por: Código"_s);
    EXPECT_EQ(celda(grillaDe(form), 0, 0), u"05"_s);

    clickEncabezado(form, 1);
    EXPECT_EQ(lblOrden->text(), u"  Ordenados por: Descripción"_s);
    EXPECT_EQ(celda(grillaDe(form), 0, 0), u"99"_s);
    clickEncabezado(form, 0);
    EXPECT_EQ(lblOrden->text(), u"  Ordenados por: Código"_s);
    EXPECT_TRUE(e.dialogs.mensajes.empty());
}

} // namespace
