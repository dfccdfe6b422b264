// The subjects form: the rules of each jurisdiction, the numbers the system gives, the CUIT of a
// subject not registered, the deletion guard, and what the row shows.

#include "reference/frmContribuyentes.h"
#include "support/entorno_prueba.h"
#include "support/filas_prueba.h"
#include "support/formularios_prueba.h"

#include <QCheckBox>
#include <QLabel>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kCuit = u"20123456786"_s;
const QString kOtroCuit = u"30000000007"_s;
const QString kAvisoNoInscripto =
    u"El número otorgado por el sistema es al solo efecto de generar la retención o percepción. "
    u"Recuerde que Ud. está obligado -por R.G. 54/07- a exigir y archivar la constancia de "
    u"inscripción en el Impuesto otorgada por la Orvalen\n"_s;

QWidget* marco(const QWidget& form)
{
    return form.findChild<QGroupBox*>(u"fraContribuyente"_s);
}

enum class Boton { Agregar, NoInscripto, Extranjero };

class ContribuyentesTest : public ::testing::Test {
protected:
    struct Alta {
        Boton boton = Boton::Agregar;
        QString numero;  // typed, with Agregar
        bool constancia = false;
        QString cuit = kCuit;
        QString nombre = u"la rural"_s;
        QString domicilio = u"san martin 10"_s;
    };

    static void alta(frmContribuyentes& form, const Alta& a)
    {
        const QString agregar = a.boton == Boton::NoInscripto  ? u"Cmd_Generico"_s
                                : a.boton == Boton::Extranjero ? u"cmdAgregarExt"_s
                                                               : u"cmdAgregar"_s;
        const auto completar = [&] {
            if (a.boton == Boton::Agregar) escribir(form, u"mskNroContrib"_s, a.numero);
            control<QCheckBox>(form, u"chkConstancia"_s)->setChecked(a.constancia);
            escribir(form, {{u"mskCUIT"_s, a.cuit},
                            {u"txtRazonSocial"_s, a.nombre},
                            {u"txtDomicilio"_s, a.domicilio}});
        };
        ::alta(form, completar, agregar);
    }

    QString tipoGuardado(const QString& nro)
    {
        return e.base.valor(u"SELECT Cod_Tipo FROM Contribuyentes WHERE Nro_Contrib = ?"_s, {nro})
            .toString();
    }

    static void irA(const frmContribuyentes& form, const QString& nro)
    {
        GrillaRegistros& g = grillaDe(form);
        for (int fila = 0; fila < g.filas(); ++fila)
            if (celda(g, fila, 0) == nro) g.irAFila(fila);
    }

    EntornoDePrueba e;
};

TEST_F(ContribuyentesTest, CadaJurisdiccionDaSuTipoOSuRechazo)
{
    struct Caso {
        const char* caso;
        Alta alta;
        QString guardado;  // the number stored, "" when refused
        QString tipo;
        QStringList mensajes;
        Icono icono = Icono::Ninguno;  // of the last message
        QString foco = {};
    };
    const QString digitoIB = u"El dígito verificador del número de Inscripción es incorrecto.\n\n"_s;
    const QString digitoCM =
        u"El dígito verificador del número de Convenio Multilateral es incorrecto."_s;
    const QString jurisdiccion = u"La Jurisdicción indicada no es válida."_s;
    auto tipeado = [](const char* numero, bool constancia = false) {
        Alta a;
        a.numero = QString::fromLatin1(numero);
        a.constancia = constancia;
        return a;
    };
    auto con = [](Boton boton) {
        Alta a;
        a.boton = boton;
        return a;
    };
    const Caso casos[] = {
        {"000", tipeado("0001234565"), u"0001234565"_s, u"0"_s, {}},
        {"000 con constancia", tipeado("0001234565", true), u"0001234565"_s, u"3"_s, {}},
        {"911", tipeado("9111234563"), u"9111234563"_s, u"1"_s, {}},
        {"901", tipeado("9011234563"), u"9011234563"_s, u"2"_s, {}},
        {"924", tipeado("9246543215"), u"9246543215"_s, u"2"_s, {}},
        {"901 con constancia", tipeado("9011234563", true), u"9011234563"_s, u"3"_s, {}},
        {"CM con resto 1 y dígito 0", tipeado("9011000000"), u"9011000000"_s, u"2"_s, {}},
        {"950, numerado por el sistema", con(Boton::NoInscripto), u"9500000010"_s, u"6"_s,
         {kAvisoNoInscripto}, Icono::Informacion},
        {"999, numerado por el sistema", con(Boton::Extranjero), u"9990000010"_s, u"4"_s, {}},
        {"900", tipeado("9001234563"), {}, {}, {jurisdiccion}, Icono::Exclamacion,
         u"mskNroContrib"_s},
        {"925", tipeado("9251234563"), {}, {}, {jurisdiccion}, Icono::Exclamacion,
         u"mskNroContrib"_s},
        {"930", tipeado("9301234563"), {}, {}, {jurisdiccion}, Icono::Exclamacion,
         u"mskNroContrib"_s},
        {"000 con dígito errado", tipeado("0001234560"), {}, {}, {digitoIB}, Icono::Critico,
         u"mskNroContrib"_s},
        {"000 incompleto", tipeado("000123"), {}, {},
         {u"El número de Inscripción no está completo."_s, digitoIB}, Icono::Critico,
         u"mskNroContrib"_s},
        {"CM con dígito errado", tipeado("9011234569"), {}, {}, {digitoCM}, Icono::Exclamacion,
         u"mskNroContrib"_s},
        {"CM con resto 1 y dígito 1", tipeado("9011000001"), {}, {}, {digitoCM},
         Icono::Exclamacion, u"mskNroContrib"_s},
        {"999 tipeado", tipeado("9990000010"), {}, {},
         {u"La Jurisdicción 999 indica que se trata de un extranjero.\n"
          u"Si ese es el caso, cancele y utilice la opción 'Agregar Extranjero'"_s},
         Icono::Exclamacion, u"mskNroContrib"_s},
        {"CUIT errado", [&] {
             Alta a = tipeado("0001234565");
             a.cuit = u"20123456780"_s;
             return a;
         }(),
         {}, {}, {u"El dígito verificador del número de C.U.I.T. es incorrecto."_s},
         Icono::Exclamacion, u"mskCUIT"_s},
        {"sin domicilio", [&] {
             Alta a = tipeado("0001234565");
             a.domicilio = u" "_s;
             return a;
         }(),
         {}, {}, {u"Debe ingresar un domicilio."_s}, Icono::Exclamacion, u"txtDomicilio"_s},
    };
    for (const Caso& c : casos) {
        EntornoDePrueba e;
        frmContribuyentes form(e.contexto);
        alta(form, c.alta);

        EXPECT_EQ(e.dialogs.textosMostrados(), c.mensajes) << c.caso;
        if (!e.dialogs.mensajes.empty()) {
            EXPECT_EQ(e.dialogs.mensajes.back().icono, c.icono) << c.caso;
        }
        if (c.guardado.isEmpty()) {
            EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Contribuyentes"_s), 0) << c.caso;
            EXPECT_EQ(tituloMarco(form, u"fraContribuyente"_s), u" Agregar "_s) << c.caso;
            EXPECT_EQ(enfocado(form), c.foco) << c.caso;
            continue;
        }
        const auto fila = e.base.fila(u"SELECT * FROM Contribuyentes"_s);
        ASSERT_TRUE(fila) << c.caso;
        EXPECT_EQ(fila->value(u"Nro_Contrib"_s).toString(), c.guardado) << c.caso;
        EXPECT_EQ(fila->value(u"Cod_Tipo"_s).toString(), c.tipo) << c.caso;
        EXPECT_EQ(fila->value(u"CUIT"_s).toString(), kCuit) << c.caso;
        EXPECT_EQ(fila->value(u"Razon_Social"_s).toString(), u"LA RURAL"_s) << c.caso;
        EXPECT_EQ(tituloMarco(form, u"fraContribuyente"_s), QString()) << c.caso;
        EXPECT_TRUE(control(form, u"mskNroContrib"_s)->isEnabledTo(marco(form))) << c.caso;
    }
}

TEST_F(ContribuyentesTest, ElSistemaNumeraDesdeElMayorDeLaJurisdiccion)
{
    struct Caso {
        const char* caso;
        QStringList existentes;
        Boton boton;
        QString esperado;
    };
    const Caso casos[] = {
        {"ningún 950", {u"9990000450"_s, u"9510000010"_s}, Boton::NoInscripto, u"9500000010"_s},
        {"9500000000 no cuenta", {u"9500000000"_s}, Boton::NoInscripto, u"9500000010"_s},
        {"el mayor", {u"9500000040"_s, u"9500000120"_s}, Boton::NoInscripto, u"9500000130"_s},
        {"el mayor no termina en 0", {u"9500000127"_s}, Boton::NoInscripto, u"9500000130"_s},
        {"ningún extranjero", {u"9500000040"_s}, Boton::Extranjero, u"9990000010"_s},
        {"el mayor extranjero", {u"9990000450"_s, u"9990000010"_s}, Boton::Extranjero,
         u"9990000460"_s},
    };
    for (const Caso& c : casos) {
        EntornoDePrueba e;
        int n = 0;
        for (const QString& nro : c.existentes)
            prueba::contribuyente(e.base, nro, u"2700000000"_s + QString::number(n++), u"X"_s);
        frmContribuyentes form(e.contexto);
        Alta a;
        a.boton = c.boton;
        alta(form, a);
        EXPECT_EQ(tituloMarco(form, u"fraContribuyente"_s), QString()) << c.caso;
        EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Contribuyentes WHERE Nro_Contrib = ? "
                           u"AND CUIT = ?"_s,
                           {c.esperado, kCuit}),
                  1)
            << c.caso;
        EXPECT_EQ(texto(form, u"mskNroContrib"_s).remove(u'-'), c.esperado) << c.caso;
    }
}

TEST_F(ContribuyentesTest, UnaNumeracionAgotadaNoSeGraba)
{
    struct Caso {
        QString mayor;
        Boton boton;
        QString mensaje;
    };
    const Caso casos[] = {
        {u"9509999990"_s, Boton::NoInscripto,
         u"No quedan números disponibles para la jurisdicción 950."_s},
        {u"9509999997"_s, Boton::NoInscripto,
         u"No quedan números disponibles para la jurisdicción 950."_s},
        {u"9999999990"_s, Boton::Extranjero,
         u"No quedan números disponibles para la jurisdicción 999."_s},
    };
    for (const Caso& c : casos) {
        EntornoDePrueba e;
        prueba::contribuyente(e.base, c.mayor, kOtroCuit, u"X"_s);
        frmContribuyentes form(e.contexto);
        Alta a;
        a.boton = c.boton;
        alta(form, a);
        ASSERT_FALSE(e.dialogs.mensajes.empty()) << c.mayor.toStdString();
        EXPECT_EQ(e.dialogs.mensajes.back().texto, c.mensaje) << c.mayor.toStdString();
        EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Contribuyentes"_s), 1) << c.mayor.toStdString();
        EXPECT_EQ(e.contar(u"SELECT MAX(length(Nro_Contrib)) FROM Contribuyentes"_s), 10);
        EXPECT_EQ(tituloMarco(form, u"fraContribuyente"_s), u" Agregar "_s);
    }
}

TEST_F(ContribuyentesTest, UnNoInscriptoSeReconocePorSuCuit)
{
    // A registered subject, a non-registered one and a foreigner with the other CUIT.
    prueba::contribuyente(e.base, u"0001234565"_s, kCuit, u"REGISTRADO"_s);
    prueba::contribuyente(e.base, u"9500000010"_s, kOtroCuit, u"NO INSCRIPTO"_s, u"6"_s);
    prueba::contribuyente(e.base, u"9990000010"_s, u"20000000001"_s, u"EXTRANJERO"_s, u"4"_s);
    const QString repetido = u"Este contribuyente ya se encuentra registrado\n Nº Inscripción: "_s;

    {
        // A new one with the registered subject's CUIT: refused, and the add is abandoned.
        frmContribuyentes form(e.contexto);
        Alta a;
        a.boton = Boton::NoInscripto;
        alta(form, a);
        ASSERT_EQ(e.dialogs.mensajes.size(), 2U);
        EXPECT_EQ(e.dialogs.mensajes[1].texto, repetido + u"0001234565"_s);
        EXPECT_EQ(e.dialogs.mensajes[1].titulo, kTituloAplicacion);
        EXPECT_EQ(e.dialogs.mensajes[1].icono, Icono::Critico);
        EXPECT_EQ(form.modo(), FormularioRegistro::Modo::Navegando);
        EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Contribuyentes"_s), 3);
    }
    {
        // The stored one, its CUIT unchanged, finds only itself: its name can be corrected.
        e.dialogs.mensajes.clear();
        frmContribuyentes form(e.contexto);
        irA(form, u"9500000010"_s);
        pulsar(form, u"CmdModificar"_s);
        escribir(form, u"txtRazonSocial"_s, u"nombre corregido"_s);
        pulsar(form, u"cmdGrabar"_s);
        EXPECT_TRUE(e.dialogs.mensajes.empty()) << e.dialogs.textosMostrados().join(u'|').toStdString();
        EXPECT_EQ(e.base.valor(u"SELECT Razon_Social FROM Contribuyentes "
                               u"WHERE Nro_Contrib = '9500000010'"_s),
                  u"NOMBRE CORREGIDO"_s);
        EXPECT_EQ(tipoGuardado(u"9500000010"_s), u"6"_s);

        // Given another subject's CUIT it is refused, and the modification abandoned.
        pulsar(form, u"CmdModificar"_s);
        escribir(form, u"mskCUIT"_s, u"20000000001"_s);
        escribir(form, u"txtRazonSocial"_s, u"otro nombre"_s);
        pulsar(form, u"cmdGrabar"_s);
        EXPECT_EQ(e.dialogs.textosMostrados(), QStringList{repetido + u"9990000010"_s});
        EXPECT_EQ(form.modo(), FormularioRegistro::Modo::Navegando);
        EXPECT_EQ(texto(form, u"txtRazonSocial"_s), u"NOMBRE CORREGIDO"_s);
        EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Contribuyentes WHERE CUIT = ?"_s, {kOtroCuit}), 1);
    }
    {
        // Registered subjects may share a CUIT with any other.
        e.dialogs.mensajes.clear();
        frmContribuyentes form(e.contexto);
        Alta a;
        a.numero = u"9111234563"_s;
        a.cuit = kOtroCuit;
        alta(form, a);
        EXPECT_TRUE(e.dialogs.mensajes.empty()) << e.dialogs.textosMostrados().join(u'|').toStdString();
        EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Contribuyentes WHERE CUIT = ?"_s, {kOtroCuit}), 2);
    }
}

TEST_F(ContribuyentesTest, ModificarNoVuelveAVerificarElNumero)
{
    // Numbers the import accepted under its own rule, or older ones: they stay editable.
    for (const QString& nro : {u"9011000001"_s, u"0001234560"_s}) {
        EntornoDePrueba e;
        prueba::contribuyente(e.base, nro, kCuit, u"IMPORTADO"_s, u"2"_s);
        frmContribuyentes form(e.contexto);
        pulsar(form, u"CmdModificar"_s);
        EXPECT_FALSE(control(form, u"mskNroContrib"_s)->isEnabled());
        EXPECT_EQ(enfocado(form), u"mskCUIT"_s);
        escribir(form, u"txtDomicilio"_s, u"nueva direccion"_s);
        pulsar(form, u"cmdGrabar"_s);
        EXPECT_TRUE(e.dialogs.mensajes.empty())
            << nro.toStdString() << e.dialogs.textosMostrados().join(u'|').toStdString();
        EXPECT_EQ(e.base.valor(u"SELECT Domicilio FROM Contribuyentes"_s), u"NUEVA DIRECCION"_s);
    }
}

TEST_F(ContribuyentesTest, UnNombreConApostrofeSeGrabaEncuentraYOrdena)
{
    prueba::contribuyente(e.base, u"0006543217"_s, kCuit, u"MARTINEZ"_s);
    prueba::contribuyente(e.base, u"9111234563"_s, kCuit, u"PEREZ"_s);
    frmContribuyentes form(e.contexto);
    clickEncabezado(form, 2);

    Alta a;
    a.numero = u"0001234565"_s;
    a.nombre = u"o'higgins"_s;
    alta(form, a);

    EXPECT_TRUE(e.dialogs.mensajes.empty()) << e.dialogs.textosMostrados().join(u'|').toStdString();
    EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Contribuyentes WHERE Razon_Social = ?"_s,
                       {u"O'HIGGINS"_s}),
              1);
    GrillaRegistros& g = grillaDe(form);
    EXPECT_EQ(g.filaActual(), 1);
    EXPECT_EQ(celda(g, 1, 2), u"O'HIGGINS"_s);
    EXPECT_EQ(texto(form, u"txtRazonSocial"_s), u"O'HIGGINS"_s);

    // Modified, it is found again by its number.
    pulsar(form, u"CmdModificar"_s);
    escribir(form, u"txtDomicilio"_s, u"o'brien 1"_s);
    pulsar(form, u"cmdGrabar"_s);
    EXPECT_EQ(e.base.valor(u"SELECT Domicilio FROM Contribuyentes WHERE Nro_Contrib = ?"_s,
                           {u"0001234565"_s}),
              u"O'BRIEN 1"_s);
    EXPECT_EQ(celdaActual(g, 2), u"O'HIGGINS"_s);
}

TEST_F(ContribuyentesTest, UnNumero950NoSeTipea)
{
    frmContribuyentes form(e.contexto);
    pulsar(form, u"cmdAgregar"_s);
    escribir(form, u"mskNroContrib"_s, u"9500000010"_s);
    control(form, u"mskCUIT"_s)->setFocus();
    salirDe(form, u"mskNroContrib"_s);

    ASSERT_EQ(e.dialogs.mensajes.size(), 1U);
    EXPECT_EQ(e.dialogs.mensajes[0].texto, u"Jurisdicción incorrecta "_s);
    EXPECT_EQ(e.dialogs.mensajes[0].titulo, kTituloAplicacion);
    EXPECT_EQ(e.dialogs.mensajes[0].icono, Icono::Ninguno);
    EXPECT_EQ(enfocado(form), u"mskNroContrib"_s);

    // Any other jurisdiction passes the field.
    escribir(form, u"mskNroContrib"_s, u"9990000010"_s);
    salirDe(form, u"mskNroContrib"_s);
    EXPECT_EQ(e.dialogs.mensajes.size(), 1U);
}

TEST_F(ContribuyentesTest, LaFilaMuestraConstanciaYExtranjero)
{
    prueba::contribuyente(e.base, u"0001234565"_s, kCuit, u"CON CONSTANCIA"_s, u"3"_s);
    prueba::contribuyente(e.base, u"9990000010"_s, kCuit, u"EXTRANJERO"_s, u"4"_s);
    frmContribuyentes form(e.contexto);
    auto* chk = control<QCheckBox>(form, u"chkConstancia"_s);
    auto* lbl = control<QLabel>(form, u"lblExtranjero"_s);
    GrillaRegistros& g = grillaDe(form);

    g.irAFila(0);
    EXPECT_TRUE(chk->isChecked());
    EXPECT_TRUE(lbl->isHidden());
    g.irAFila(1);
    EXPECT_FALSE(chk->isChecked());
    EXPECT_FALSE(lbl->isHidden());

    // A foreigner keeps its type: the certificate is not offered, and a "999" number passes.
    pulsar(form, u"CmdModificar"_s);
    EXPECT_FALSE(chk->isEnabled());
    escribir(form, u"txtRazonSocial"_s, u"foreign co"_s);
    pulsar(form, u"cmdGrabar"_s);
    EXPECT_TRUE(e.dialogs.mensajes.empty()) << e.dialogs.textosMostrados().join(u'|').toStdString();
    EXPECT_EQ(tipoGuardado(u"9990000010"_s), u"4"_s);

    // Unticking the certificate gives the type of the jurisdiction back.
    g.irAFila(0);
    pulsar(form, u"CmdModificar"_s);
    EXPECT_TRUE(chk->isEnabled());
    chk->setChecked(false);
    pulsar(form, u"cmdGrabar"_s);
    EXPECT_EQ(tipoGuardado(u"0001234565"_s), u"0"_s);

    // A plain Agregar shows neither.
    pulsar(form, u"cmdAgregar"_s);
    EXPECT_FALSE(chk->isChecked());
    EXPECT_TRUE(chk->isEnabled());
    EXPECT_TRUE(lbl->isHidden());
    EXPECT_EQ(enfocado(form), u"mskNroContrib"_s);
}

TEST_F(ContribuyentesTest, UnSujetoConRetencionesNoSeBorra)
{
    prueba::contribuyente(e.base, u"0001234565"_s, kCuit, u"CON RETENCION"_s);
    prueba::contribuyente(e.base, u"9111234563"_s, kCuit, u"SIN RETENCION"_s);
    prueba::retencion(e.base, u"0001234565"_s, u"05"_s, u"5"_s);  // annulled, still counts
    frmContribuyentes form(e.contexto);

    e.dialogs.respuestas = {Respuesta::Aceptar, Respuesta::Si};  // were it asked, yes
    grillaDe(form).irAFila(0);
    pulsar(form, u"cmdBorrar"_s);
    e.dialogs.respuestas = {Respuesta::Si};
    grillaDe(form).irAFila(1);
    pulsar(form, u"cmdBorrar"_s);

    EXPECT_EQ(e.dialogs.textosMostrados(),
              QStringList({u"Hay retenciones cargadas para este contribuyente."_s,
                           u"¿Confirma la eliminación del contribuyente seleccionado?"_s}));
    EXPECT_EQ(e.dialogs.mensajes[0].titulo, u"Imposible eliminar el registro"_s);
    EXPECT_EQ(e.base.valor(u"SELECT group_concat(Nro_Contrib) FROM Contribuyentes"_s).toString(),
              u"0001234565"_s);
}

TEST_F(ContribuyentesTest, LasColumnasOrdenan)
{
    prueba::contribuyente(e.base, u"0001234565"_s, u"30000000007"_s, u"ZETA"_s, u"3"_s);
    prueba::contribuyente(e.base, u"9111234563"_s, u"20123456786"_s, u"ALFA"_s, u"1"_s);
    frmContribuyentes form(e.contexto);
    auto* lblOrden = control<QLabel>(form, u"lblOrden"_s);
    EXPECT_EQ(lblOrden->text(), u"  Ordenados por: Nº de Inscripción en IB"_s);
    const std::pair<int, QString> columnas[] = {
        {1, u"  Ordenados por: Nº de CUIT"_s},
        {2, u"  Ordenados por: Razón Social"_s},
        {3, u"  Ordenados por: Domicilio"_s},
        {4, u"  Ordenados por: Código de Tipo"_s},
    };
    for (const auto& [columna, esperado] : columnas) {
        clickEncabezado(form, columna);
        EXPECT_EQ(lblOrden->text(), esperado) << columna;
    }
    // By type the "3" comes last and is current.
    EXPECT_EQ(texto(form, u"txtRazonSocial"_s), u"ZETA"_s);
    EXPECT_TRUE(e.dialogs.mensajes.empty());
    EXPECT_FALSE(control(form, u"Cmd_Generico"_s)->isHidden());
}

} // namespace
