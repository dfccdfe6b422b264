// The goods-types form: one class at a time as its opener chooses, the unit value, the checks and
// the deletion guard.

#include "reference/frmTipos.h"
#include "support/entorno_prueba.h"
#include "support/filas_prueba.h"
#include "support/formularios_prueba.h"

#include <QLabel>

using namespace Qt::Literals::StringLiterals;

namespace {

class TiposTest : public ::testing::Test {
protected:
    TiposTest()
    {
        e.base.ejecutar(u"DELETE FROM Tipos"_s);
        e.base.ejecutar(u"INSERT INTO Tipos (Clase, Tipo, Descripcion, Valor) VALUES "
                        u"(1, 1, 'NOVILLOS', 70000), (1, 3, 'VACAS', 40000), "
                        u"(2, 1, 'SOJA', 650000), (3, 2, 'OVINO', 20000)"_s);
    }

    static void alta(frmTipos& form, const QString& codigo, const QString& descripcion,
                     const QString& valor)
    {
        ::alta(form, [&] {
            if (!codigo.isEmpty()) escribir(form, u"mskTipo"_s, codigo);
            escribir(form, {{u"txtDescripcion"_s, descripcion}, {u"TxtValor"_s, valor}});
        });
    }

    EntornoDePrueba e;
};

TEST_F(TiposTest, LaClaseElegidaDecideTituloFilasYLoQueSeGraba)
{
    struct Caso {
        int clase;
        QString titulo;
        QStringList codigos;  // column "Tipo", in order
    };
    const Caso casos[] = {
        {1, u"Tipos de Ganado"_s, {u"1"_s, u"3"_s}},
        {2, u"Tipos de Cereales"_s, {u"1"_s}},
        {3, u"Tipos de Alimentos"_s, {u"2"_s}},
        {0, u"Tipos de Ganado / Cereales"_s, {u"1"_s, u"1"_s, u"2"_s, u"3"_s}},
    };
    for (const Caso& c : casos) {
        EntornoDePrueba e;
        e.base.ejecutar(u"DELETE FROM Tipos"_s);
        e.base.ejecutar(u"INSERT INTO Tipos (Clase, Tipo, Descripcion, Valor) VALUES "
                        u"(1, 1, 'NOVILLOS', 70000), (1, 3, 'VACAS', 40000), "
                        u"(2, 1, 'SOJA', 650000), (3, 2, 'OVINO', 20000)"_s);
        frmTipos form(e.contexto);
        form.setearSeleccion(c.clase);
        EXPECT_EQ(form.windowTitle(), c.titulo) << c.clase;
        GrillaRegistros& g = grillaDe(form);
        QStringList codigos;
        for (int fila = 0; fila < g.filas(); ++fila) codigos << celda(g, fila, 1);
        EXPECT_EQ(codigos, c.codigos) << c.clase;
        EXPECT_EQ(g.filaActual(), g.filas() - 1) << c.clase;

        alta(form, u"20"_s, u"nuevo"_s, u"1,5"_s);
        EXPECT_TRUE(e.dialogs.mensajes.empty())
            << c.clase << e.dialogs.textosMostrados().join(u'|').toStdString();
        EXPECT_EQ(e.base.valor(u"SELECT Clase FROM Tipos WHERE Tipo = 20"_s).toInt(), c.clase);
        EXPECT_EQ(celdaActual(g, 2), u"NUEVO"_s) << c.clase;
    }
}

TEST_F(TiposTest, UnValorDeOtraClaseNoCambiaNiTituloNiFilas)
{
    frmTipos form(e.contexto);
    form.setearSeleccion(2);
    form.setearSeleccion(7);
    EXPECT_EQ(form.windowTitle(), u"Tipos de Cereales"_s);
    EXPECT_EQ(grillaDe(form).filas(), 1);
}

TEST_F(TiposTest, ElCodigoSinTocarEsCeroYNoSeRepiteEnLaClase)
{
    frmTipos form(e.contexto);
    form.setearSeleccion(3);
    pulsar(form, u"cmdAgregar"_s);
    EXPECT_EQ(texto(form, u"mskTipo"_s), u"00"_s);
    EXPECT_EQ(enfocado(form), u"mskTipo"_s);
    pulsar(form, u"cmdCancelar"_s);

    alta(form, {}, u"primero"_s, u"2"_s);
    EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Tipos WHERE Clase = 3 AND Tipo = 0"_s), 1);
    alta(form, {}, u"segundo"_s, u"2"_s);
    ASSERT_EQ(e.dialogs.mensajes.size(), 1U);
    EXPECT_EQ(e.dialogs.mensajes[0].texto,
              u"Ya existe un registro con ese código,\ncorríjalo o cancele."_s);
    EXPECT_EQ(e.dialogs.mensajes[0].titulo, u"Clave Repetida"_s);
    EXPECT_EQ(enfocado(form), u"mskTipo"_s);
    EXPECT_EQ(tituloMarco(form, u"fraTipos"_s), u" Agregar "_s);
}

TEST_F(TiposTest, GrabarPideDescripcionYValor)
{
    struct Caso {
        QString descripcion;
        QString valor;
        QString mensaje;
        QString foco;
    };
    const Caso casos[] = {
        {u"  "_s, u"5"_s, u"Debe ingresar una descripción."_s, u"txtDescripcion"_s},
        {u"TOROS"_s, {}, u"Debe ingresar el Valor."_s, u"TxtValor"_s},
        {u"TOROS"_s, u","_s, u"Debe ingresar el Valor."_s, u"TxtValor"_s},
        {u"TOROS"_s, u"12345678901234567"_s, u"El valor ingresado es demasiado grande."_s,
         u"TxtValor"_s},
    };
    for (const Caso& c : casos) {
        e.dialogs.mensajes.clear();
        frmTipos form(e.contexto);
        form.setearSeleccion(1);
        alta(form, u"5"_s, c.descripcion, c.valor);
        EXPECT_EQ(e.dialogs.textosMostrados(), QStringList{c.mensaje}) << c.mensaje.toStdString();
        EXPECT_EQ(enfocado(form), c.foco);
        EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Tipos WHERE Tipo = 5"_s), 0);
    }
}

TEST_F(TiposTest, ElValorSeMuestraConSignoYSeGuardaExacto)
{
    frmTipos form(e.contexto);
    form.setearSeleccion(2);
    pulsar(form, u"cmdAgregar"_s);
    escribir(form, u"mskTipo"_s, u"7"_s);
    escribir(form, u"txtDescripcion"_s, u"maiz"_s);
    escribir(form, u"TxtValor"_s, u"1234,5x,6"_s);  // a letter and a second separator are refused
    EXPECT_EQ(texto(form, u"TxtValor"_s), u"1234,56"_s);
    salirDe(form, u"TxtValor"_s);
    EXPECT_EQ(texto(form, u"TxtValor"_s), u"$ 1.234,56"_s);

    // Entered again, it is edited as typed.
    QFocusEvent entrada(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(control(form, u"TxtValor"_s), &entrada);
    EXPECT_EQ(texto(form, u"TxtValor"_s), u"1234,56"_s);
    salirDe(form, u"TxtValor"_s);

    pulsar(form, u"cmdGrabar"_s);
    EXPECT_TRUE(e.dialogs.mensajes.empty()) << e.dialogs.textosMostrados().join(u'|').toStdString();
    EXPECT_EQ(e.base.valor(u"SELECT Valor FROM Tipos WHERE Clase = 2 AND Tipo = 7"_s).toLongLong(),
              12345600);
    EXPECT_EQ(celdaActual(grillaDe(form), 3), u"$ 1.234,56"_s);

    // Modified without touching the value, it stays exact.
    pulsar(form, u"CmdModificar"_s);
    escribir(form, u"txtDescripcion"_s, u"maiz pisingallo"_s);
    pulsar(form, u"cmdGrabar"_s);
    EXPECT_EQ(e.base.valor(u"SELECT Valor FROM Tipos WHERE Clase = 2 AND Tipo = 7"_s).toLongLong(),
              12345600);
}

TEST_F(TiposTest, UnCodigoConDetallesNoSeBorra)
{
    // The detail rows do not say their class: code 3 blocks every class.
    e.base.ejecutar(u"INSERT INTO Tipos (Clase, Tipo, Descripcion, Valor) VALUES "
                    u"(2, 3, 'MAIZ', 250000), (3, 3, 'CERDO', 2000)"_s);
    e.base.ejecutar(u"INSERT INTO Guias (Nro_Comprobante, Nro_Agente, NroGuia, Tipo, IdCabecera) "
                    u"VALUES ('00000001', '123459', '1', 3, 1)"_s);
    struct Caso {
        int clase;
        QString palabra;
    };
    for (const Caso& c : {Caso{1, u"guias"_s}, Caso{2, u"obleas"_s}, Caso{3, u"obleas"_s},
                          Caso{0, u"obleas"_s}}) {
        e.dialogs.mensajes.clear();
        e.dialogs.respuestas = {Respuesta::Aceptar, Respuesta::Si};  // were it asked, yes
        frmTipos form(e.contexto);
        form.setearSeleccion(c.clase);
        GrillaRegistros& g = grillaDe(form);
        for (int fila = 0; fila < g.filas(); ++fila)
            if (celda(g, fila, 1) == u"3"_s) g.irAFila(fila);
        pulsar(form, u"cmdBorrar"_s);
        ASSERT_EQ(e.dialogs.mensajes.size(), 1U) << c.clase;
        EXPECT_EQ(e.dialogs.mensajes[0].texto,
                  u"Hay retenciones con "_s + c.palabra + u" cargadas con este código."_s)
            << c.clase;
        EXPECT_EQ(e.dialogs.mensajes[0].titulo, u"Imposible eliminar el registro"_s);
    }
    EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Tipos WHERE Tipo = 3"_s), 3);

    // Another code goes, after the question.
    e.dialogs.mensajes.clear();
    e.dialogs.respuestas = {Respuesta::Si};
    frmTipos form(e.contexto);
    form.setearSeleccion(1);
    grillaDe(form).irAFila(0);
    pulsar(form, u"cmdBorrar"_s);
    EXPECT_EQ(e.dialogs.textosMostrados(),
              QStringList{u"¿Confirma la eliminación del código seleccionado?"_s});
    EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Tipos WHERE Clase = 1 AND Tipo = 1"_s), 0);
}

TEST_F(TiposTest, LasColumnasOrdenanPorCodigoDescripcionYValor)
{
    frmTipos form(e.contexto);
    form.setearSeleccion(1);
    auto* lblOrden = control<QLabel>(form, u"lblOrden"_s);
    EXPECT_EQ(lblOrden->text(), u"  Ordenados por: Código"_s);
    const std::pair<int, QString> columnas[] = {
        {2, u"  Ordenados por: Descripción"_s},
        {3, u"  Ordenados por: Valor"_s},
        {0, u"  Ordenados por: Código"_s},
        {1, u"  Ordenados por: Código"_s},
    };
    for (const auto& [columna, esperado] : columnas) {
        clickEncabezado(form, columna);
        EXPECT_EQ(lblOrden->text(), esperado) << columna;
    }
    clickEncabezado(form, 2);
    EXPECT_EQ(celda(grillaDe(form), 0, 2), u"NOVILLOS"_s);
    EXPECT_EQ(texto(form, u"txtDescripcion"_s), u"VACAS"_s);
    EXPECT_TRUE(e.dialogs.mensajes.empty());
}

} // namespace
