// The agents form: its checks, its first branch, its deletion guards and cascade, its activation.

#include "forms/grilla_registros.h"
#include "reference/frmAgentes.h"
#include "support/entorno_prueba.h"
#include "support/filas_prueba.h"
#include "support/formularios_prueba.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>

using namespace Qt::Literals::StringLiterals;

namespace {

// Valid inscription numbers ("0" and the six digits) and CUIT.
const QString kAgente = u"123459"_s;
const QString kOtro = u"543213"_s;
const QString kCuit = u"20123456786"_s;

class AgentesTest : public ::testing::Test {
protected:
    struct Alta {
        QString nro = kAgente;
        int iva = 2;
        QString cuit = kCuit;
        QString nombre = u"la rural"_s;
        QString domicilio = u"  san martin 10  "_s;
        QString localidad = u" rosario"_s;
    };

    static void completar(frmAgentes& form, const Alta& a)
    {
        escribir(form, u"mskNroAgente"_s, a.nro);
        control<QComboBox>(form, u"cboIVA"_s)->setCurrentIndex(a.iva);
        escribir(form, u"mskCUIT"_s, a.cuit);
        escribir(form, u"txtRazonSocial"_s, a.nombre);
        escribir(form, u"txtDomicilio"_s, a.domicilio);
        escribir(form, u"txtLocalidad"_s, a.localidad);
    }

    static void alta(frmAgentes& form, const Alta& a)
    {
        ::alta(form, [&] { completar(form, a); });
    }

    // Makes a declaration of the agent active, as the declarations form would.
    void activarCabecera(qint64 id)
    {
        e.entorno.activarCabecera(id);
    }

    QString panel(const QString& clave) const { return e.paneles.texto(clave); }

    EntornoDePrueba e;
};

TEST_F(AgentesTest, GrabarVerificaEnOrdenYSeDetieneEnLaPrimeraFalla)
{
    struct Caso {
        const char* caso;
        Alta alta;
        QStringList mensajes;
        QString titulo;  // of the last message
        QString foco;
    };
    const QString digito = u"El dígito verificador del número de Inscripción es incorrecto."_s;
    auto con = [](auto cambio) {
        Alta a;
        cambio(a);
        return a;
    };
    const Caso casos[] = {
        {"número incompleto", con([](Alta& a) { a.nro = u"123"_s; }),
         {u"El número de Inscripción no está completo."_s, digito}, u"Error"_s, u"mskNroAgente"_s},
        {"número nulo", con([](Alta& a) { a.nro = u"000000"_s; }),
         {u"El número de Inscripción no puede ser nulo."_s, digito}, u"Error"_s, u"mskNroAgente"_s},
        {"dígito verificador", con([](Alta& a) { a.nro = u"123450"_s; }), {digito}, u"Error"_s,
         u"mskNroAgente"_s},
        {"número y condición: solo el primero", con([](Alta& a) {
             a.nro = u"123450"_s;
             a.iva = -1;
         }),
         {digito}, u"Error"_s, u"mskNroAgente"_s},
        {"sin condición frente al IVA", con([](Alta& a) { a.iva = -1; }),
         {u"Debe indicar la condición frente al IVA."_s}, u"Atención"_s, u"cboIVA"_s},
        {"CUIT", con([](Alta& a) { a.cuit = u"20123456780"_s; }),
         {u"El dígito verificador del número de C.U.I.T. es incorrecto."_s}, u"Error"_s,
         u"mskCUIT"_s},
        {"razón social en blanco", con([](Alta& a) { a.nombre = u"   "_s; }),
         {u"Debe ingresar una razón social."_s}, u"Atención"_s, u"txtRazonSocial"_s},
        {"domicilio en blanco", con([](Alta& a) { a.domicilio = {}; }),
         {u"Debe ingresar un domicilio."_s}, u"Atención"_s, u"txtDomicilio"_s},
        {"localidad en blanco", con([](Alta& a) { a.localidad = u" "_s; }),
         {u"Debe ingresar una localidad."_s}, u"Atención"_s, u"txtLocalidad"_s},
    };
    for (const Caso& c : casos) {
        e.dialogs.mensajes.clear();
        frmAgentes form(e.contexto);
        alta(form, c.alta);
        EXPECT_EQ(e.dialogs.textosMostrados(), c.mensajes) << c.caso;
        if (!e.dialogs.mensajes.empty()) {
            EXPECT_EQ(e.dialogs.mensajes.back().titulo, c.titulo) << c.caso;
            EXPECT_EQ(e.dialogs.mensajes.back().icono, Icono::Exclamacion) << c.caso;
        }
        EXPECT_EQ(enfocado(form), c.foco) << c.caso;
        EXPECT_EQ(tituloMarco(form, u"fraAgente"_s), u" Agregar "_s) << c.caso;
        EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Agentes"_s), 0) << c.caso;
    }
}

TEST_F(AgentesTest, UnAgenteNuevoSeGrabaConSuSucursal0000)
{
    frmAgentes form(e.contexto);
    alta(form, {});

    EXPECT_TRUE(e.dialogs.mensajes.empty()) << e.dialogs.textosMostrados().join(u'|').toStdString();
    const auto agente = e.base.fila(u"SELECT * FROM Agentes"_s);
    ASSERT_TRUE(agente);
    EXPECT_EQ(agente->value(u"Nro_Agente"_s).toString(), kAgente);
    EXPECT_EQ(agente->value(u"CUIT"_s).toString(), kCuit);
    EXPECT_EQ(agente->value(u"Razon_Social"_s).toString(), u"LA RURAL"_s);
    EXPECT_EQ(agente->value(u"CondIVA"_s).toInt(), 2);

    const auto sucursales = e.base.filas(u"SELECT Nro_Agente, Sucursal, Nro_Comprobante, "
                                         u"Descripcion, Localidad FROM Sucursales"_s);
    ASSERT_EQ(sucursales.size(), 1U);
    QStringList valores;
    for (int i = 0; i < 5; ++i) valores << sucursales[0].value(i).toString();
    EXPECT_EQ(valores, QStringList({kAgente, u"0000"_s, u"00000000"_s, u"SAN MARTIN 10"_s,
                                    u"ROSARIO"_s}));

    EXPECT_EQ(tituloMarco(form, u"fraAgente"_s), QString());
    EXPECT_EQ(grillaDe(form).idActual(), e.base.valor(u"SELECT rowid FROM Agentes"_s).toLongLong());
    EXPECT_EQ(texto(form, u"mskNroAgente"_s), u"12345-9"_s);
}

TEST_F(AgentesTest, SiLaSucursalNoSePuedeGrabarNoQuedaNiElAgente)
{
    e.base.ejecutar(u"CREATE TRIGGER falla BEFORE INSERT ON Sucursales "
                    u"BEGIN SELECT RAISE(ABORT, 'disco lleno'); END"_s);
    frmAgentes form(e.contexto);
    alta(form, {});

    ASSERT_EQ(e.dialogs.mensajes.size(), 1U);
    EXPECT_TRUE(e.dialogs.mensajes[0].texto.contains(u"disco lleno"_s));
    EXPECT_EQ(e.dialogs.mensajes[0].titulo, kTituloAplicacion);
    EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Agentes"_s), 0);
    EXPECT_EQ(tituloMarco(form, u"fraAgente"_s), u" Agregar "_s);
    EXPECT_EQ(texto(form, u"txtRazonSocial"_s), u"LA RURAL"_s);

    // Once the cause is gone, the same Grabar lands both rows.
    e.base.ejecutar(u"DROP TRIGGER falla"_s);
    pulsar(form, u"cmdGrabar"_s);
    EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Agentes"_s), 1);
    EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Sucursales"_s), 1);
}

TEST_F(AgentesTest, UnNumeroYaCargadoEsClaveRepetida)
{
    prueba::agente(e.base, kAgente, u"EXISTENTE"_s);
    frmAgentes form(e.contexto);
    alta(form, {});

    ASSERT_EQ(e.dialogs.mensajes.size(), 1U);
    EXPECT_EQ(e.dialogs.mensajes[0].texto,
              u"Ya existe un registro con ese número de inscripción,\ncorríjalo o cancele."_s);
    EXPECT_EQ(e.dialogs.mensajes[0].titulo, u"Clave Repetida"_s);
    EXPECT_EQ(enfocado(form), u"mskNroAgente"_s);
    EXPECT_EQ(tituloMarco(form, u"fraAgente"_s), u" Agregar "_s);
    EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Sucursales"_s), 0);
}

TEST_F(AgentesTest, ModificarElAgenteActivoActualizaSuPanel)
{
    struct Caso {
        const char* caso;
        QString modificado;
        QString panelEsperado;
    };
    const Caso casos[] = {
        {"el activo", kAgente, u"Agente: 12345-9 - NUEVO NOMBRE"_s},
        {"otro", kOtro, u"Agente: 12345-9 - LA RURAL"_s},
    };
    for (const Caso& c : casos) {
        EntornoDePrueba e;
        prueba::agente(e.base, kAgente, u"LA RURAL"_s);
        prueba::agente(e.base, kOtro, u"EL OTRO"_s);
        frmAgentes form(e.contexto);
        grillaDe(form).irAFila(0);
        pulsar(form, u"cmdActivar"_s);

        grillaDe(form).irAFila(c.modificado == kAgente ? 0 : 1);
        pulsar(form, u"CmdModificar"_s);
        EXPECT_FALSE(control(form, u"mskNroAgente"_s)->isEnabled()) << c.caso;
        EXPECT_EQ(enfocado(form), u"mskCUIT"_s) << c.caso;
        escribir(form, u"txtRazonSocial"_s, u"nuevo nombre"_s);
        pulsar(form, u"cmdGrabar"_s);

        EXPECT_TRUE(e.dialogs.mensajes.empty()) << c.caso;
        EXPECT_EQ(e.paneles.texto(panel::Agente), c.panelEsperado) << c.caso;
        EXPECT_EQ(e.entorno.agenteActual()->razonSocial,
                  c.panelEsperado.section(u" - "_s, 1))
            << c.caso;
        EXPECT_TRUE(control(form, u"mskNroAgente"_s)->isEnabledTo(form.findChild<QGroupBox*>()))
            << c.caso;
    }
}

TEST_F(AgentesTest, SoloSeBorraUnAgenteQueNoEmitioNada)
{
    // What each agent has; what Borrar says; whether the agent, its rows and declarations go.
    struct Caso {
        const char* caso;
        std::function<void(BaseDatos&)> preparar;
        QString mensaje;  // the refusal, or the question when it goes on
        bool borrado;
    };
    const QString pregunta = u"¿Confirma la eliminación del agente seleccionado?"_s;
    const QString sucursales = u"Hay sucursales cargadas para este agente."_s;
    const QString movimientos = u"Hay movimientos cargados en las declaraciones de este agente."_s;
    auto conCabecera = [](const QString& movimiento) {
        return [movimiento](BaseDatos& b) {
            prueba::sucursal(b, kAgente, u"0000"_s);
            const qint64 id = prueba::cabecera(b, kAgente, u"0000"_s);
            if (!movimiento.isEmpty()) b.ejecutar(movimiento, {id});
        };
    };
    const Caso casos[] = {
        {"sin sucursales", [](BaseDatos&) {}, pregunta, true},
        {"su sucursal 0000 sin comprobantes y dos declaraciones",
         [](BaseDatos& b) {
             prueba::sucursal(b, kAgente, u"0000"_s);
             prueba::cabecera(b, kAgente, u"0000"_s, u"03"_s);
             prueba::cabecera(b, kAgente, u"0000"_s, u"04"_s);
         },
         pregunta, true},
        {"dos sucursales",
         [](BaseDatos& b) {
             prueba::sucursal(b, kAgente, u"0000"_s);
             prueba::sucursal(b, kAgente, u"0001"_s);
         },
         sucursales, false},
        {"una sucursal que emitió comprobantes",
         [](BaseDatos& b) { prueba::sucursal(b, kAgente, u"0000"_s, u"X"_s, u"00000003"_s); },
         sucursales, false},
        {"detalles de un comprobante abandonado",
         conCabecera(u"INSERT INTO Guias (Nro_Comprobante, Nro_Agente, IdCabecera) "
                     u"VALUES ('0', '123459', ?)"_s),
         pregunta, true},
        {"retenciones",
         conCabecera(u"INSERT INTO Retenciones (IdCabecera, Nro_Contrib, Nro_Comprobante, Estado) "
                     u"VALUES (?, '0001234565', '00000001', '5')"_s),
         movimientos, false},
        {"otras retenciones",
         conCabecera(u"INSERT INTO Retenciones_B (IdCabecera, Nro_Comprobante) "
                     u"VALUES (?, '00000001')"_s),
         movimientos, false},
        {"guías",
         conCabecera(u"INSERT INTO Guias (Nro_Comprobante, Nro_Agente, IdCabecera) "
                     u"VALUES ('00000001', '123459', ?)"_s),
         movimientos, false},
        {"turnos",
         conCabecera(u"INSERT INTO Turnos (IdCabecera, Fecha_Desde, Hora_Desde) "
                     u"VALUES (?, '2024-03-01', '08:00:00')"_s),
         movimientos, false},
        {"estampillas de turnos",
         conCabecera(u"INSERT INTO Estampillas_Turnos (IdCabecera, Cod_Turno, Tipo) "
                     u"VALUES (?, 1, 1)"_s),
         movimientos, false},
        {"multas cobradas",
         conCabecera(u"INSERT INTO Multas_cobradas (IdCabecera, Nro_Comprobante, Cod_Turno) "
                     u"VALUES (?, '00000001', 1)"_s),
         movimientos, false},
        {"intervenciones",
         conCabecera(u"INSERT INTO Intervenciones (IdCabecera, Nro_Carta_Porte, Grano, Nro_Oblea, "
                     u"Cuit_Remitente, Procedencia, Movimiento) "
                     u"VALUES (?, '0001-00000001', 5, 'A0000001', '20123456786', 'ROSARIO', 1)"_s),
         movimientos, false},
    };
    for (const Caso& c : casos) {
        EntornoDePrueba e;
        prueba::agente(e.base, kAgente, u"LA RURAL"_s);
        prueba::agente(e.base, kOtro, u"EL OTRO"_s);
        prueba::sucursal(e.base, kOtro, u"0000"_s);
        const qint64 ajena = prueba::cabecera(e.base, kOtro, u"0000"_s);
        c.preparar(e.base);
        e.dialogs.respuestas = {Respuesta::Si};
        frmAgentes form(e.contexto);
        grillaDe(form).irAFila(0);

        pulsar(form, u"cmdBorrar"_s);

        ASSERT_EQ(e.dialogs.mensajes.size(), 1U) << c.caso;
        EXPECT_EQ(e.dialogs.mensajes[0].texto, c.mensaje) << c.caso;
        const QVariantList agente{kAgente};
        EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Agentes WHERE Nro_Agente = ?"_s, agente),
                  c.borrado ? 0 : 1)
            << c.caso;
        if (c.borrado) {
            EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Sucursales WHERE Nro_Agente = ?"_s, agente), 0)
                << c.caso;
            EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Cabeceras WHERE Nro_Agente = ?"_s, agente), 0)
                << c.caso;
            EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Guias"_s), 0) << c.caso;
        }
        // The other agent keeps everything.
        EXPECT_TRUE(leerCabecera(e.base, ajena)) << c.caso;
        EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Sucursales WHERE Nro_Agente = ?"_s, {kOtro}), 1)
            << c.caso;
    }
}

TEST_F(AgentesTest, BorrarElAgenteActivoNoDejaNadaActivo)
{
    prueba::agente(e.base, kAgente, u"LA RURAL"_s);
    prueba::sucursal(e.base, kAgente, u"0000"_s);
    const qint64 id = prueba::cabecera(e.base, kAgente, u"0000"_s);
    e.entorno.activarRegimen(u"01"_s);
    const QString regimen = panel(panel::Regimen);
    frmAgentes form(e.contexto);
    pulsar(form, u"cmdActivar"_s);
    activarCabecera(id);

    e.dialogs.respuestas = {Respuesta::Si};
    pulsar(form, u"cmdBorrar"_s);

    ASSERT_EQ(e.dialogs.mensajes.size(), 1U);
    EXPECT_EQ(e.dialogs.mensajes[0].texto,
              u"LA RURAL es el agente activo.\n¿Confirma su eliminación?"_s);
    EXPECT_EQ(e.dialogs.mensajes[0].porDefecto, Respuesta::No);
    EXPECT_FALSE(e.entorno.agenteActual());
    EXPECT_FALSE(e.entorno.sucursalActual());
    EXPECT_FALSE(e.entorno.cabeceraActual());
    EXPECT_TRUE(e.entorno.regimenActual());
    EXPECT_EQ(panel(panel::Agente), u"Agente: (ninguno)"_s);
    EXPECT_EQ(panel(panel::Sucursal), u"Sucursal: (ninguna)"_s);
    EXPECT_EQ(panel(panel::Mes), u"Mes: (ninguno)"_s);
    EXPECT_EQ(panel(panel::Anio), u"Anio: (ninguno)"_s);
    EXPECT_EQ(panel(panel::Rectifica), u"R: 00"_s);
    EXPECT_EQ(panel(panel::Regimen), regimen);
    // The last row is gone: the fields are blank and the record buttons off.
    EXPECT_EQ(texto(form, u"txtRazonSocial"_s), QString());
    EXPECT_FALSE(habilitado(form, u"cmdActivar"_s));
}

TEST_F(AgentesTest, ActivarTomaLaSucursalDeMenorNumeroYNingunaDeclaracion)
{
    struct Caso {
        const char* caso;
        QStringList sucursales;
        QString sucursalActiva;  // "" none
        QString panelSucursal;
    };
    const Caso casos[] = {
        {"con sucursales", {u"0002"_s, u"0001"_s}, u"0001"_s, u"Sucursal: 0001 - SUCURSAL 0001"_s},
        {"sin sucursales", {}, {}, u"Sucursal: (ninguna)"_s},
    };
    for (const Caso& c : casos) {
        EntornoDePrueba e;
        prueba::agente(e.base, kOtro, u"EL OTRO"_s);
        prueba::sucursal(e.base, kOtro, u"0000"_s);
        const qint64 id = prueba::cabecera(e.base, kOtro, u"0000"_s);
        prueba::agente(e.base, kAgente, u"LA RURAL"_s);
        for (const QString& s : c.sucursales)
            prueba::sucursal(e.base, kAgente, s, u"SUCURSAL "_s + s);
        // Another agent, its branch and a declaration were active.
        e.entorno.activarAgente(kOtro);
        e.entorno.activarCabecera(id);

        frmAgentes form(e.contexto);
        grillaDe(form).irAFila(0);  // in number order: 123459 first
        pulsar(form, u"cmdActivar"_s);

        EXPECT_EQ(e.entorno.agente(), kAgente) << c.caso;
        EXPECT_EQ(e.entorno.sucursal(), c.sucursalActiva) << c.caso;
        EXPECT_EQ(e.entorno.sucursalActual().has_value(), !c.sucursalActiva.isEmpty()) << c.caso;
        EXPECT_FALSE(e.entorno.cabeceraActual()) << c.caso;
        EXPECT_EQ(e.paneles.texto(panel::Agente), u"Agente: 12345-9 - LA RURAL"_s) << c.caso;
        EXPECT_EQ(e.paneles.texto(panel::Sucursal), c.panelSucursal) << c.caso;
        EXPECT_EQ(e.paneles.texto(panel::Anio), u"Anio: (ninguno)"_s) << c.caso;
        EXPECT_TRUE(e.dialogs.mensajes.empty()) << c.caso;
    }
}

TEST_F(AgentesTest, ElDobleClickActivaYCierra)
{
    prueba::agente(e.base, kAgente, u"LA RURAL"_s);
    frmAgentes form(e.contexto);
    form.show();
    Q_EMIT grillaDe(form).doubleClicked(grillaDe(form).currentIndex());
    EXPECT_EQ(e.entorno.agente(), kAgente);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(AgentesTest, LasColumnasOrdenanTodasMenosElIva)
{
    prueba::agente(e.base, kAgente, u"ZETA"_s, u"30000000007"_s);
    prueba::agente(e.base, kOtro, u"ALFA"_s, u"20123456786"_s);
    frmAgentes form(e.contexto);
    auto* lblOrden = control<QLabel>(form, u"lblOrden"_s);
    EXPECT_EQ(lblOrden->text(), u"  Ordenados por: Nº de Agente"_s);

    const std::pair<int, QString> columnas[] = {
        {1, u"  Ordenados por: Nº de CUIT"_s},     {2, u"  Ordenados por: Razón Social"_s},
        {3, u"  Ordenados por: Domicilio"_s},      {4, u"  Ordenados por: Localidad"_s},
        {5, u"  Ordenados por: Localidad"_s},  // the IVA column is refused
    };
    for (const auto& [columna, esperado] : columnas) {
        Q_EMIT grillaDe(form).horizontalHeader()->sectionClicked(columna);
        EXPECT_EQ(lblOrden->text(), esperado) << columna;
    }
    EXPECT_EQ(e.dialogs.textosMostrados(),
              QStringList{u"No se dispone de ordenamiento por este campo."_s});
    // Ordered by name, ZETA (the last) is current.
    Q_EMIT grillaDe(form).horizontalHeader()->sectionClicked(2);
    EXPECT_EQ(texto(form, u"txtRazonSocial"_s), u"ZETA"_s);
}

TEST_F(AgentesTest, TabRecorreLosCamposComoLaPantalla)
{
    frmAgentes form(e.contexto);
    form.show();
    pulsar(form, u"cmdAgregar"_s);
    QStringList recorrido{enfocado(form)};
    for (int i = 0; i < 5; ++i) {
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(form.focusWidget(), &tab);
        recorrido << enfocado(form);
    }
    // The number, the CUIT and the IVA condition share the first line.
    EXPECT_EQ(recorrido, (QStringList{u"mskNroAgente"_s, u"mskCUIT"_s, u"cboIVA"_s,
                                      u"txtRazonSocial"_s, u"txtDomicilio"_s, u"txtLocalidad"_s}));
}

} // namespace
