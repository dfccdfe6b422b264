// The window of a receipt's advances: advances to other agents and the agent's own, the stamps of
// the regime of stamped advances with their checks, and what it hands back to the entry form.

#include "details/frmAnticipos.h"

#include "support/datos_entrada.h"

#include <QLabel>

using namespace Qt::Literals::StringLiterals;

namespace {

// Agent numbers whose check digit is right: the active agent's and another's.
const QString kPropio = u"012342"_s;
const QString kOtro = u"000123"_s;

class Anticipos : public ::testing::Test {
protected:
    explicit Anticipos(const QString& regimen = u"12"_s) : e(regimen)
    {
        // The fixture's agent, renumbered to one with a right check digit.
        for (const char* tabla : {"Agentes", "Sucursales", "Cabeceras"})
            e.base.ejecutar(u"UPDATE %1 SET Nro_Agente = ?"_s.arg(QString::fromLatin1(tabla)),
                            {kPropio});
        e.activar(e.idCabecera);
        prueba::remesa(e.base, {.nroRemesa = 1, .letra = u"A"_s, .agente = kPropio, .desde = 1, .hasta = 100});
    }

    // An advance as the user types it; then Grabar.
    static void agregar(frmAnticipos& f, const QString& agente, const QString& anticipo,
                        const QString& monto, const QString& oblea = {},
                        const QString& porte1 = u"1"_s, const QString& porte2 = u"777"_s)
    {
        pulsar(f, u"cmdAgregar"_s);
        completar(f, agente, anticipo, monto, oblea, porte1, porte2);
        pulsar(f, u"cmdGrabar"_s);
    }

    static void completar(frmAnticipos& f, const QString& agente, const QString& anticipo,
                          const QString& monto, const QString& oblea, const QString& porte1,
                          const QString& porte2)
    {
        const auto tipear = [&f](const QString& caja, const QString& valor) {
            if (valor.isNull()) return;
            escribir(f, caja, valor);
            salirDe(f, caja);
        };
        tipear(u"mskNroAgente"_s, agente);
        tipear(u"TxtNro_Anticipo"_s, anticipo);
        tipear(u"mskMonto"_s, monto);
        tipear(u"TxtEstampilla"_s, oblea);
        tipear(u"TxtPorte1"_s, porte1);
        tipear(u"TxtPorte2"_s, porte2);
    }

    // "Nro_Comprobante|Nro_Agente|Nro_Anticipo|NroGuia|Nro_porte|Total|Tipo|Cantidad|Valor".
    QStringList filas()
    {
        QStringList r;
        for (const QSqlRecord& g : e.base.filas(u"SELECT * FROM Guias ORDER BY Nro_clave"_s)) {
            const auto s = [&](const char* c) { return g.value(QString::fromLatin1(c)).toString(); };
            r << QStringList{s("Nro_Comprobante"), s("Nro_Agente"), s("Nro_Anticipo"), s("NroGuia"),
                             s("Nro_porte"),
                             Importe::desdeColumna(g.value(u"Total"_s)).conPunto(), s("Tipo"),
                             s("Cantidad"), s("Valor_Unitario")}
                     .join(u'|');
        }
        return r;
    }

    DatosEntrada e;
};

class AnticiposSinOblea : public Anticipos {
protected:
    AnticiposSinOblea() : Anticipos(u"11"_s) {}
};

TEST_F(AnticiposSinOblea, AnticiposDeOtrosAgentesYDelPropio)
{
    frmAnticipos f(e.contexto, detalleNuevo(e.idCabecera));
    EXPECT_EQ(f.windowTitle(), u"Carga de Anticipos"_s);
    for (const char* oculto : {"TxtEstampilla", "TxtPorte1", "TxtPorte2"})
        EXPECT_TRUE(control(f, QString::fromLatin1(oculto))->isHidden()) << oculto;

    pulsar(f, u"cmdAgregar"_s);
    EXPECT_EQ(texto(f, u"mskNroAgente"_s), u"00000-0"_s);
    completar(f, kOtro, u"4455"_s, u"1250,5"_s, {}, {}, {});
    EXPECT_EQ(texto(f, u"mskMonto"_s), u"$ 1250,50"_s);
    pulsar(f, u"cmdGrabar"_s);
    EXPECT_EQ(e.dialogs.textosMostrados(), QStringList());

    // The next one proposes the agent of the last one saved; the agent's own advance hides its
    // number and amount, which are "0".
    pulsar(f, u"cmdAgregar"_s);
    EXPECT_EQ(texto(f, u"mskNroAgente"_s), u"00012-3"_s);
    escribir(f, u"mskNroAgente"_s, kPropio);
    EXPECT_TRUE(control(f, u"mskMonto"_s)->isHidden());
    EXPECT_TRUE(control(f, u"TxtNro_Anticipo"_s)->isHidden());
    salirDe(f, u"mskNroAgente"_s);
    EXPECT_EQ(texto(f, u"mskMonto"_s), u"0"_s);
    pulsar(f, u"cmdGrabar"_s);
    EXPECT_EQ(e.dialogs.textosMostrados(), QStringList());

    EXPECT_EQ(filas(), (QStringList{u"0|000123|4455|0|0|1250.50|0|0|0"_s,
                                    u"0|012342|0|0|0|0.00|0|0|0"_s}));
    EXPECT_EQ(control<QLabel>(f, u"Lbl_total_general"_s)->text(), u"$ 1.250,50"_s);
    // In this regime an own advance is a row like any other: the entry form is not told.
    EXPECT_EQ(f.resultado().total, Importe::desdeCentavos(125050));
    EXPECT_FALSE(f.resultado().mismoAgente);

    // Another agent's advance needs an amount.
    agregar(f, kOtro, u"1"_s, u"0"_s);
    EXPECT_EQ(e.dialogs.textosMostrados(), QStringList{u"Debe ingresar el Monto del Anticipo "_s});
}

TEST_F(Anticipos, GrabarRehusaEnOrden)
{
    struct Caso {
        const char* nombre;
        QString agente, anticipo, monto, oblea, porte2;
        QStringList mensajes;
        QString foco;
    };
    const Caso casos[] = {
        {"sin agente", u""_s, u"1"_s, u"10"_s, u"A0000001"_s, u"7"_s,
         {u"Debe ingresar el Nº Agente"_s}, u"mskNroAgente"_s},
        {"agente cero", u"000000"_s, u"1"_s, u"10"_s, u"A0000001"_s, u"7"_s,
         {u"Debe ingresar el Nº Agente"_s}, u"mskNroAgente"_s},
        {"dígito verificador", u"000124"_s, u"1"_s, u"10"_s, u"A0000001"_s, u"7"_s,
         {u"El dígito verificador del número de Inscripción es incorrecto."_s}, u"mskNroAgente"_s},
        {"sin monto", kOtro, u"1"_s, u""_s, u"A0000001"_s, u"7"_s,
         {u"Debe ingresar el Monto del Anticipo "_s}, u"mskMonto"_s},
        {"sin comprobante", kOtro, u" "_s, u"10"_s, u"A0000001"_s, u"7"_s,
         {u"Debe ingresar el Nº del Comprobante del Anticipo"_s}, u"TxtNro_Anticipo"_s},
        {"sin oblea", kOtro, u"1"_s, u"10"_s, u""_s, u"7"_s, {u"Debe ingresar el Nº de Oblea "_s},
         u"TxtEstampilla"_s},
        {"sin carta de porte", kOtro, u"1"_s, u"10"_s, u"A0000001"_s, u"0"_s,
         {u"Debe ingresar el Nº de carta de porte"_s}, u"TxtPorte1"_s},
        {"oblea sin letra", kOtro, u"1"_s, u"10"_s, u"1234"_s, u"7"_s,
         {u"Debe ingresar el Nº de Oblea correctamente"_s}, u"TxtEstampilla"_s},
        // Refused whether or not some row already has it.
        {"letra que no es de un tipo", kOtro, u"1"_s, u"10"_s, u"e12"_s, u"7"_s,
         {u"La oblea ingresada no posee la letra que identifica al tipo"_s}, u"mskNroAgente"_s},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        e.dialogs.mensajes.clear();
        frmAnticipos f(e.contexto, detalleNuevo(e.idCabecera));
        agregar(f, c.agente, c.anticipo, c.monto, c.oblea, u"1"_s, c.porte2);
        EXPECT_EQ(e.dialogs.textosMostrados(), c.mensajes);
        EXPECT_EQ(enfocado(f), c.foco);
        EXPECT_EQ(tituloMarco(f, u"fraGuia"_s), u" Agregar "_s);
        EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Guias"_s), 0);
    }
}

TEST_F(Anticipos, UnaObleaPorRetencion)
{
    // In this declaration: receipt 00000007 valid with B0000007, 00000008 annulled with
    // B0000008, and the receipt being entered with B0000005 on waybill 0001-00000777.
    e.importada(u"00000007"_s, u""_s);
    e.importada(u"00000008"_s, u""_s, u"4"_s);
    for (const auto& [comprobante, oblea] : {std::pair{u"00000007"_s, u"B0000007"_s},
                                              {u"00000008"_s, u"B0000008"_s},
                                              {u"0"_s, u"B0000005"_s}})
        prueba::guia(e.base, {.comprobante = comprobante, .agente = kOtro, .nroGuia = oblea,
                              .tipo = 0, .nroAnticipo = u"1"_s, .nroPorte = u"0001-00000777"_s,
                              .idCabecera = e.idCabecera});
    struct Caso {
        const char* nombre;
        QString oblea, porte2, mensaje;
    };
    const Caso casos[] = {
        {"en esta retención, otra carta de porte", u"B0000005"_s, u"778"_s,
         u"Este Nº de Oblea ya fué usado en esta retención"_s},
        {"en esta retención, la misma carta de porte", u"B0000005"_s, u"777"_s,
         u"Está cargando la misma oblea otra vez para esta retencion"_s},
        {"en una retención válida", u"B0000007"_s, u"777"_s,
         u"Este Nº de oblea ya fué usado en una retención"_s},
        {"de una retención anulada", u"B0000008"_s, u"777"_s, {}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        e.dialogs.mensajes.clear();
        frmAnticipos f(e.contexto, detalleNuevo(e.idCabecera));
        agregar(f, kOtro, u"9"_s, u"10"_s, c.oblea, u"1"_s, c.porte2);
        EXPECT_EQ(e.dialogs.textosMostrados(),
                  c.mensaje.isEmpty() ? QStringList() : QStringList{c.mensaje});
    }
    EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Guias WHERE NroGuia = 'B0000008'"_s), 2);
}

TEST_F(Anticipos, ElAnticipoPropioConSuObleaDeRemesa)
{
    frmAnticipos f(e.contexto, detalleNuevo(e.idCabecera));
    // Its stamp must lie in one of the agent's remittances; the entry form hears of the own
    // advance all the same.
    agregar(f, kPropio, {}, {}, u"b12"_s);
    EXPECT_EQ(e.dialogs.textosMostrados(),
              QStringList{u"La oblea ingresada no pertenese a una Remesa (u olvidó cargarla)"_s});
    EXPECT_EQ(e.dialogs.mensajes[0].icono, Icono::Critico);
    EXPECT_EQ(enfocado(f), u"TxtEstampilla"_s);
    EXPECT_TRUE(f.resultado().mismoAgente);

    escribir(f, u"TxtEstampilla"_s, u"a12"_s);
    salirDe(f, u"TxtEstampilla"_s);
    pulsar(f, u"cmdGrabar"_s);
    EXPECT_EQ(e.dialogs.mensajes.size(), 1U);
    EXPECT_EQ(filas(), QStringList{u"0|012342|0|A0000012|0001-00000777|0.00|0|0|0"_s});
    EXPECT_EQ(f.resultado().total, Importe());
    EXPECT_TRUE(f.resultado().mismoAgente);
}

TEST_F(Anticipos, ModificarConservaSuObleaYSuCartaDePorte)
{
    e.importada(u"00000007"_s, u""_s);
    prueba::guia(e.base, {.comprobante = u"00000007"_s, .agente = kOtro, .nroGuia = u"A0000001"_s,
                          .tipo = 0, .total = prueba::monto("50"), .nroAnticipo = u"1"_s,
                          .nroPorte = u"0001-00000011"_s, .idCabecera = e.idCabecera});
    prueba::guia(e.base, {.comprobante = u"00000007"_s, .agente = kOtro, .nroGuia = u"A0000002"_s,
                          .tipo = 0, .total = prueba::monto("60"), .nroAnticipo = u"2"_s,
                          .nroPorte = u"0002-00000022"_s, .idCabecera = e.idCabecera});
    frmAnticipos f(e.contexto, detalleDe(e.idCabecera, u"00000007"_s));
    EXPECT_EQ(control<QLabel>(f, u"Lbl_total_general"_s)->text(), u"$ 110,00"_s);
    GrillaRegistros& g = grillaDe(f);
    g.irAFila(0);
    EXPECT_EQ(texto(f, u"TxtPorte2"_s), u"00000011"_s);
    pulsar(f, u"CmdModificar"_s);
    escribir(f, u"mskMonto"_s, u"55"_s);
    pulsar(f, u"cmdGrabar"_s);
    EXPECT_EQ(e.dialogs.textosMostrados(), QStringList());
    EXPECT_EQ(filas(), (QStringList{u"00000007|000123|1|A0000001|0001-00000011|55.00|0|0|0"_s,
                                    u"00000007|000123|2|A0000002|0002-00000022|60.00|0|0|0"_s}));
    EXPECT_EQ(f.resultado().total, Importe::desdeEntero(115));
}

} // namespace
