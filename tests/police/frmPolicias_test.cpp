// The officers form: its checks, the deletion guard, its orders, and the pick list.

#include "police/frmPolicias.h"

#include "support/datos_policiales.h"

#include <QComboBox>
#include <QLabel>

using namespace Qt::Literals::StringLiterals;

namespace {

void irA(const frmPolicias& form, const QString& nombre)
{
    GrillaRegistros& g = grillaDe(form);
    for (int fila = 0; fila < g.filas(); ++fila)
        if (celda(g, fila, 1) == nombre) g.irAFila(fila);
}

TEST(frmPolicias, AltaConSusComprobacionesEnOrden)
{
    DatosPoliciales f;
    frmPolicias form(f.contexto);
    EXPECT_EQ(form.windowTitle(), u"Agentes Policiales"_s);
    EXPECT_TRUE(form.findChild<QWidget*>(u"cmdSeleccionar"_s)->isHidden());
    pulsar(form, u"cmdAgregar"_s);
    EXPECT_EQ(control<QComboBox>(form, u"Cbo_tipos"_s)->currentText(), u"D.N.I."_s);
    EXPECT_EQ(enfocado(form), u"Cbo_tipos"_s);

    // Each check in its turn, with what the user types to get past it.
    const struct {
        const char* mensaje;
        const char* foco;
        const char* valor;
    } pasos[] = {
        {"Debe ingresar el Nombre.", "txtNyApellido", "perez maria"},
        {"Debe ingresar el Tipo y Nº de Documento", "TxtNroDoc", "30111222"},
        {"Debe ingresar el Nº de Legajo", "TxtLegajo", "2044"},
        {"Debe ingresar el Nº de Cuenta Bancaria", "TxtCuentaBanco", "CC 99/1"},
    };
    for (const auto& p : pasos) {
        pulsar(form, u"cmdGrabar"_s);
        EXPECT_EQ(f.dialogs.mensajes.back().texto, QString::fromUtf8(p.mensaje));
        EXPECT_EQ(f.dialogs.mensajes.back().titulo, u"Atención"_s);
        EXPECT_EQ(enfocado(form), QString::fromLatin1(p.foco));
        escribir(form, QString::fromLatin1(p.foco), QString::fromUtf8(p.valor));
    }
    control<QComboBox>(form, u"Cbo_tipos"_s)->setCurrentText(u"L.C."_s);
    pulsar(form, u"cmdGrabar"_s);

    const auto fila = f.base.fila(u"SELECT * FROM Policias WHERE Nombre = 'PEREZ MARIA'"_s);
    ASSERT_TRUE(fila);
    const Policia p = policiaDe(*fila);
    EXPECT_EQ(p.tipo, u"L.C."_s);
    EXPECT_EQ(p.dni, 30111222);
    EXPECT_EQ(p.legajo, 2044);
    EXPECT_EQ(p.nroCuentaBanco, u"CC 99/1"_s);
    EXPECT_EQ(celdaActual(grillaDe(form), 1), u"PEREZ MARIA"_s);
}

TEST(frmPolicias, ConMultasNoSeBorraConIntervencionesSi)
{
    DatosPoliciales f;
    f.comprobante("00000001", 1, {{"A0000001", 1}}, "4", 0, f.garcia);
    f.sql("INSERT INTO Intervenciones (IdCabecera, Nro_Carta_Porte, Grano, Nro_Oblea, CodPolicia, "
          "Cuit_Remitente, Procedencia, Movimiento) "
          "VALUES (?, '0001-00000001', 1, ' ', ?, '20123456786', 'X', 0)",
          {f.idCabecera, f.lopez});
    frmPolicias form(f.contexto);

    irA(form, u"GARCIA JUAN"_s);
    pulsar(form, u"cmdBorrar"_s);
    EXPECT_EQ(f.dialogs.mensajes.back().texto, u"Hay Multas cobradas para este Policia "_s);
    EXPECT_EQ(f.dialogs.mensajes.back().titulo, u"Imposible eliminar el registro"_s);
    EXPECT_EQ(f.contar(u"SELECT COUNT(*) FROM Policias"_s), 2);

    irA(form, u"LOPEZ ANA"_s);
    f.dialogs.respuestas = {Respuesta::Si};
    pulsar(form, u"cmdBorrar"_s);
    EXPECT_EQ(f.dialogs.mensajes.back().texto, u"¿Confirma la eliminación del registro seleccionado?"_s);
    EXPECT_EQ(f.dialogs.mensajes.back().porDefecto, Respuesta::No);
    EXPECT_EQ(f.contar(u"SELECT COUNT(*) FROM Policias"_s), 1);

    // The last one gone: the buttons that need a row are off and the boxes empty.
    f.sql("DELETE FROM Multas_cobradas");
    f.dialogs.respuestas = {Respuesta::Si};
    pulsar(form, u"cmdBorrar"_s);
    EXPECT_EQ(f.contar(u"SELECT COUNT(*) FROM Policias"_s), 0);
    for (const char* boton : {"cmdBorrar", "CmdModificar", "cmdSeleccionar"})
        EXPECT_FALSE(habilitado(form, QString::fromLatin1(boton))) << boton;
    EXPECT_EQ(texto(form, u"txtNyApellido"_s), QString());
    EXPECT_EQ(control<QComboBox>(form, u"Cbo_tipos"_s)->currentIndex(), -1);
}

TEST(frmPolicias, OrdenesDeLosEncabezados)
{
    DatosPoliciales f;
    prueba::policia(f.base, {.nombre = u"ALVAREZ"_s});
    frmPolicias form(f.contexto);
    auto orden = [&] { return form.findChild<QLabel*>(u"lblOrden"_s)->text(); };
    EXPECT_EQ(orden(), u"  Ordenados por: Código"_s);

    const struct {
        int columna;
        const char* etiqueta;
        const char* ultimo;  // the current row afterwards: the last in that order
    } casos[] = {
        {2, "  Ordenados por: Descripción", "LOPEZ ANA"},
        {4, "  Ordenados por: Descripción", "LOPEZ ANA"},  // re-read in the same order, silently
        {1, "  Ordenados por: Código", "ALVAREZ"},
        {5, "  Ordenados por: Código", "ALVAREZ"},
    };
    for (const auto& c : casos) {
        clickEncabezado(form, c.columna);
        EXPECT_EQ(orden(), QString::fromUtf8(c.etiqueta)) << c.columna;
        EXPECT_EQ(celdaActual(grillaDe(form), 1), QString::fromLatin1(c.ultimo)) << c.columna;
    }
    EXPECT_TRUE(f.dialogs.mensajes.empty());
}

TEST(frmPolicias, ComoListaDevuelveElCodigoConAlMenosDosCifras)
{
    DatosPoliciales f;
    prueba::policia(f.base, {.codigo = 123, .nombre = u"RUIZ PEDRO"_s});
    const struct {
        const char* nombre;
        const char* codigo;
    } casos[] = {{"GARCIA JUAN", "01"}, {"RUIZ PEDRO", "123"}};
    for (const auto& c : casos) {
        frmPolicias lista(f.contexto);
        lista.mostrarSeleccionar();
        irA(lista, QString::fromLatin1(c.nombre));
        pulsar(lista, u"cmdSeleccionar"_s);
        EXPECT_EQ(lista.seleccion(), QString::fromLatin1(c.codigo));
    }
}

} // namespace
