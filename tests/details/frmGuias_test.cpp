// The window of a receipt's guides, stamps or food concepts: its three modes, the rows of the
// receipt being entered and of a saved one, the checks of Grabar in their order, and the total it
// hands back.

#include "details/frmGuias.h"

#include "support/datos_entrada.h"

#include <QLabel>

using namespace Qt::Literals::StringLiterals;

namespace {

class Guias : public ::testing::Test {
protected:
    explicit Guias(const QString& regimen = u"10"_s) : e(regimen)
    {
        for (const char* letra : {"A", "B"})
            prueba::remesa(e.base, {.nroRemesa = letra[0] - 'A' + 1, .letra = QString::fromLatin1(letra),
                                    .agente = u"012345"_s, .desde = 1, .hasta = 1000});
    }

    // A row as the user types it: concept, quantity, number, waybill; then Grabar.
    static void agregar(frmGuias& f, const QString& concepto, const QString& numero,
                        const QString& porte1 = u"1"_s, const QString& porte2 = u"12345"_s,
                        const QString& cantidad = {})
    {
        pulsar(f, u"cmdAgregar"_s);
        completar(f, concepto, numero, porte1, porte2, cantidad);
        pulsar(f, u"cmdGrabar"_s);
    }

    static void completar(frmGuias& f, const QString& concepto, const QString& numero,
                          const QString& porte1, const QString& porte2, const QString& cantidad)
    {
        escribir(f, u"mskCodConcepto"_s, concepto);
        salirDe(f, u"mskCodConcepto"_s);
        if (!cantidad.isNull()) {
            escribir(f, u"TxtCantidad"_s, cantidad);
            salirDe(f, u"TxtCantidad"_s);
        }
        if (!numero.isNull()) {
            escribir(f, u"TxtNroGuia"_s, numero);
            salirDe(f, u"TxtNroGuia"_s);
        }
        if (!porte1.isNull()) {
            escribir(f, u"TxtPorte1"_s, porte1);
            salirDe(f, u"TxtPorte1"_s);
        }
        if (!porte2.isNull()) {
            escribir(f, u"TxtPorte2"_s, porte2);
            salirDe(f, u"TxtPorte2"_s);
        }
    }

    // The rows of `Guias` as "Nro_Comprobante|NroGuia|Tipo|Cantidad|Valor|Total|Nro_porte|IdCabecera".
    QStringList filas()
    {
        QStringList r;
        for (const QSqlRecord& g : e.base.filas(u"SELECT * FROM Guias ORDER BY Nro_clave"_s)) {
            const auto s = [&](const char* c) { return g.value(QString::fromLatin1(c)).toString(); };
            const auto m = [&](const char* c) {
                return Importe::desdeColumna(g.value(QString::fromLatin1(c))).conPunto();
            };
            r << QStringList{s("Nro_Comprobante"), s("NroGuia"), s("Tipo"), s("Cantidad"),
                             m("Valor_Unitario"), m("Total"), s("Nro_porte"), s("Nro_Agente"),
                             s("IdCabecera")}
                     .join(u'|');
        }
        return r;
    }

    QString id() const { return QString::number(e.idCabecera); }
    static QString rotulo(const frmGuias& f, const QString& nombre)
    {
        return control<QLabel>(f, nombre)->text();
    }

    DatosEntrada e;
};

class GuiasGanado : public Guias {
protected:
    GuiasGanado() : Guias(u"09"_s) {}
};

TEST(GuiasModos, CadaRegimenSuVentana)
{
    struct Caso {
        const char* regimen;
        QString titulo;
        bool numero, porte, guion, cantidad;
        QString columnaNumero;  // caption of column 1; empty when hidden
        bool columnasDeCantidad;
    };
    const Caso casos[] = {
        {"09", u"Carga de Guias"_s, true, false, false, true, u"NroGuia"_s, true},
        {"10", u"Carga de Obleas"_s, true, true, true, false, u"Oblea"_s, false},
        {"15", u"Carga de Conceptos"_s, false, true, false, true, {}, true},
    };
    for (const Caso& c : casos) {
        DatosEntrada e(QString::fromLatin1(c.regimen));
        frmGuias f(e.contexto, detalleNuevo(e.idCabecera));
        SCOPED_TRACE(c.regimen);
        EXPECT_EQ(f.windowTitle(), c.titulo);
        EXPECT_EQ(!control(f, u"TxtNroGuia"_s)->isHidden(), c.numero);
        EXPECT_EQ(!control(f, u"TxtPorte1"_s)->isHidden(), c.porte);
        EXPECT_EQ(!control(f, u"TxtPorte2"_s)->isHidden(), c.porte);
        EXPECT_EQ(!control(f, u"Lbl_guion"_s)->isHidden(), c.guion);
        EXPECT_EQ(!control(f, u"TxtCantidad"_s)->isHidden(), c.cantidad);
        EXPECT_EQ(!control(f, u"LblTotal"_s)->isHidden(), c.cantidad);
        const GrillaRegistros& g = grillaDe(f);
        EXPECT_EQ(g.isColumnHidden(1), c.columnaNumero.isEmpty());
        if (!c.columnaNumero.isEmpty()) {
            EXPECT_EQ(g.modelo().headerData(1, Qt::Horizontal).toString(), c.columnaNumero);
        }
        EXPECT_EQ(!g.isColumnHidden(3) && !g.isColumnHidden(4), c.columnasDeCantidad);
        EXPECT_EQ(control<QLabel>(f, u"Lbl_total_general"_s)->text(), u"$ 0,00"_s);
        EXPECT_FALSE(habilitado(f, u"cmdBorrar"_s));
        EXPECT_FALSE(habilitado(f, u"CmdModificar"_s));
        EXPECT_TRUE(e.dialogs.mensajes.empty());
    }

    // Another regime has no such window.
    DatosEntrada e(u"11"_s);
    frmGuias f(e.contexto, detalleNuevo(e.idCabecera));
    EXPECT_EQ(e.dialogs.textosMostrados(), QStringList{u"Error, no es ni cereales ni ganado"_s});
}

TEST_F(Guias, LasObleasDelComprobanteEnCargaQuedanEnCero)
{
    // Rows under "0" are those of the one receipt being entered, whatever their declaration.
    const qint64 otra = e.nuevaCabecera(u"10"_s, u"06"_s);
    prueba::guia(e.base, {.comprobante = u"0"_s, .agente = u"000000"_s, .nroGuia = u"B0000009"_s,
                          .tipo = 2, .cantidad = 1, .valorUnitario = prueba::monto("45"),
                          .total = prueba::monto("45"), .nroPorte = u"0001-00000009"_s,
                          .idCabecera = otra});
    frmGuias f(e.contexto, detalleNuevo(e.idCabecera));
    EXPECT_EQ(grillaDe(f).filas(), 1);
    EXPECT_EQ(rotulo(f, u"Lbl_total_general"_s), u"$ 45,00"_s);

    pulsar(f, u"cmdAgregar"_s);
    EXPECT_EQ(tituloMarco(f, u"fraGuia"_s), u" Agregar "_s);
    EXPECT_EQ(texto(f, u"mskCodConcepto"_s), u"00"_s);
    EXPECT_EQ(texto(f, u"TxtCantidad"_s), u"1"_s);
    EXPECT_EQ(texto(f, u"TxtPorte1"_s), QString());
    completar(f, u"1"_s, u"a15"_s, u"12"_s, u""_s, {});
    EXPECT_EQ(texto(f, u"TxtNroGuia"_s), u"A0000015"_s);
    EXPECT_EQ(texto(f, u"TxtPorte1"_s), u"0012"_s);
    EXPECT_EQ(texto(f, u"TxtPorte2"_s), u"00000000"_s);
    EXPECT_EQ(rotulo(f, u"lblDescConcepto"_s), u"SOJA / GIRASOL / FORRAJERAS"_s);
    EXPECT_EQ(rotulo(f, u"LblPunitario"_s), u"$ 65,00"_s);
    escribir(f, u"TxtPorte2"_s, u"4567"_s);
    salirDe(f, u"TxtPorte2"_s);
    pulsar(f, u"cmdGrabar"_s);

    EXPECT_EQ(e.dialogs.textosMostrados(), QStringList());
    EXPECT_EQ(filas().last(), u"0|A0000015|1|1|65.00|65.00|0012-00004567|000000|"_s + id());
    EXPECT_EQ(rotulo(f, u"Lbl_total_general"_s), u"$ 110,00"_s);
    EXPECT_EQ(f.resultado().total, Importe::desdeEntero(110));
    EXPECT_FALSE(f.resultado().mismoAgente);
}

TEST_F(Guias, LasDeUnComprobanteGrabadoSonLasDeSuDeclaracion)
{
    // Receipt 00000123 of this declaration, and the same number in another branch's.
    const qint64 otra = e.nuevaCabecera(u"10"_s, u"05"_s, u"0002"_s);
    for (const qint64 cabecera : {e.idCabecera, otra})
        prueba::guia(e.base, {.comprobante = u"00000123"_s, .agente = u"000000"_s,
                              .nroGuia = cabecera == otra ? u"B0000300"_s : u"A0000300"_s,
                              .tipo = cabecera == otra ? 2 : 1, .cantidad = 1,
                              .valorUnitario = prueba::monto("65"), .total = prueba::monto("65"),
                              .nroPorte = u"0001-00000300"_s, .idCabecera = cabecera});
    frmGuias f(e.contexto, detalleDe(e.idCabecera, u"00000123"_s));
    EXPECT_EQ(grillaDe(f).filas(), 1);
    EXPECT_EQ(celdaActual(grillaDe(f), 1), u"A0000300"_s);
    EXPECT_EQ(rotulo(f, u"Lbl_total_general"_s), u"$ 65,00"_s);

    agregar(f, u"2"_s, u"B0000301"_s);
    EXPECT_EQ(e.dialogs.textosMostrados(), QStringList());
    EXPECT_EQ(filas().last(), u"00000123|B0000301|2|1|45.00|45.00|0001-00012345|000000|"_s + id());
    EXPECT_EQ(f.resultado().total, Importe::desdeEntero(110));
}

TEST_F(GuiasGanado, LaGuiaValeCantidadPorValor)
{
    frmGuias f(e.contexto, detalleNuevo(e.idCabecera));
    pulsar(f, u"cmdAgregar"_s);
    completar(f, u"6"_s, u"123"_s, {}, {}, u"2,5"_s);
    EXPECT_EQ(texto(f, u"TxtNroGuia"_s), u"00000123"_s);
    EXPECT_EQ(rotulo(f, u"LblTotal"_s), u"$ 8,75"_s);  // 2.5 calves at 3.50
    pulsar(f, u"cmdGrabar"_s);
    EXPECT_EQ(e.dialogs.textosMostrados(), QStringList());
    // A guide has no waybill: a dash and eight zeros.
    EXPECT_EQ(filas(), QStringList{u"0|00000123|6|2.5|3.50|8.75|-00000000|000000|"_s + id()});

    // A quantity written as zero with decimals passes, and is worth nothing.
    agregar(f, u"6"_s, u"124"_s, {}, {}, u"0,0"_s);
    EXPECT_EQ(e.dialogs.textosMostrados(), QStringList());
    EXPECT_EQ(f.resultado().total, Importe::desdeCentavos(875));

    // Deleting every row leaves nothing to modify and a zero total.
    for (int i = 0; i < 2; ++i) {
        e.dialogs.respuestas = {Respuesta::Si};
        pulsar(f, u"cmdBorrar"_s);
    }
    EXPECT_EQ(e.dialogs.mensajes.front().texto, u"¿Confirma la eliminación de la Guia seleccionada?"_s);
    EXPECT_EQ(grillaDe(f).filas(), 0);
    EXPECT_FALSE(habilitado(f, u"cmdBorrar"_s));
    EXPECT_FALSE(habilitado(f, u"CmdModificar"_s));
    EXPECT_EQ(texto(f, u"mskCodConcepto"_s), u"00"_s);
    EXPECT_EQ(rotulo(f, u"Lbl_total_general"_s), u"$ 0,00"_s);
}

TEST_F(Guias, GrabarRehusaEnOrden)
{
    // Receipt 00000007 of this declaration is valid and carries B0000007; receipt 00000008 was
    // annulled and carried B0000008; the receipt being entered already has A0000005.
    e.importada(u"00000007"_s, u""_s);
    e.importada(u"00000008"_s, u""_s, u"4"_s);
    for (const auto& [comprobante, oblea] : {std::pair{u"00000007"_s, u"B0000007"_s},
                                              {u"00000008"_s, u"B0000008"_s},
                                              {u"0"_s, u"A0000005"_s}})
        prueba::guia(e.base, {.comprobante = comprobante, .agente = u"000000"_s, .nroGuia = oblea,
                              .tipo = oblea.front() == u'A' ? 1 : 2, .cantidad = 1,
                              .nroPorte = u"0001-00000001"_s, .idCabecera = e.idCabecera});
    struct Caso {
        const char* nombre;
        QString concepto, numero, porte1, porte2;
        QString mensaje;  // empty: saved
        Icono icono;
        QString foco;
    };
    const Caso casos[] = {
        {"sin concepto", u"00"_s, u"A0000010"_s, u"1"_s, u"1"_s,
         u"Debe ingresar un código de Concepto."_s, Icono::Exclamacion, u"mskCodConcepto"_s},
        {"concepto de otra clase", u"9"_s, u"A0000010"_s, u"1"_s, u"1"_s,
         u"Debe ingresar un código de Concepto."_s, Icono::Exclamacion, u"mskCodConcepto"_s},
        {"sin oblea", u"1"_s, u""_s, u"1"_s, u"1"_s,
         u"Debe ingresar el Nº de Guía/Oblea/Comprobante"_s, Icono::Exclamacion, u"TxtNroGuia"_s},
        {"sin carta de porte", u"1"_s, u"A0000010"_s, u"1"_s, u"0"_s,
         u"Debe ingresar el Nº de Carta de porte "_s, Icono::Exclamacion, u"TxtPorte1"_s},
        {"ya en esta retención", u"1"_s, u"A0000005"_s, u"1"_s, u"1"_s,
         u"Este Nº de oblea ya fué usado en esta retención"_s, Icono::Ninguno, u"TxtNroGuia"_s},
        {"ya en una retención", u"2"_s, u"B0000007"_s, u"1"_s, u"1"_s,
         u"Este Nº de oblea ya fué usado en una retención"_s, Icono::Ninguno, u"TxtNroGuia"_s},
        {"fuera de las remesas", u"3"_s, u"C0000001"_s, u"1"_s, u"1"_s,
         u"la oblea ingresada no pertenese a una Remesa (u olvidó cargarla)"_s, Icono::Critico,
         u"TxtNroGuia"_s},
        {"solo cifras", u"1"_s, u"1234"_s, u"1"_s, u"1"_s,
         u"la oblea ingresada no pertenese a una Remesa (u olvidó cargarla)"_s, Icono::Critico,
         u"TxtNroGuia"_s},
        {"letra de otro concepto", u"2"_s, u"A0000010"_s, u"1"_s, u"1"_s,
         u"El concepto ingresado no coincide con el tipo de oblea ingresado"_s, Icono::Critico,
         u"mskCodConcepto"_s},  // where Agregar left it
        // A stamp freed by an annulled receipt.
        {"de un comprobante anulado", u"2"_s, u"B0000008"_s, u"1"_s, u"1"_s, {}, Icono::Ninguno, {}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        e.dialogs.mensajes.clear();
        frmGuias f(e.contexto, detalleNuevo(e.idCabecera));
        const int antes = e.contar(u"SELECT COUNT(*) FROM Guias"_s);
        agregar(f, c.concepto, c.numero, c.porte1, c.porte2);
        if (c.mensaje.isEmpty()) {
            EXPECT_EQ(e.dialogs.textosMostrados(), QStringList());
            EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Guias"_s), antes + 1);
            continue;
        }
        ASSERT_EQ(e.dialogs.textosMostrados(), QStringList{c.mensaje});
        EXPECT_EQ(e.dialogs.mensajes[0].icono, c.icono);
        EXPECT_EQ(enfocado(f), c.foco);
        EXPECT_EQ(tituloMarco(f, u"fraGuia"_s), u" Agregar "_s);
        EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Guias"_s), antes);
    }
}

TEST_F(Guias, ElConceptoMuestraSusDosCifrasAlDejarlo)
{
    frmGuias f(e.contexto, detalleNuevo(e.idCabecera));
    pulsar(f, u"cmdAgregar"_s);
    EXPECT_EQ(texto(f, u"mskCodConcepto"_s), u"00"_s);
    const struct Caso {
        QString escrito, mostrado;
        bool descripto;
    } casos[] = {{u"1"_s, u"01"_s, true}, {u"02"_s, u"02"_s, true}, {u""_s, u"00"_s, false}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.escrito.toStdString());
        escribir(f, u"mskCodConcepto"_s, c.escrito);
        salirDe(f, u"mskCodConcepto"_s);
        // Before the row is saved, and looked up as shown.
        EXPECT_EQ(texto(f, u"mskCodConcepto"_s), c.mostrado);
        EXPECT_EQ(!rotulo(f, u"lblDescConcepto"_s).isEmpty(), c.descripto);
    }
    EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Guias"_s), 0);
}

TEST_F(Guias, ModificarConservaSuObleaYSuCartaDePorte)
{
    // A saved, valid receipt with two stamps of different waybills.
    e.importada(u"00000007"_s, u""_s);
    prueba::guia(e.base, {.comprobante = u"00000007"_s, .agente = u"000000"_s,
                          .nroGuia = u"A0000001"_s, .tipo = 1, .cantidad = 1,
                          .nroPorte = u"0001-00000011"_s, .idCabecera = e.idCabecera});
    prueba::guia(e.base, {.comprobante = u"00000007"_s, .agente = u"000000"_s,
                          .nroGuia = u"A0000002"_s, .tipo = 1, .cantidad = 1,
                          .nroPorte = u"0002-00000022"_s, .idCabecera = e.idCabecera});
    frmGuias f(e.contexto, detalleDe(e.idCabecera, u"00000007"_s));
    GrillaRegistros& g = grillaDe(f);
    // Moving in the grid shows each row's own waybill.
    g.irAFila(0);
    EXPECT_EQ(texto(f, u"TxtPorte1"_s) + u'-' + texto(f, u"TxtPorte2"_s), u"0001-00000011"_s);
    g.irAFila(1);
    EXPECT_EQ(texto(f, u"TxtPorte1"_s) + u'-' + texto(f, u"TxtPorte2"_s), u"0002-00000022"_s);

    // The first row, modified without changing its stamp: its own stamp does not refuse it, and
    // it keeps its own waybill.
    g.irAFila(0);
    pulsar(f, u"CmdModificar"_s);
    EXPECT_EQ(tituloMarco(f, u"fraGuia"_s), u" Modificar "_s);
    EXPECT_EQ(rotulo(f, u"lblDescConcepto"_s), u"SOJA / GIRASOL / FORRAJERAS"_s);
    pulsar(f, u"cmdGrabar"_s);
    EXPECT_EQ(e.dialogs.textosMostrados(), QStringList());
    EXPECT_EQ(filas(), (QStringList{
                           u"00000007|A0000001|1|1|65.00|65.00|0001-00000011|000000|"_s + id(),
                           u"00000007|A0000002|1|1|0.00|0.00|0002-00000022|000000|"_s + id()}));

    // Given the other row's stamp, it is refused: another row of this receipt has it.
    pulsar(f, u"CmdModificar"_s);
    escribir(f, u"TxtNroGuia"_s, u"A0000002"_s);
    pulsar(f, u"cmdGrabar"_s);
    EXPECT_EQ(e.dialogs.textosMostrados(),
              QStringList{u"Este Nº de oblea ya fué usado en una retención"_s});
}

TEST_F(Guias, OrdenPorEncabezado)
{
    for (const auto& [oblea, tipo] : {std::pair{"B0000003", 2}, {"A0000009", 1}, {"A0000001", 1}})
        prueba::guia(e.base, {.comprobante = u"0"_s, .agente = u"000000"_s,
                              .nroGuia = QString::fromLatin1(oblea), .tipo = tipo, .cantidad = 1,
                              .nroPorte = u"0001-00000001"_s, .idCabecera = e.idCabecera});
    frmGuias f(e.contexto, detalleNuevo(e.idCabecera));
    const auto obleas = [&] {
        QStringList v;
        for (int i = 0; i < grillaDe(f).filas(); ++i) v << celda(grillaDe(f), i, 1);
        return v.join(u',');
    };
    EXPECT_EQ(obleas(), u"A0000001,A0000009,B0000003"_s);
    EXPECT_EQ(rotulo(f, u"lblOrden"_s), u"  Ordenados por: Nº de Oblea"_s);
    clickEncabezado(f, 2);
    EXPECT_EQ(rotulo(f, u"lblOrden"_s), u"  Ordenados por: Concepto"_s);
    EXPECT_EQ(celda(grillaDe(f), 2, 2), u"2"_s);
    clickEncabezado(f, 5);
    EXPECT_EQ(e.dialogs.textosMostrados(),
              QStringList{u"No se dispone de ordenamiento por este campo."_s});
}

} // namespace
