// The remittances window: a remittance registered only with its control number, never twice for
// the agent, and the stock of stamps it answers for.

#include "details/frmRemesas.h"
#include "details/numero_control.h"
#include "entry/grabacion_detalle.h"

#include "support/datos_entrada.h"

#include <QLabel>

using namespace Qt::Literals::StringLiterals;

namespace {

class Remesas : public ::testing::Test {
protected:
    explicit Remesas(const QString& regimen = u"10"_s) : e(regimen) {}

    // Types a remittance of the active agent "012345" and its control number; Grabar.
    void cargar(frmRemesas& form, const QString& remesa, const QString& tipo,
                const QString& desde, const QString& hasta, const QString& control = {})
    {
        pulsar(form, u"cmdAgregar"_s);
        escribir(form, u"TxtRemesa"_s, remesa);
        escribir(form, u"txtTipo"_s, tipo);
        escribir(form, u"TxtDesde"_s, desde);
        escribir(form, u"TxtHasta"_s, hasta);
        const auto calculado =
            numeroControlRemesa({u"012345"_s, remesa, tipo.toUpper(), desde, hasta});
        escribir(form, u"TxtControl"_s,
                 control.isNull() && calculado ? QString::number(*calculado) : control);
        pulsar(form, u"cmdGrabar"_s);
    }

    QStringList remesas()
    {
        QStringList r;
        for (const QSqlRecord& f : e.base.filas(u"SELECT * FROM Remesas ORDER BY Nro_clave"_s))
            r << QStringList{f.value(u"Nro_Agente"_s).toString(), f.value(u"Nro_Remesa"_s).toString(),
                             f.value(u"TipoEstampilla"_s).toString(),
                             f.value(u"Nro_desde"_s).toString(), f.value(u"Nro_Hasta"_s).toString(),
                             f.value(u"Fecha"_s).toString(), f.value(u"Hora"_s).toString()}
                     .join(u'|');
        return r;
    }

    DatosEntrada e;
};

TEST_F(Remesas, ConSuNumeroDeControlSeRegistra)
{
    frmRemesas form(e.contexto);
    EXPECT_EQ(form.windowTitle(), u"Remesas"_s);
    EXPECT_EQ(texto(form, u"TxtAgente"_s), u"01234-5"_s);
    // Only adds: a remittance is never changed nor deleted.
    EXPECT_EQ(form.findChild<QWidget*>(u"cmdBorrar"_s), nullptr);
    EXPECT_EQ(form.findChild<QWidget*>(u"CmdModificar"_s), nullptr);
    EXPECT_TRUE(control(form, u"TxtControl"_s)->isHidden());

    pulsar(form, u"cmdAgregar"_s);
    EXPECT_FALSE(control(form, u"TxtControl"_s)->isHidden());
    EXPECT_FALSE(control(form, u"LblControl"_s)->isHidden());
    EXPECT_EQ(enfocado(form), u"TxtRemesa"_s);
    pulsar(form, u"cmdCancelar"_s);

    cargar(form, u"7"_s, u"a"_s, u"1"_s, u"500"_s);
    EXPECT_EQ(e.dialogs.textosMostrados(), QStringList());
    EXPECT_EQ(remesas(), QStringList{u"012345|7|A|1|500|2008-05-17|10:30:00"_s});
    EXPECT_EQ(tituloMarco(form, u"fraRemesas"_s), QString());
    EXPECT_TRUE(control(form, u"TxtControl"_s)->isHidden());
    EXPECT_EQ(celdaActual(grillaDe(form), 2), u"01234-5"_s);

    // The control box comes back empty for the next one.
    pulsar(form, u"cmdAgregar"_s);
    EXPECT_EQ(texto(form, u"TxtControl"_s), QString());
}

TEST_F(Remesas, GrabarRehusaEnOrden)
{
    struct Caso {
        const char* nombre;
        QString remesa, tipo, desde, hasta, control;
        QString mensaje, titulo;
        Icono icono;
        QString foco;
    };
    const Caso casos[] = {
        {"sin remesa", u" "_s, u"A"_s, u"1"_s, u"5"_s, u"1"_s, u"Debe ingresar el Nº de Remesa"_s,
         u"Atención"_s, Icono::Exclamacion, u"TxtRemesa"_s},
        {"sin tipo", u"8"_s, {}, u"1"_s, u"5"_s, u"1"_s, u"Debe ingresar el Tipo de Oblea"_s,
         u"Atención"_s, Icono::Exclamacion, u"txtTipo"_s},
        {"sin desde", u"8"_s, u"A"_s, {}, u"5"_s, u"1"_s, u"Debe ingresar el Nº Desde"_s,
         u"Atención"_s, Icono::Exclamacion, u"TxtDesde"_s},
        {"sin hasta", u"8"_s, u"A"_s, u"1"_s, {}, u"1"_s, u"Debe ingresar el Nº Hasta"_s,
         u"Atención"_s, Icono::Exclamacion, u"TxtHasta"_s},
        {"sin control", u"8"_s, u"A"_s, u"1"_s, u"5"_s, u""_s, u"Debe ingresar el Nº de Control"_s,
         u"Atención"_s, Icono::Exclamacion, u"TxtControl"_s},
        {"control errado", u"8"_s, u"A"_s, u"1"_s, u"5"_s, u"12345"_s,
         u"El Nº de Control es incorrecto"_s, u"Atencion"_s, Icono::Critico, u"TxtControl"_s},
    };
    for (const Caso& c : casos) {
        e.dialogs.mensajes.clear();
        frmRemesas form(e.contexto);
        cargar(form, c.remesa, c.tipo, c.desde, c.hasta, c.control);
        ASSERT_EQ(e.dialogs.mensajes.size(), 1U) << c.nombre;
        EXPECT_EQ(e.dialogs.mensajes[0].texto, c.mensaje) << c.nombre;
        EXPECT_EQ(e.dialogs.mensajes[0].titulo, c.titulo) << c.nombre;
        EXPECT_EQ(e.dialogs.mensajes[0].icono, c.icono) << c.nombre;
        EXPECT_EQ(enfocado(form), c.foco) << c.nombre;
        EXPECT_EQ(tituloMarco(form, u"fraRemesas"_s), u" Agregar "_s) << c.nombre;
        EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Remesas"_s), 0) << c.nombre;
    }
}

// A remittance whose figures give no control number (a pasted figure that is no number) is never
// registered, whatever control was typed.
TEST_F(Remesas, SinNumeroDeControlNoSeRegistra)
{
    frmRemesas form(e.contexto);
    pulsar(form, u"cmdAgregar"_s);
    for (const auto& [caja, valor] : {std::pair{u"TxtRemesa"_s, u"7"_s}, {u"txtTipo"_s, u"A"_s},
                                      {u"TxtDesde"_s, u"1x"_s}, {u"TxtHasta"_s, u"500"_s},
                                      {u"TxtControl"_s, u"0"_s}})
        control<QLineEdit>(form, caja)->setText(valor);
    pulsar(form, u"cmdGrabar"_s);
    ASSERT_EQ(e.dialogs.mensajes.size(), 1U);
    EXPECT_TRUE(e.dialogs.mensajes[0].texto.startsWith(
        u"Ocurrió algun error de Tipos al calcular y comparar el nº de control\n"_s));
    EXPECT_EQ(e.dialogs.mensajes[0].titulo, u"Error en Nº de Control"_s);
    EXPECT_EQ(enfocado(form), u"TxtControl"_s);
    EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Remesas"_s), 0);
}

TEST_F(Remesas, UnaRemesaPorNumeroDelAgente)
{
    prueba::remesa(e.base, {.nroRemesa = 9, .letra = u"A"_s, .agente = u"999999"_s, .desde = 1, .hasta = 9});
    frmRemesas form(e.contexto);
    // Another agent's rows are not shown, and its number does not block this agent's.
    EXPECT_EQ(grillaDe(form).filas(), 0);
    cargar(form, u"9"_s, u"B"_s, u"1"_s, u"100"_s);
    EXPECT_EQ(e.dialogs.textosMostrados(), QStringList());

    // The same number again, even of another type: refused, the focus stays.
    cargar(form, u"9"_s, u"C"_s, u"1"_s, u"100"_s);
    ASSERT_EQ(e.dialogs.mensajes.size(), 1U);
    EXPECT_EQ(e.dialogs.mensajes[0].texto, u"Ya ha cargado la Remesa Nº 9"_s);
    EXPECT_EQ(e.dialogs.mensajes[0].titulo, u"ERROR: Remesa repetida"_s);
    EXPECT_EQ(e.dialogs.mensajes[0].icono, Icono::Critico);
    EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Remesas WHERE Nro_Agente = '012345'"_s), 1);

    // After a cancelled addition the control box is hidden, and shown again with what it held.
    pulsar(form, u"cmdCancelar"_s);
    EXPECT_TRUE(control(form, u"TxtControl"_s)->isHidden());
    const QString tipeado = texto(form, u"TxtControl"_s);
    EXPECT_FALSE(tipeado.isEmpty());
    pulsar(form, u"cmdAgregar"_s);
    EXPECT_EQ(texto(form, u"TxtControl"_s), tipeado);
}

TEST_F(Remesas, ElTipoEsUnaLetraDeOblea)
{
    frmRemesas form(e.contexto);
    pulsar(form, u"cmdAgregar"_s);
    for (const auto& [tecleado, queda] :
         {std::pair{u"d"_s, u"D"_s}, {u"z"_s, u"Z"_s}, {u"E"_s, u""_s}, {u"y"_s, u""_s}}) {
        escribir(form, u"txtTipo"_s, tecleado);
        EXPECT_EQ(texto(form, u"txtTipo"_s), queda) << tecleado.toStdString();
    }
}

TEST_F(Remesas, OrdenPorEncabezado)
{
    for (const auto& [nro, tipo, desde] : {std::tuple{3, "C", 10}, {1, "D", 30}, {2, "A", 20}})
        prueba::remesa(e.base, {.nroRemesa = nro, .letra = QString::fromLatin1(tipo), .agente = u"012345"_s,
                                .desde = desde, .hasta = desde + 5});
    frmRemesas form(e.contexto);
    const auto columna = [&](int c) {
        QStringList v;
        for (int f = 0; f < grillaDe(form).filas(); ++f) v << celda(grillaDe(form), f, c);
        return v.join(u',');
    };
    EXPECT_EQ(texto(form, u"TxtRemesa"_s), u"3"_s);  // the last in the first order
    EXPECT_EQ(columna(1), u"1,2,3"_s);
    EXPECT_EQ(control<QLabel>(form, u"lblOrden"_s)->text(), u"  Ordenados por: Nº Remesa"_s);
    clickEncabezado(form, 3);
    EXPECT_EQ(columna(3), u"A,C,D"_s);
    EXPECT_EQ(control<QLabel>(form, u"lblOrden"_s)->text(), u"  Ordenados por: Tipo"_s);
    clickEncabezado(form, 5);
    EXPECT_EQ(columna(4), u"10,20,30"_s);
    EXPECT_EQ(control<QLabel>(form, u"lblOrden"_s)->text(), u"  Ordenados por: Nº Desde/Hasta"_s);
}

// Receipts of the active declaration, each saved with its pending detail rows (NroGuia, Tipo,
// Nro_Agente); the receipts listed in `anuladas` are annulled afterwards.
void vender(DatosEntrada& e, const std::vector<std::vector<std::tuple<QString, int, QString>>>& recibos,
            const std::vector<int>& anuladas)
{
    std::vector<ClaveRetencion> claves;
    for (const auto& filas : recibos) {
        for (const auto& [oblea, tipo, agente] : filas)
            prueba::guia(e.base, {.comprobante = u"0"_s, .agente = agente, .nroGuia = oblea,
                                  .tipo = tipo, .nroPorte = u"0001-00000001"_s,
                                  .idCabecera = e.idCabecera});
        DatosRetencion d;
        d.nroContrib = u"3001234567"_s;
        d.dia = u"10"_s;
        d.nroX = u"0"_s;
        claves.push_back(grabarRetencionConDetalle(e.entorno, d, std::nullopt));
    }
    for (const int i : anuladas) anularRetencion(e.base, claves[std::size_t(i)]);
}

QString stock(DatosEntrada& e)
{
    e.dialogs.mensajes.clear();
    frmRemesas form(e.contexto);
    pulsar(form, u"Cmd_stock"_s);
    return e.dialogs.textosMostrados().join(u" / "_s);
}

// In the stamp regimes a stamp sold is a detail row of its type.
TEST_F(Remesas, StockPorTipoTrasVentasYAnulaciones)
{
    prueba::remesa(e.base, {.nroRemesa = 1, .letra = u"A"_s, .agente = u"012345"_s, .desde = 1, .hasta = 1000});
    prueba::remesa(e.base, {.nroRemesa = 2, .letra = u"B"_s, .agente = u"012345"_s, .desde = 1, .hasta = 500});
    vender(e,
           {{{u"A0000001"_s, 1, u"000000"_s}, {u"B0000001"_s, 2, u"000000"_s}},
            {{u"A0000002"_s, 1, u"000000"_s}}},
           {1});
    EXPECT_EQ(stock(e).toStdString(),
              "Error al calcular Obleas tipo C   - No hay ninguna Remesa cargada de ese Tipo de Oblea / "
              "Error al calcular Obleas tipo D   - No hay ninguna Remesa cargada de ese Tipo de Oblea / "
              "Obleas A: 999\n\nObleas B: 499\n\nObleas C: 0\n\nObleas D: 0\n\n");
    EXPECT_EQ(e.dialogs.mensajes.back().titulo, u"Stock de Obleas"_s);
}

class RemesasAnticipos : public Remesas {
protected:
    RemesasAnticipos() : Remesas(u"12"_s) {}
};

// Where advances carry the stamps, a stamp sold is the agent's own advance row of its letter.
TEST_F(RemesasAnticipos, StockPorLetraTrasVentasYAnulaciones)
{
    for (const auto& [nro, letra] : {std::pair{1, "A"}, {2, "B"}, {3, "C"}, {4, "D"}})
        prueba::remesa(e.base, {.nroRemesa = nro, .letra = QString::fromLatin1(letra),
                                .agente = u"012345"_s, .desde = 1, .hasta = 100});
    vender(e,
           {{{u"A0000001"_s, 0, u"012345"_s}, {u"A0000002"_s, 0, u"000123"_s}},
            {{u"B0000001"_s, 0, u"012345"_s}},
            {{u"C0000001"_s, 0, u"012345"_s}}},
           {1});
    EXPECT_EQ(stock(e).toStdString(),
              "Obleas A: 99\n\nObleas B: 100\n\nObleas C: 99\n\nObleas D: 100\n\n");
}

} // namespace
