// The branches form: the active agent's branches, their receipt counter, the deletion guard and the
// activation of a branch.

#include "forms/grilla_registros.h"
#include "reference/frmSucursales.h"
#include "support/entorno_prueba.h"
#include "support/filas_prueba.h"
#include "support/formularios_prueba.h"

#include "declarations/archivo_declaracion.h"

#include <QClipboard>
#include <QLabel>
#include <QLocale>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kAgente = u"123459"_s;
const QString kOtro = u"543213"_s;

class SucursalesTest : public ::testing::Test {
protected:
    SucursalesTest()
    {
        prueba::agente(e.base, kAgente, u"LA RURAL"_s);
        prueba::agente(e.base, kOtro, u"EL OTRO"_s);
        prueba::sucursal(e.base, kOtro, u"0009"_s);
    }

    // The agent active, with `sucursales` (number and address).
    void activarAgenteCon(std::initializer_list<std::pair<QString, QString>> sucursales)
    {
        for (const auto& [numero, descripcion] : sucursales)
            prueba::sucursal(e.base, kAgente, numero, descripcion);
        e.entorno.activarAgente(kAgente);
    }

    static void alta(frmSucursales& form, const QString& numero, const QString& descripcion,
                     const QString& localidad)
    {
        ::alta(form, {{u"mskSucursal"_s, numero},
                      {u"txtDescripcion"_s, descripcion},
                      {u"txtLocalidad"_s, localidad}});
    }

    EntornoDePrueba e;
};

TEST_F(SucursalesTest, MuestraSoloLasDelAgenteActivoOrdenadasPorNumero)
{
    activarAgenteCon({{u"0002"_s, u"NORTE"_s}, {u"0001"_s, u"SUR"_s}});
    frmSucursales form(e.contexto);

    EXPECT_EQ(grillaDe(form).filas(), 2);
    EXPECT_EQ(control<QLabel>(form, u"lblOrden"_s)->text(), u"  Ordenadas por: Nº de Sucursal"_s);
    EXPECT_EQ(texto(form, u"mskSucursal"_s), u"0002"_s);  // the last row
    EXPECT_TRUE(grillaDe(form).isColumnHidden(4));
}

TEST_F(SucursalesTest, UnaSucursalNuevaEmpiezaSinComprobantes)
{
    activarAgenteCon({});
    frmSucursales form(e.contexto);
    EXPECT_EQ(texto(form, u"mskSucursal"_s), u"0000"_s);

    pulsar(form, u"cmdAgregar"_s);
    EXPECT_EQ(texto(form, u"mskSucursal"_s), u"0000"_s);
    EXPECT_EQ(texto(form, u"mskNroComprobante"_s), u"00000000"_s);
    EXPECT_FALSE(habilitado(form, u"mskNroComprobante"_s));
    EXPECT_EQ(enfocado(form), u"mskSucursal"_s);
    escribir(form, u"mskSucursal"_s, u"12"_s);
    escribir(form, u"txtDescripcion"_s, u"san juan 5"_s);
    escribir(form, u"txtLocalidad"_s, u"funes"_s);
    pulsar(form, u"cmdGrabar"_s);

    EXPECT_TRUE(e.dialogs.mensajes.empty());
    const auto fila = e.base.fila(u"SELECT * FROM Sucursales WHERE Nro_Agente = ?"_s, {kAgente});
    ASSERT_TRUE(fila);
    EXPECT_EQ(fila->value(u"Sucursal"_s).toString(), u"0012"_s);
    EXPECT_EQ(fila->value(u"Nro_Comprobante"_s).toString(), u"00000000"_s);
    EXPECT_EQ(fila->value(u"Descripcion"_s).toString(), u"SAN JUAN 5"_s);

    pulsar(form, u"CmdModificar"_s);
    EXPECT_FALSE(habilitado(form, u"mskSucursal"_s));
    EXPECT_FALSE(habilitado(form, u"mskNroComprobante"_s));
    EXPECT_EQ(enfocado(form), u"txtLocalidad"_s);
}

// Ctrl+V as the user presses it, with `texto` on the clipboard.
void pegar(const QWidget& form, const QString& caja, const QString& texto)
{
    auto* c = control<QLineEdit>(form, caja);
    c->setFocus();
    c->selectAll();
    QApplication::clipboard()->setText(texto);
    QKeyEvent pegado(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
    QApplication::sendEvent(c, &pegado);
    QCoreApplication::processEvents();
}

// What is pasted into the boxes goes into the declaration file's header: line ends, tabs and NULs
// must not split or shift it, and a character the file cannot hold is refused where it is typed.
TEST_F(SucursalesTest, LoPegadoLlegaAlArchivoSinRomperSuAncho)
{
    activarAgenteCon({});
    frmSucursales form(e.contexto);
    pulsar(form, u"cmdAgregar"_s);
    escribir(form, u"mskSucursal"_s, u"7"_s);
    pegar(form, u"txtDescripcion"_s, u"CASA\tCENTRAL\r\nNORTE"_s + QChar(0) + u"X"_s);
    EXPECT_EQ(texto(form, u"txtDescripcion"_s), u"CASA CENTRAL NORTEX"_s);

    pegar(form, u"txtLocalidad"_s, u"ROSARIO"_s);
    pegar(form, u"txtLocalidad"_s, u"FUNES \U0001F600"_s);
    EXPECT_EQ(texto(form, u"txtLocalidad"_s), u"ROSARIO"_s);
    ASSERT_EQ(e.dialogs.mensajes.size(), 1U);
    EXPECT_TRUE(e.dialogs.mensajes[0].texto.startsWith(
        u"El campo 'Localidad' no admite el carácter '\U0001F600'."_s))
        << e.dialogs.mensajes[0].texto.toStdString();
    pulsar(form, u"cmdGrabar"_s);
    ASSERT_EQ(e.contar(u"SELECT COUNT(*) FROM Sucursales WHERE Nro_Agente = ?"_s, {kAgente}), 1);

    // A value stored before these rules (or by another program) still fits the file's width.
    e.base.ejecutar(u"INSERT INTO Sucursales (Nro_Agente, Sucursal, Nro_Comprobante, Descripcion, "
                    "Localidad) VALUES (?, '0008', '00000000', ?, ?)"_s,
                    {kAgente, u"EMOJI \U0001F600 Y\tTAB"_s, u"日本"_s});
    for (const QString& sucursal : {u"0007"_s, u"0008"_s}) {
        prueba::cabecera(e.base, {.agente = kAgente, .sucursal = sucursal, .regimen = u"01"_s,
                                  .anio = u"2008"_s, .mes = u"05"_s, .rectifica = u"00"_s,
                                  .estado = u"1"_s, .origen = u"M"_s});
        const QSqlRecord cabecera =
            *e.base.fila(u"SELECT * FROM Cabeceras WHERE Sucursal = ?"_s, {sucursal});
        const QByteArray linea =
            armarArchivoDeclaracion(e.base, cabeceraDe(cabecera), u"N"_s, QLocale()).lineas.at(0);
        EXPECT_EQ(linea.size(), 101) << linea.toStdString();
        EXPECT_FALSE(std::any_of(linea.begin(), linea.end(),
                                 [](char b) { return quint8(b) < 0x20 || b == 0x7F; }))
            << linea.toStdString();
        if (sucursal == u"0007"_s)
            EXPECT_EQ(linea.mid(21, 60),
                      QByteArray("CASA CENTRAL NORTEX").leftJustified(40) + QByteArray("ROSARIO").leftJustified(20));
        else
            EXPECT_EQ(linea.mid(21, 60),
                      QByteArray("EMOJI ? Y TAB").leftJustified(40) + QByteArray("??").leftJustified(20));
    }
}

TEST_F(SucursalesTest, GrabarPideDireccionYLocalidad)
{
    activarAgenteCon({});
    struct Caso {
        QString descripcion;
        QString localidad;
        QString mensaje;
        QString foco;
    };
    const Caso casos[] = {
        {u"  "_s, u"FUNES"_s, u"Debe ingresar una Descripción."_s, u"txtDescripcion"_s},
        {u"SAN JUAN 5"_s, {}, u"Debe ingresar una localidad."_s, u"txtLocalidad"_s},
        {{}, {}, u"Debe ingresar una Descripción."_s, u"txtDescripcion"_s},
    };
    for (const Caso& c : casos) {
        e.dialogs.mensajes.clear();
        frmSucursales form(e.contexto);
        alta(form, u"0001"_s, c.descripcion, c.localidad);
        EXPECT_EQ(e.dialogs.textosMostrados(), QStringList{c.mensaje});
        EXPECT_EQ(e.dialogs.mensajes.back().titulo, u"Atención"_s);
        EXPECT_EQ(enfocado(form), c.foco);
        EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Sucursales WHERE Nro_Agente = ?"_s, {kAgente}), 0);
    }
}

TEST_F(SucursalesTest, UnNumeroRepetidoEsClaveRepetida)
{
    activarAgenteCon({{u"0001"_s, u"SUR"_s}});
    frmSucursales form(e.contexto);
    alta(form, u"1"_s, u"OTRA"_s, u"FUNES"_s);

    ASSERT_EQ(e.dialogs.mensajes.size(), 1U);
    EXPECT_EQ(e.dialogs.mensajes[0].texto,
              u"Ya se encuentra registrada una sucursal con ese número,\ncorríjalo o cancele."_s);
    EXPECT_EQ(e.dialogs.mensajes[0].titulo, u"Clave Repetida"_s);
    EXPECT_EQ(enfocado(form), u"mskSucursal"_s);
    EXPECT_EQ(texto(form, u"txtDescripcion"_s), u"OTRA"_s);
}

TEST_F(SucursalesTest, UnaSucursalConDeclaracionesNoSeBorra)
{
    activarAgenteCon({{u"0000"_s, u"CENTRAL"_s}, {u"0001"_s, u"SUR"_s}});
    prueba::cabecera(e.base, kAgente, u"0001"_s);
    frmSucursales form(e.contexto);

    pulsar(form, u"cmdBorrar"_s);  // 0001, the last row
    ASSERT_EQ(e.dialogs.mensajes.size(), 1U);
    EXPECT_EQ(e.dialogs.mensajes[0].texto, u"Hay cabeceras generadas para esta sucursal."_s);
    EXPECT_EQ(e.dialogs.mensajes[0].titulo, u"Imposible eliminar el registro"_s);
    EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Sucursales WHERE Nro_Agente = ?"_s, {kAgente}), 2);

    // The active branch "0000" has none: asked about as the active one, it goes, the agent stays.
    grillaDe(form).irAFila(0);
    e.dialogs.respuestas = {Respuesta::Si};
    pulsar(form, u"cmdBorrar"_s);
    ASSERT_EQ(e.dialogs.mensajes.size(), 2U);
    EXPECT_EQ(e.dialogs.mensajes[1].texto, u"0000 es la sucursal activa.\n¿Confirma su eliminación?"_s);
    EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Sucursales WHERE Nro_Agente = ?"_s, {kAgente}), 1);
    EXPECT_FALSE(e.entorno.sucursalActual());
    EXPECT_EQ(e.entorno.agente(), kAgente);
    EXPECT_EQ(e.paneles.texto(panel::Sucursal), u"Sucursal: (ninguna)"_s);
    EXPECT_EQ(e.paneles.texto(panel::Agente), u"Agente: 12345-9 - LA RURAL"_s);
}

TEST_F(SucursalesTest, BorrarLaUltimaDejaCerosEnLosCodigos)
{
    activarAgenteCon({{u"0003"_s, u"OESTE"_s}});
    e.base.ejecutar(u"UPDATE Sucursales SET Nro_Comprobante = '00000041' WHERE Sucursal = '0003'"_s);
    frmSucursales form(e.contexto);
    EXPECT_EQ(texto(form, u"mskNroComprobante"_s), u"00000041"_s);
    e.dialogs.respuestas = {Respuesta::Si};

    pulsar(form, u"cmdBorrar"_s);

    EXPECT_EQ(e.dialogs.textosMostrados(),
              QStringList{u"0003 es la sucursal activa.\n¿Confirma su eliminación?"_s});
    EXPECT_EQ(texto(form, u"mskSucursal"_s), u"0000"_s);
    EXPECT_EQ(texto(form, u"mskNroComprobante"_s), u"00000000"_s);
    EXPECT_EQ(texto(form, u"txtDescripcion"_s), QString());
    EXPECT_FALSE(habilitado(form, u"cmdBorrar"_s));
    EXPECT_FALSE(habilitado(form, u"cmdActivar"_s));
    EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Sucursales WHERE Nro_Agente = ?"_s, {kAgente}), 0);
}

TEST_F(SucursalesTest, ActivarUnaSucursalNoDejaDeclaracionActiva)
{
    activarAgenteCon({{u"0001"_s, u"SUR"_s}, {u"0002"_s, u"NORTE"_s}});
    const qint64 id = prueba::cabecera(e.base, kAgente, u"0001"_s);
    e.entorno.activarCabecera(id);
    frmSucursales form(e.contexto);

    pulsar(form, u"cmdActivar"_s);  // 0002, the last row

    EXPECT_EQ(e.entorno.sucursal(), u"0002"_s);
    EXPECT_FALSE(e.entorno.cabeceraActual());
    EXPECT_EQ(e.paneles.texto(panel::Sucursal), u"Sucursal: 0002 - NORTE"_s);
    EXPECT_EQ(e.paneles.texto(panel::Mes), u"Mes: (ninguno)"_s);
    EXPECT_EQ(e.entorno.agente(), kAgente);
}

TEST_F(SucursalesTest, ModificarLaSucursalActivaActualizaSuPanel)
{
    activarAgenteCon({{u"0001"_s, u"SUR"_s}});
    frmSucursales form(e.contexto);
    pulsar(form, u"CmdModificar"_s);
    escribir(form, u"txtDescripcion"_s, u"mitre 200"_s);
    pulsar(form, u"cmdGrabar"_s);

    EXPECT_TRUE(e.dialogs.mensajes.empty());
    EXPECT_EQ(e.paneles.texto(panel::Sucursal), u"Sucursal: 0001 - MITRE 200"_s);
    EXPECT_EQ(e.entorno.sucursalActual()->descripcion, u"MITRE 200"_s);
    EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Sucursales WHERE Descripcion = 'MITRE 200' "
                       u"AND Nro_Agente = ? AND Nro_Comprobante = '00000000'"_s,
                       {kAgente}),
              1);
}

} // namespace
