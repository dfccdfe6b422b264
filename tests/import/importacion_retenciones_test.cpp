// The withholding records of a declaration file: each check with its message and the value stored
// in its place, the receipt numbers from the branch's counter, and creating, adding to or
// replacing a declaration.

#include "import/base_importacion.h"

namespace {

using namespace prueba_importacion;

class ImportacionRetencionesTest : public BaseImportacion {
protected:
    // The declaration of `cabecera` made anew from the header and one more line; answers the
    // findings and the stored row ("Dia Bruto Alicuota Retenido Nro_X Concepto Estado Marca").
    std::pair<QStringList, QString> unaLinea(const QByteArray& linea, const C& cabecera = {})
    {
        for (const char* t : {"Cabeceras", "Retenciones", "Guias", "Retenciones_B"})
            base.ejecutar(QStringLiteral("DELETE FROM %1").arg(QLatin1String(t)));
        importarDDJJ({cabecera.linea(), linea});
        const auto fila = base.fila(QStringLiteral(
            "SELECT Nro_Contrib, Dia, Importe_Bruto, Alicuota, Importe_Ret, Nro_X, Cod_Concepto, "
            "Estado, MarcaImp FROM Retenciones"));
        QString texto = QStringLiteral("(nada)");
        if (fila)
            texto = QStringList{fila->value(0).toString(), fila->value(1).toString(),
                                importe(fila->value(2)), importe(fila->value(3)),
                                importe(fila->value(4)), fila->value(5).toString(),
                                fila->value(6).toString(), fila->value(7).toString(),
                                fila->value(8).toString()}
                        .join(QLatin1Char(' '));
        return {hallazgos(), texto};
    }
};

TEST_F(ImportacionRetencionesTest, CadaControlConSuMensajeYElValorGuardado)
{
    const QString base1 = QStringLiteral("0001234565 15 1000.00 5.00 50.00 0001-00001234 01 5 ");
    struct Caso {
        const char* nombre;
        QByteArray linea;
        QStringList hallazgos;
        QString fila;
        C cabecera = {};
    };
    const QString noCargado = QString::fromUtf8("2: El Nº de Inscripción no está cargado en el sistema.");
    const Caso casos[] = {
        {"válida", R{}.linea(), {}, base1 + "I"},
        {"blancos alrededor", "   " + R{}.linea() + "   ", {}, base1 + "I"},
        {"anulada", R{.letra = "A"}.linea(), {}, "0001234565 15 1000.00 5.00 50.00 0001-00001234 01 4 I"},
        {"dígito de inscripción", R{.inscripcion = "1234566"}.linea(),
         {QString::fromUtf8("2: El dígito verificador del Nº de Inscripción no es correcto."), noCargado},
         "0001234566 15 1000.00 5.00 50.00 0001-00001234 01 5 E"},
        {"dígito de convenio", R{.jurisdiccion = "901", .inscripcion = "1234564"}.linea(),
         {QString::fromUtf8("2: El dígito verificador del Nº de Convenio Multilateral no es correcto."),
          noCargado},
         "9011234564 15 1000.00 5.00 50.00 0001-00001234 01 5 E"},
        {"convenio cargado", R{.jurisdiccion = "901", .inscripcion = "1234563"}.linea(), {},
         "9011234563 15 1000.00 5.00 50.00 0001-00001234 01 5 I"},
        {"jurisdicción", R{.jurisdiccion = "925"}.linea(),
         {QString::fromUtf8("2: La Jurisdicción indicada no es válida."), noCargado},
         "9251234565 15 1000.00 5.00 50.00 0001-00001234 01 5 E"},
        {"inscripción con letras", R{.inscripcion = "12X4565"}.linea(),
         {QString::fromUtf8("2: El dígito verificador del Nº de Inscripción no es correcto."), noCargado},
         "00012X4565 15 1000.00 5.00 50.00 0001-00001234 01 5 E"},
        {"no inscripto sin cargar", R{.jurisdiccion = "950", .inscripcion = "0000001"}.linea(),
         {noCargado}, "9500000001 15 1000.00 5.00 50.00 0001-00001234 01 5 E"},
        {"día 00", R{.dia = "00"}.linea(), {QString::fromUtf8("2: El día no es correcto.")},
         "0001234565 00 1000.00 5.00 50.00 0001-00001234 01 5 E"},
        {"día 31 de abril", R{.dia = "31"}.linea(), {QString::fromUtf8("2: El día no es correcto.")},
         "0001234565 00 1000.00 5.00 50.00 0001-00001234 01 5 E", C{.mes = "04"}},
        {"día con letras", R{.dia = "1A"}.linea(), {QString::fromUtf8("2: El día no es correcto.")},
         "0001234565 00 1000.00 5.00 50.00 0001-00001234 01 5 E"},
        {"día de un dígito", R{.dia = " 5"}.linea(), {},
         "0001234565 05 1000.00 5.00 50.00 0001-00001234 01 5 I"},
        {"sin comprobante propio", R{.nroX = ""}.linea(),
         {QString::fromUtf8("2: Falta el Nº de Comprobante.")},
         "0001234565 15 1000.00 5.00 50.00 0 01 5 E"},
        {"concepto", R{.concepto = "55"}.linea(),
         {QString::fromUtf8("2: El código de concepto no está cargado en el sistema.")},
         "0001234565 15 1000.00 5.00 50.00 0001-00001234 00 5 E"},
        {"retenido dentro de 0,10", R{.retenido = "000000050.05"}.linea(), {},
         "0001234565 15 1000.00 5.00 50.05 0001-00001234 01 5 I"},
        {"retenido a 0,10 justos", R{.retenido = "000000050.10"}.linea(), {},
         "0001234565 15 1000.00 5.00 50.10 0001-00001234 01 5 I"},
        {"retenido mal calculado", R{.retenido = "000000050.20"}.linea(),
         {QStringLiteral("2: El importe retenido esta mal calculado")},
         "0001234565 15 1000.00 5.00 50.20 0001-00001234 01 5 E"},
        {"importe negativo", R{.bruto = "-00001234.56", .retenido = "-00000061.73"}.linea(), {},
         "0001234565 15 -1234.56 5.00 -61.73 0001-00001234 01 5 I"},
        {"importe máximo", R{.bruto = "123456789.50", .alicuota = "00,00", .retenido = "000000000.00"}.linea(),
         {}, "0001234565 15 123456789.50 0.00 0.00 0001-00001234 01 5 I"},
        {"varios a la vez", R{.dia = "00", .concepto = "55"}.linea(),
         {QString::fromUtf8("2: El día no es correcto."),
          QString::fromUtf8("2: El código de concepto no está cargado en el sistema.")},
         "0001234565 00 1000.00 5.00 50.00 0001-00001234 00 5 E"},
        {"alícuota fija en el régimen 10", R{.alicuota = "05,00", .retenido = "000000001.00"}.linea(),
         {}, "0001234565 15 1000.00 100.00 1.00 0001-00001234 01 5 I", C{.regimen = "10"}},
        {"alícuota ilegible en el régimen 09", R{.alicuota = "XX,XX"}.linea(), {},
         "0001234565 15 1000.00 100.00 50.00 0001-00001234 01 5 I", C{.regimen = "09"}},
        // Amounts that are no numbers: the line is not stored.
        {"bruto con letras", R{.bruto = "00000A000.00"}.linea(),
         {QStringLiteral("2 DESCARTADA: El registro no tiene el formato requerido.")}, "(nada)"},
        {"retenido en blanco", R{.retenido = "            "}.linea(),
         {QStringLiteral("2 DESCARTADA: El registro no tiene el formato requerido.")}, "(nada)"},
        {"alícuota con letras", R{.alicuota = "O5,00"}.linea(),
         {QStringLiteral("2 DESCARTADA: El registro no tiene el formato requerido.")}, "(nada)"},
        // A control character in a code or number field: the line is not stored either.
        {"NUL en la inscripción", R{.inscripcion = "12345" + QString(QChar(0)) + "5"}.linea(),
         {QStringLiteral("2 DESCARTADA: El registro no tiene el formato requerido.")}, "(nada)"},
        {"NUL en el comprobante propio", R{.nroX = "0001-" + QString(2, QChar(0)) + "001234"}.linea(),
         {QStringLiteral("2 DESCARTADA: El registro no tiene el formato requerido.")}, "(nada)"},
        {"0x81 en el concepto", R{.concepto = "0" + QString(QChar(0x81))}.linea(),
         {QStringLiteral("2 DESCARTADA: El registro no tiene el formato requerido.")}, "(nada)"},
        // 57 characters are no record; with no receipt before it, it is passed over quietly.
        {"57 caracteres", R{}.linea().left(56) + "*", {}, "(nada)"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        const auto [h, fila] = unaLinea(c.linea, c.cabecera);
        EXPECT_EQ(h, c.hallazgos);
        EXPECT_EQ(fila, c.fila);
    }
}

TEST_F(ImportacionRetencionesTest, LosComprobantesSiguenAlContadorDeLaSucursal)
{
    const auto r = importarDDJJ({C{}.linea(), R{}.linea(), R{.letra = "A"}.linea(),
                                 R{.dia = "00"}.linea()});
    ASSERT_TRUE(r.completa);
    const qint64 id = idImportada();
    EXPECT_EQ(comprobantes(id),
              QStringList({"00000042 5 I", "00000043 4 I", "00000044 5 E"}));
    EXPECT_EQ(contador(), QStringLiteral("00000044"));
    EXPECT_EQ(r.conteo.importados, 3);
    EXPECT_EQ(r.conteo.conError, 1);
    const auto c = base.fila(QStringLiteral("SELECT Nro_Agente, Sucursal, Cod_Regimen, Anio, Mes, "
                                            "Rectifica, Estado, MarcaObs, Origen, Descartados "
                                            "FROM Cabeceras WHERE IdCabecera = ?"),
                             {id});
    ASSERT_TRUE(c);
    QStringList campos;
    for (int i = 0; i < 10; ++i) campos << c->value(i).toString();
    EXPECT_EQ(campos, QStringList({"000123", "0001", "01", "2008", "05", "00", "2", "N", "I", "0"}));
}

TEST_F(ImportacionRetencionesTest, ElMesDeUnDigitoSeGuardaConDos)
{
    ASSERT_TRUE(importarDDJJ({C{.mes = "1 "}.linea(), R{.dia = "31"}.linea()}).completa);
    EXPECT_EQ(valor("SELECT Mes FROM Cabeceras").toString(), QStringLiteral("01"));
    EXPECT_TRUE(hallazgos().isEmpty());  // the 31st is a day of January
}

TEST_F(ImportacionRetencionesTest, CrearAgregarOReemplazar)
{
    // Created.
    ASSERT_TRUE(importarDDJJ({C{}.linea(), R{}.linea(), R{}.linea()}).completa);
    const qint64 id = idImportada();
    EXPECT_EQ(comprobantes(id), QStringList({"00000042 5 I", "00000043 5 I"}));

    // Added to: the user answers No; the month keeps its rows and gets the new ones.
    sql("UPDATE Cabeceras SET Origen = 'M', Descartados = 7");
    ASSERT_TRUE(importarDDJJ({C{.rectifica = "01"}.linea(), R{.letra = "A"}.linea()},
                             {Respuesta::No})
                    .completa);
    EXPECT_EQ(idImportada(), id);
    EXPECT_EQ(comprobantes(id), QStringList({"00000042 5 I", "00000043 5 I", "00000044 4 I"}));
    EXPECT_EQ(valor("SELECT Origen || Rectifica || Descartados FROM Cabeceras").toString(),
              QStringLiteral("I007"));

    // Replaced: the user answers Yes; the old rows go, the numbers go on from the counter.
    base.ejecutar(QStringLiteral("INSERT INTO Guias (Nro_Comprobante, Nro_Agente, IdCabecera) "
                                 "VALUES ('00000042', '000456', ?)"),
                  {id});
    base.ejecutar(QStringLiteral("INSERT INTO Retenciones_B (IdCabecera, Nro_Comprobante, Otras_Reten) "
                                 "VALUES (?, '00000042', 1)"),
                  {id});
    ASSERT_TRUE(importarDDJJ({C{}.linea(), R{}.linea(), "BASURA"}, {Respuesta::Si}).completa);
    EXPECT_EQ(comprobantes(id), QStringList({"00000045 5 I"}));
    EXPECT_EQ(contar("Guias", id), 0);
    EXPECT_EQ(contar("Retenciones_B", id), 0);
    // One discarded line: the count replaces the earlier one.
    EXPECT_EQ(valor("SELECT Descartados FROM Cabeceras").toLongLong(), 1);
    EXPECT_EQ(contador(), QStringLiteral("00000045"));
}

} // namespace
