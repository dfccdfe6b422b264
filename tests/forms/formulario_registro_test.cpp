// The record-form skeleton, once, on a small form over a table of its own.

#include "database/esquema.h"
#include "forms/campos_edicion.h"
#include "forms/formulario_registro.h"
#include "forms/grilla_registros.h"
#include "support/entorno_prueba.h"
#include "support/filas_prueba.h"
#include "support/formularios_prueba.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>

using namespace Qt::Literals::StringLiterals;

namespace {

class frmPrueba final : public FormularioRegistro {
public:
    explicit frmPrueba(Contexto& contexto)
        : FormularioRegistro(contexto,
                             {.nombre = u"frmPrueba"_s,
                              .titulo = u"Prueba"_s,
                              .tabla = u"Prueba"_s,
                              .nombreGrilla = u"dbgPrueba"_s,
                              .nombreMarco = u"fraPrueba"_s,
                              .ayudaGrilla = {},
                              .seleccionar = true}),
          txtCodigo(new CajaTexto(u"txtCodigo"_s, CajaTexto::Tipo::Codigo, 4, marco())),
          txtNombre(new CajaTexto(u"txtNombre"_s, CajaTexto::Tipo::Mayusculas, 20, marco()))
    {
        txtCodigo->setCeros(4);
        rejilla()->addWidget(txtCodigo, 0, 0);
        rejilla()->addWidget(txtNombre, 0, 1);
        setColumnas({
            {u"Codigo"_s, u"Código"_s, Qt::AlignHCenter, 4, false, u"  Ordenados por: Código"_s},
            {u"Nombre"_s, u"Nombre"_s, Qt::AlignLeft, 20, true, u"  Ordenados por: Nombre"_s},
            {u"Importe"_s, u"Importe"_s, Qt::AlignRight, 8, false},
        });
        enlazar(u"Codigo"_s, txtCodigo);
        enlazar(u"Nombre"_s, txtNombre);
        setClaves({txtCodigo});
        setFocos(txtCodigo, txtNombre);
        setClaveRepetida(u"Ya existe un registro con ese código,"_s, txtCodigo);
        setPreguntaBorrar(u"¿Confirma la eliminación del registro seleccionado?"_s);
        setVerificaciones({{[this] { return !txtNombre->text().trimmed().isEmpty(); },
                            u"Debe ingresar un nombre."_s, txtNombre}});
        setGuardas({{[this] { return txtCodigo->valor() == u"9999"_s; },
                     u"Este registro no puede ser eliminado."_s}});
        iniciar();
    }

    CajaTexto* txtCodigo;
    CajaTexto* txtNombre;
};

class FormularioRegistroTest : public ::testing::Test {
protected:
    FormularioRegistroTest() : e(BaseDePrueba::Vacia)
    {
        e.base.ejecutar(u"CREATE TABLE Prueba (Codigo TEXT(4) NOT NULL CHECK (Codigo <> ''), "
                        u"Nombre TEXT(20), Importe INTEGER DEFAULT 0)"_s);
        e.base.ejecutar(u"CREATE UNIQUE INDEX \"Prueba.PrimaryKey\" ON Prueba (Codigo)"_s);
    }

    void agregarFila(const QString& codigo, const QString& nombre)
    {
        e.base.ejecutar(u"INSERT INTO Prueba (Codigo, Nombre) VALUES (?, ?)"_s, {codigo, nombre});
    }

    static void alta(frmPrueba& form, const QString& codigo, const QString& nombre)
    {
        ::alta(form, {{u"txtCodigo"_s, codigo}, {u"txtNombre"_s, nombre}});
    }

    static QString celda(const frmPrueba& form, int fila, int columna)
    {
        return ::celda(grillaDe(form), fila, columna);
    }

    static QString actual(const frmPrueba& form, int columna = 1)
    {
        return celda(form, grillaDe(form).filaActual(), columna);
    }

    static QString orden(const frmPrueba& form)
    {
        return form.findChild<QLabel*>(u"lblOrden"_s)->text();
    }

    EntornoDePrueba e;
};

// Which controls are enabled, in a fixed order, as one text that a failure prints whole.
QString estados(const frmPrueba& form)
{
    QStringList s;
    for (const char* nombre : {"dbgPrueba", "fraPrueba", "cmdAgregar", "CmdModificar", "cmdBorrar",
                               "cmdGrabar", "cmdCancelar", "cmdSeleccionar", "cmdSalir"})
        if (habilitado(form, QString::fromLatin1(nombre))) s << QString::fromLatin1(nombre);
    if (form.txtCodigo->isEnabledTo(form.findChild<QGroupBox*>(u"fraPrueba"_s)))
        s << u"clave"_s;
    s << u"[%1]"_s.arg(tituloMarco(form, u"fraPrueba"_s));
    return s.join(u' ');
}

TEST_F(FormularioRegistroTest, UnaTablaVaciaSoloDejaAgregarYSalir)
{
    frmPrueba form(e.contexto);
    form.mostrarSeleccionar();

    EXPECT_EQ(estados(form), u"dbgPrueba cmdAgregar cmdSalir clave []"_s);
    EXPECT_EQ(orden(form), u"  Ordenados por: Código"_s);
    EXPECT_EQ(form.txtCodigo->text(), u"0000"_s);

    // A double click on the empty grid does nothing.
    Q_EMIT grillaDe(form).doubleClicked(QModelIndex());
    EXPECT_FALSE(form.seleccion());
    EXPECT_TRUE(e.dialogs.mensajes.empty());
}

TEST_F(FormularioRegistroTest, CadaModoHabilitaSusBotones)
{
    agregarFila(u"0001"_s, u"UNO"_s);
    frmPrueba form(e.contexto);
    form.mostrarSeleccionar();
    const QString navegando =
        u"dbgPrueba cmdAgregar CmdModificar cmdBorrar cmdSeleccionar cmdSalir clave []"_s;

    struct Caso {
        const char* paso;
        QString boton;
        QString esperado;
    };
    const Caso casos[] = {
        {"al abrir", {}, navegando},
        {"agregando", u"cmdAgregar"_s, u"fraPrueba cmdGrabar cmdCancelar clave [ Agregar ]"_s},
        {"tras cancelar", u"cmdCancelar"_s, navegando},
        {"modificando", u"CmdModificar"_s, u"fraPrueba cmdGrabar cmdCancelar [ Modificar ]"_s},
        {"tras grabar", u"cmdGrabar"_s, navegando},
    };
    for (const Caso& c : casos) {
        if (!c.boton.isEmpty()) pulsar(form, c.boton);
        EXPECT_EQ(estados(form), c.esperado) << c.paso;
    }
    EXPECT_TRUE(e.dialogs.mensajes.empty());
}

TEST_F(FormularioRegistroTest, BorrarLaUltimaFilaVaciaLosCamposSinEscribirNada)
{
    agregarFila(u"0007"_s, u"SIETE"_s);
    frmPrueba form(e.contexto);
    e.dialogs.respuestas = {Respuesta::Si};

    pulsar(form, u"cmdBorrar"_s);

    EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Prueba"_s), 0);
    EXPECT_EQ(estados(form), u"dbgPrueba cmdAgregar cmdSalir clave []"_s);
    EXPECT_EQ(form.txtCodigo->text(), u"0000"_s);
    EXPECT_EQ(form.txtNombre->text(), QString());

    // Adding afterwards brings the record buttons back.
    alta(form, u"8"_s, u"ocho"_s);
    EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Prueba WHERE Codigo = '0008' AND Nombre = 'OCHO'"_s),
              1);
    EXPECT_TRUE(habilitado(form, u"cmdBorrar"_s));
}

TEST_F(FormularioRegistroTest, BorrarPasaALaSiguienteOALaUltima)
{
    for (const char* c : {"0001", "0002", "0003"}) agregarFila(QString::fromLatin1(c), u"X"_s);
    frmPrueba form(e.contexto);
    grillaDe(form).irAFila(1);
    e.dialogs.respuestas = {Respuesta::Si, Respuesta::Si};

    pulsar(form, u"cmdBorrar"_s);
    EXPECT_EQ(form.txtCodigo->text(), u"0003"_s);  // the next row
    pulsar(form, u"cmdBorrar"_s);
    EXPECT_EQ(form.txtCodigo->text(), u"0001"_s);  // the deleted one was the last
}

TEST_F(FormularioRegistroTest, BorrarPreguntaConNoPorDefectoYRespetaSusGuardas)
{
    agregarFila(u"0001"_s, u"UNO"_s);
    agregarFila(u"9999"_s, u"RESERVADO"_s);
    frmPrueba form(e.contexto);

    pulsar(form, u"cmdBorrar"_s);  // the last row is current: the reserved one
    ASSERT_EQ(e.dialogs.mensajes.size(), 1U);
    EXPECT_EQ(e.dialogs.mensajes[0].texto, u"Este registro no puede ser eliminado."_s);
    EXPECT_EQ(e.dialogs.mensajes[0].titulo, u"Imposible eliminar el registro"_s);
    EXPECT_EQ(e.dialogs.mensajes[0].icono, Icono::Informacion);

    grillaDe(form).irAFila(0);
    pulsar(form, u"cmdBorrar"_s);  // the scripted dialogs give the box's default answer
    ASSERT_EQ(e.dialogs.mensajes.size(), 2U);
    const Mensaje& pregunta = e.dialogs.mensajes[1];
    EXPECT_EQ(pregunta.texto, u"¿Confirma la eliminación del registro seleccionado?"_s);
    EXPECT_EQ(pregunta.titulo, u"Atención"_s);
    EXPECT_EQ(pregunta.icono, Icono::Pregunta);
    EXPECT_EQ(pregunta.botones, Botones::SiNo);
    EXPECT_EQ(pregunta.porDefecto, Respuesta::No);
    EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Prueba"_s), 2);
}

TEST_F(FormularioRegistroTest, UnaClaveRepetidaConservaLoTipeado)
{
    agregarFila(u"0001"_s, u"UNO"_s);
    agregarFila(u"0002"_s, u"DOS"_s);
    frmPrueba form(e.contexto);

    alta(form, u"0001"_s, u"nuevo"_s);

    ASSERT_EQ(e.dialogs.mensajes.size(), 1U);
    EXPECT_EQ(e.dialogs.mensajes[0].texto,
              u"Ya existe un registro con ese código,\ncorríjalo o cancele."_s);
    EXPECT_EQ(e.dialogs.mensajes[0].titulo, u"Clave Repetida"_s);
    EXPECT_EQ(e.dialogs.mensajes[0].icono, Icono::Exclamacion);
    EXPECT_EQ(tituloMarco(form, u"fraPrueba"_s), u" Agregar "_s);
    EXPECT_EQ(form.txtCodigo->text(), u"0001"_s);
    EXPECT_EQ(form.txtNombre->text(), u"NUEVO"_s);
    EXPECT_EQ(enfocado(form), u"txtCodigo"_s);
    EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Prueba"_s), 2);

    // Corrected, it saves; cancelled instead, the current row shows again.
    pulsar(form, u"cmdCancelar"_s);
    EXPECT_EQ(tituloMarco(form, u"fraPrueba"_s), QString());
    EXPECT_EQ(form.txtCodigo->text(), u"0002"_s);
    EXPECT_EQ(form.txtNombre->text(), u"DOS"_s);
}

TEST_F(FormularioRegistroTest, UnaVerificacionFallidaDetieneElGrabado)
{
    frmPrueba form(e.contexto);
    alta(form, u"0005"_s, u"   "_s);

    ASSERT_EQ(e.dialogs.mensajes.size(), 1U);
    EXPECT_EQ(e.dialogs.mensajes[0].texto, u"Debe ingresar un nombre."_s);
    EXPECT_EQ(e.dialogs.mensajes[0].titulo, u"Atención"_s);
    EXPECT_EQ(e.dialogs.mensajes[0].icono, Icono::Exclamacion);
    EXPECT_EQ(enfocado(form), u"txtNombre"_s);
    EXPECT_EQ(tituloMarco(form, u"fraPrueba"_s), u" Agregar "_s);
    EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Prueba"_s), 0);
}

TEST_F(FormularioRegistroTest, OtroErrorAlGrabarMuestraNumeroYDescripcion)
{
    e.base.ejecutar(u"CREATE TRIGGER falla BEFORE INSERT ON Prueba "
                    u"BEGIN SELECT RAISE(ABORT, 'disco lleno'); END"_s);
    frmPrueba form(e.contexto);
    alta(form, u"0005"_s, u"CINCO"_s);

    ASSERT_EQ(e.dialogs.mensajes.size(), 1U);
    const Mensaje& m = e.dialogs.mensajes[0];
    EXPECT_TRUE(m.texto.contains(u"disco lleno"_s)) << m.texto.toStdString();
    EXPECT_TRUE(m.texto.at(0).isDigit() && m.texto.contains(u' ')) << m.texto.toStdString();
    EXPECT_EQ(m.titulo, kTituloAplicacion);
    EXPECT_EQ(m.icono, Icono::Ninguno);
    EXPECT_EQ(tituloMarco(form, u"fraPrueba"_s), u" Agregar "_s);
    EXPECT_EQ(form.txtNombre->text(), u"CINCO"_s);
}

TEST_F(FormularioRegistroTest, UnaColumnaSinOrdenSeRehusaSinCambiarNada)
{
    agregarFila(u"0001"_s, u"BETA"_s);
    agregarFila(u"0002"_s, u"ALFA"_s);
    frmPrueba form(e.contexto);
    QHeaderView* encabezado = grillaDe(form).horizontalHeader();

    Q_EMIT encabezado->sectionClicked(1);
    EXPECT_EQ(orden(form), u"  Ordenados por: Nombre"_s);
    EXPECT_EQ(celda(form, 0, 1), u"ALFA"_s);
    EXPECT_EQ(actual(form), u"BETA"_s);  // the last row of the new order
    grillaDe(form).irAFila(0);

    Q_EMIT encabezado->sectionClicked(2);
    ASSERT_EQ(e.dialogs.mensajes.size(), 1U);
    EXPECT_EQ(e.dialogs.mensajes[0].texto, u"No se dispone de ordenamiento por este campo."_s);
    EXPECT_EQ(e.dialogs.mensajes[0].titulo, u"Atención..."_s);
    EXPECT_EQ(e.dialogs.mensajes[0].icono, Icono::Informacion);
    EXPECT_EQ(orden(form), u"  Ordenados por: Nombre"_s);
    EXPECT_EQ(celda(form, 0, 1), u"ALFA"_s);
    EXPECT_EQ(actual(form), u"ALFA"_s);
}

TEST_F(FormularioRegistroTest, LaFilaGrabadaQuedaActualDondeLaPongaElOrden)
{
    for (const char* n : {"ANA", "CARLOS", "ELENA", "GUSTAVO"})
        agregarFila(QString::number(e.contar(u"SELECT COUNT(*) FROM Prueba"_s) + 1)
                        .rightJustified(4, u'0'),
                    QString::fromLatin1(n));
    frmPrueba form(e.contexto);
    Q_EMIT grillaDe(form).horizontalHeader()->sectionClicked(1);

    alta(form, u"0009"_s, u"daniel"_s);
    EXPECT_EQ(grillaDe(form).filaActual(), 2);
    EXPECT_EQ(actual(form), u"DANIEL"_s);
    EXPECT_EQ(form.txtCodigo->text(), u"0009"_s);

    // A modification that moves the row in the order: the current row follows it.
    pulsar(form, u"CmdModificar"_s);
    EXPECT_EQ(enfocado(form), u"txtNombre"_s);
    escribir(form, u"txtNombre"_s, u"BRUNO"_s);
    pulsar(form, u"cmdGrabar"_s);
    EXPECT_EQ(grillaDe(form).filaActual(), 1);
    EXPECT_EQ(actual(form, 0), u"0009"_s);
    EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Prueba WHERE Codigo = '0009' AND Nombre = 'BRUNO'"_s),
              1);
    EXPECT_TRUE(e.dialogs.mensajes.empty());
}

TEST_F(FormularioRegistroTest, SeleccionarDevuelveElCodigoSoloEnModoSeleccion)
{
    agregarFila(u"0001"_s, u"UNO"_s);
    agregarFila(u"0002"_s, u"DOS"_s);
    {
        // Opened for maintenance: Seleccionar is hidden and a double click does nothing.
        frmPrueba form(e.contexto);
        EXPECT_TRUE(control(form, u"cmdSeleccionar"_s)->isHidden());
        Q_EMIT grillaDe(form).doubleClicked(grillaDe(form).currentIndex());
        EXPECT_FALSE(form.seleccion());
    }
    {
        frmPrueba form(e.contexto);
        form.mostrarSeleccionar();
        grillaDe(form).irAFila(0);
        Q_EMIT grillaDe(form).doubleClicked(grillaDe(form).currentIndex());
        EXPECT_EQ(form.seleccion(), u"0001"_s);
        EXPECT_EQ(form.result(), QDialog::Accepted);
    }
    {
        frmPrueba form(e.contexto);
        form.mostrarSeleccionar();
        pulsar(form, u"cmdSalir"_s);
        EXPECT_FALSE(form.seleccion());
    }
}

TEST_F(FormularioRegistroTest, NoSeCierraMientrasSeEdita)
{
    frmPrueba form(e.contexto);
    form.show();
    pulsar(form, u"cmdAgregar"_s);
    form.reject();  // Escape or the window's close button
    EXPECT_TRUE(form.isVisible());
    pulsar(form, u"cmdCancelar"_s);
    pulsar(form, u"cmdSalir"_s);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(FormularioRegistroTest, F1MuestraLaAyudaDelFormulario)
{
    e.base.ejecutar(sqlCrearTabla(esquema::tabla(u"Ayudas"_s)));
    frmPrueba form(e.contexto);
    soltarF1(*form.txtNombre);  // the form sees the key whichever control has the focus
    EXPECT_EQ(e.dialogs.clavesAyuda, QStringList{u"frmPrueba"_s});
}

TEST_F(FormularioRegistroTest, UnaTablaGrandeSeAbreEnSuUltimaFilaYSeRecorreEnOrden)
{
    // Names run backwards from the codes, so each order puts the rows differently.
    e.base.ejecutar(u"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 9000) "
                    u"INSERT INTO Prueba (Codigo, Nombre) "
                    u"SELECT printf('%04d', i), printf('N%05d', 9001 - i) FROM n"_s);
    frmPrueba form(e.contexto);

    EXPECT_EQ(grillaDe(form).filas(), 9000);
    EXPECT_EQ(grillaDe(form).filaActual(), 8999);
    EXPECT_EQ(form.txtCodigo->text(), u"9000"_s);
    EXPECT_EQ(celda(form, 4321, 0), u"4322"_s);

    Q_EMIT grillaDe(form).horizontalHeader()->sectionClicked(1);
    EXPECT_EQ(celda(form, 4321, 0), u"4679"_s);
    EXPECT_EQ(actual(form, 0), u"0001"_s);

    alta(form, u"9500"_s, u"N04321x"_s);
    EXPECT_EQ(grillaDe(form).filaActual(), 4321);
    EXPECT_EQ(actual(form, 0), u"9500"_s);
}

} // namespace
