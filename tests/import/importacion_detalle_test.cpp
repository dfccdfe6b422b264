// The detail records of a declaration file by regime: each check with its message, the row
// stored, a receipt that goes with a failed stamp (and every detail row of it), the deferred check
// of the withheld amount and the other withholdings computed after the last line.

#include "import/base_importacion.h"

namespace {

using namespace prueba_importacion;

class ImportacionDetalleTest : public BaseImportacion {
protected:
    ImportacionDetalleTest()
    {
        // Stamps A0000100 to A0000200 and Z0000001 to Z0000010 were delivered to the agent.
        sql("INSERT INTO Remesas (Nro_Remesa, TipoEstampilla, Nro_Agente, Nro_desde, Nro_Hasta) "
            "VALUES (1, 'A', '000123', 100, 200)");
        sql("INSERT INTO Remesas (Nro_Remesa, TipoEstampilla, Nro_Agente, Nro_desde, Nro_Hasta) "
            "VALUES (2, 'Z', '000123', 1, 10)");
    }

    void vaciar()
    {
        for (const char* t : {"Cabeceras", "Retenciones", "Guias", "Retenciones_B"})
            base.ejecutar(QStringLiteral("DELETE FROM %1").arg(QLatin1String(t)));
        sql("UPDATE Sucursales SET Nro_Comprobante = '00000041'");
    }

    // The detail rows stored, in order: "NroComp Agente Guia Tipo Cantidad Unitario Total
    // Anticipo Porte".
    QStringList guias()
    {
        QStringList r;
        for (const QSqlRecord& f : base.filas(QStringLiteral(
                 "SELECT Nro_Comprobante, Nro_Agente, NroGuia, Tipo, Cantidad, Valor_Unitario, "
                 "Total, Nro_Anticipo, Nro_porte FROM Guias ORDER BY Nro_clave")))
            r << QStringList{f.value(0).toString(), f.value(1).toString(), f.value(2).toString(),
                             f.value(3).toString(), QString::number(f.value(4).toDouble()),
                             importe(f.value(5)), importe(f.value(6)), f.value(7).toString(),
                             f.value(8).toString().trimmed()}
                     .join(QLatin1Char(' '));
        return r;
    }
    QStringList otrasRetenciones()
    {
        QStringList r;
        for (const QSqlRecord& f : base.filas(QStringLiteral(
                 "SELECT Nro_Comprobante, Otras_Reten FROM Retenciones_B ORDER BY Nro_Comprobante")))
            r << f.value(0).toString() + QLatin1Char(' ') + importe(f.value(1));
        return r;
    }
};

// The receipt that precedes the detail in each regime: no withheld-amount message of its own.
R retencionDe(const QString& regimen)
{
    if (regimen == QLatin1String("11") || regimen == QLatin1String("12")
        || regimen == QLatin1String("16"))
        return R{.alicuota = "00,00", .retenido = "000000000.00"};
    return R{};
}

TEST_F(ImportacionDetalleTest, CadaRegimenConSusControles)
{
    struct Caso {
        const char* nombre;
        const char* regimen;
        D detalle;
        QStringList hallazgos;  // after the line number 3
        QStringList guias;
        bool quedaComprobante;
    };
    const QString f = QStringLiteral(" DESCARTADA: El registro no tiene el formato requerido.");
    const Caso casos[] = {
        {"09 guía", "09", {.guia = "G0000001", .cantidad = "005", .unitario = "000000007.00"}, {},
         {"00000042 000000 G0000001 1 5 7.00 35.00 00000000 0001-00005678"}, true},
        {"09 todo mal", "09",
         {.anticipo = "00000001", .agente = "000001", .tipo = "99", .cantidad = "000"},
         {": El Nº de Anticipo no es 00000000", ": El Nº de Agente emisor no es 000000",
          ": la cantidad de animales es incorrecta",
          ": El Nº de tipo de Ganado no está cargado en este sistema"},
         {}, true},
        {"09 valor", "09", {.unitario = "000000007.01"},
         {": El valor unitario del Ganado no coincide al cargado en este sistema"}, {}, true},
        {"09 cantidad con letras", "09", {.cantidad = "0A5", .unitario = "000000007.00"}, {f}, {}, true},
        {"10 oblea", "10", {.guia = "A0000150", .unitario = "000000065.00"}, {},
         {"00000042 000000 A0000150 1 1 65.00 65.00 00000000 0001-00005678"}, true},
        {"10 cantidad", "10", {.guia = "A0000150", .cantidad = "002", .unitario = "000000065.00"},
         {": la cantidad de obleas es incorrecta. debe ser '001' "}, {}, false},
        {"10 tipo", "10", {.guia = "A0000150", .tipo = "07", .unitario = "000000065.00"},
         {": El Nº de tipo de cereal no está cargado en este sistema"}, {}, false},
        {"10 fuera de remesa", "10", {.guia = "A0000999", .unitario = "000000065.00"},
         {": El Nº de Oblea (A0000999 ) no pertenece a una Remesa (tal vez olvidó cargar la remesa "
          "en el Tarquel. Débe hacerlo antes de importar"},
         {}, false},
        {"10 oblea con letras", "10", {.guia = "A00001X0", .unitario = "000000065.00"},
         {": El Nº de Oblea (A00001X0 ) no pertenece a una Remesa (tal vez olvidó cargar la remesa "
          "en el Tarquel. Débe hacerlo antes de importar"},
         {}, false},
        {"11 anticipo en importe", "11",
         {.anticipo = "00000007", .agente = "000456", .tipo = "00", .cantidad = "000",
          .unitario = "000000150.00"},
         {}, {"00000042 000456 0 0 0 0.00 150.00 00000007 0001-00005678"}, true},
        {"11 anticipo en ganado", "11",
         {.anticipo = "00000007", .agente = "000456", .tipo = "01", .cantidad = "003",
          .unitario = "000000007.00"},
         {}, {"00000042 000456 0 0 0 0.00 21.00 00000007 0001-00005678"}, true},
        {"11 sin anticipo ni agente", "11", {.tipo = "00", .cantidad = "000"},
         {": El Nº de Anticipo no debe ser es 00000000", ": El Nº de Agente emisor no debe ser 000000"},
         {}, true},
        {"16 tipo", "16", {.anticipo = "00000007", .agente = "000456", .tipo = "99"},
         {": El Nº de tipo de Ganado no está cargado en este sistema"}, {}, true},
        {"12 oblea propia", "12",
         {.agente = "000123", .guia = "A0000150", .unitario = "000000065.00"}, {},
         {"00000042 000123 A0000150 1 1 0.00 0.00 00000000 0001-00005678"}, true},
        {"12 oblea de otro agente", "12",
         {.anticipo = "00000009", .agente = "000456", .guia = "B0000001", .tipo = "02",
          .unitario = "000000045.00"},
         {}, {"00000042 000456 B0000001 2 1 45.00 45.00 00000009 0001-00005678"}, true},
        {"12 otro agente sin anticipo", "12",
         {.agente = "000456", .guia = "B0000001", .tipo = "02", .cantidad = "000",
          .unitario = "000000000.00"},
         {": Cuando el Nº de Agente no es el mismo Agente de la cabecera, el el nº de anticipo no "
          "debe ser 000000",
          ": la cantidad de obleas no debe ser '000' "},
         {}, false},
        {"14 oblea propia", "14",
         {.agente = "000123", .guia = "Z0000005", .tipo = "26", .unitario = "000000000.00"}, {},
         {"00000042 000123 Z0000005 26 1 0.00 0.00 00000000 0001-00005678"}, true},
        {"14 tipo e importe", "14",
         {.agente = "000123", .guia = "Z0000005", .tipo = "01", .unitario = "000000001.00"},
         {": El Nº de tipo de Oblea debe ser 26", ": El importe de la Oblea debe ser 0"}, {}, false},
        {"15 alimentos", "15",
         {.agente = "000120", .guia = "        ", .tipo = "02", .cantidad = "   ",
          .unitario = "000000002.00", .porte = "R-0001"},
         {}, {"00000042 0 0 2 120 2.00 240.00 0 R-0001"}, true},
        {"15 sin cantidad ni remito", "15",
         {.agente = "000000", .tipo = "02", .unitario = "000000002.00", .porte = ""},
         {": No se indica la cantidad transportada", ": Falta Nº de Remito"}, {}, true},
        {"15 total fuera de rango", "15",
         {.agente = "999999", .tipo = "02", .unitario = "999999999.99"},
         {": El valor unitario del Alimento no coincide al cargado en este sistema", f}, {}, true},
        {"01 no lleva detalle", "01", {}, {f}, {}, true},
        // A control character in a number fails the record; in the waybill it is taken out.
        {"09 guía con NUL", "09", {.guia = "G000" + QString(QChar(0)) + "001"}, {f}, {}, true},
        {"10 oblea con 0x81", "10", {.guia = "A0000" + QString(QChar(0x81)) + "50"}, {f}, {}, false},
        {"09 remito con NUL", "09",
         {.guia = "G0000001", .cantidad = "005", .unitario = "000000007.00",
          .porte = "0001-" + QString(QChar(0)) + "0005678"},
         {QString::fromUtf8(": Se quitaron caracteres no válidos del Nº de Remito o Carta de Porte.")},
         {"00000042 000000 G0000001 1 5 7.00 35.00 00000000 0001-0005678"}, true},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        vaciar();
        const QString regimen = QString::fromLatin1(c.regimen);
        const auto r = importarDDJJ({C{.regimen = regimen}.linea(), retencionDe(regimen).linea(),
                                     c.detalle.linea()});
        ASSERT_TRUE(r.completa);
        QStringList esperados;
        for (const QString& h : c.hallazgos)
            esperados << QStringLiteral("3") + h;
        EXPECT_EQ(hallazgos(), esperados);
        EXPECT_EQ(guias(), c.guias);
        EXPECT_EQ(comprobantes(idImportada(regimen)).size(), c.quedaComprobante ? 1 : 0);
    }
}

// A stamp that fails takes its receipt with every detail row stored for it; the following detail
// lines of that receipt are passed over quietly; all of them count as discarded.
TEST_F(ImportacionDetalleTest, UnaObleaMalaSeLlevaElComprobanteConSusDetalles)
{
    const D buena{.guia = "A0000150", .unitario = "000000065.00"};
    const auto r = importarDDJJ({
        C{.regimen = "10"}.linea(),
        R{}.linea(),                                                   // 2: 00000042
        buena.linea(),                                                 // 3
        D{.guia = "A0000151", .unitario = "000000065.00"}.linea(),    // 4
        D{.guia = "A0000999", .unitario = "000000065.00"}.linea(),    // 5: outside the remittances
        D{.guia = "A0000152", .unitario = "000000065.00"}.linea(),    // 6: passed over
        "BASURA",                                                      // 7: passed over
        R{.dia = "00"}.linea(),                                        // 8: 00000043, "E"
        D{.guia = "A0000150", .unitario = "000000065.00"}.linea(),    // 9: used... by a dropped receipt
    });
    ASSERT_TRUE(r.completa);
    const qint64 id = idImportada(QStringLiteral("10"));
    EXPECT_EQ(comprobantes(id), QStringList({"00000043 5 E"}));
    EXPECT_EQ(guias(), QStringList({"00000043 000000 A0000150 1 1 65.00 65.00 00000000 0001-00005678"}));
    EXPECT_EQ(contador(), QStringLiteral("00000043"));  // 00000042 stays spent
    EXPECT_EQ(hallazgos(), QStringList({
                               QString::fromUtf8("5: El Nº de Oblea (A0000999 ) no pertenece a una "
                                                 "Remesa (tal vez olvidó cargar la remesa en el "
                                                 "Tarquel. Débe hacerlo antes de importar"),
                               QString::fromUtf8("8: El día no es correcto."),
                           }));
    EXPECT_EQ(r.conteo.lineas, 8);
    EXPECT_EQ(r.conteo.importados, 1);
    EXPECT_EQ(r.conteo.conError, 1);
    EXPECT_EQ(r.conteo.detalles, 1);
    EXPECT_EQ(r.conteo.descartadas(), 6);
    EXPECT_EQ(valor("SELECT Descartados FROM Cabeceras WHERE IdCabecera = ?", {id}).toLongLong(), 6);
    EXPECT_EQ(r.textoResumen, QString::fromUtf8("\n   Fin del proceso:\n\n"
                                                "     Se importaron 1 registros incluyendo 1 con error.\n"
                                                "     Se descartaron 6 líneas.\n"));
}

TEST_F(ImportacionDetalleTest, UnaObleaRepetidaEnElArchivo)
{
    const D oblea{.guia = "A0000150", .unitario = "000000065.00"};
    const auto r = importarDDJJ({C{.regimen = "10"}.linea(), R{}.linea(), oblea.linea(),
                                 R{}.linea(), oblea.linea()});
    ASSERT_TRUE(r.completa);
    EXPECT_EQ(hallazgos(), QStringList({QString::fromUtf8(
                               "5: El Nº de Oblea (A0000150 ) ya fué utilizada por otra retención.")}));
    EXPECT_EQ(comprobantes(idImportada(QStringLiteral("10"))), QStringList({"00000042 5 I"}));

    // Another branch's valid receipt 00000042 does not make the stamp of this branch's annulled
    // receipt 00000042 used.
    vaciar();
    sql("INSERT INTO Sucursales (Nro_Agente, Sucursal, Nro_Comprobante) VALUES ('000123', '0002', '0')");
    prueba::cabecera(base, {.agente = QStringLiteral("000123"), .sucursal = QStringLiteral("0002"),
                            .regimen = QStringLiteral("10"), .anio = QStringLiteral("2008"),
                            .mes = QStringLiteral("05"), .rectifica = QStringLiteral("00"),
                            .estado = QStringLiteral("2")});
    sql("INSERT INTO Retenciones (IdCabecera, Nro_Contrib, Nro_Comprobante, Estado) "
        "SELECT IdCabecera, '0001234565', '00000042', '5' FROM Cabeceras");
    ASSERT_TRUE(importarDDJJ({C{.regimen = "10"}.linea(), R{.letra = "A"}.linea(), oblea.linea(),
                              R{}.linea(), D{.guia = "A0000151", .unitario = "000000065.00"}.linea()})
                    .completa);
    EXPECT_EQ(hallazgos(), QStringList());
    ASSERT_TRUE(importarDDJJ({C{.regimen = "10"}.linea(), R{}.linea(), oblea.linea()}, {Respuesta::No})
                    .completa);
    EXPECT_EQ(hallazgos(), QStringList());
}

TEST_F(ImportacionDetalleTest, ElRetenidoDeLosAnticiposSeControlaAlFinalDelComprobante)
{
    // Receipt A: 1000.00 at 10 % is 100.00; withheld 60.00 and advances of 40.00 (25 + 15).
    const R a{.alicuota = "10,00", .retenido = "000000060.00"};
    auto anticipo = [](const char* importe) {
        return D{.anticipo = "00000007", .agente = "000456", .tipo = "00", .cantidad = "000",
                 .unitario = QString::fromLatin1(importe)}
            .linea();
    };
    ASSERT_TRUE(importarDDJJ({C{.regimen = "11"}.linea(), a.linea(), anticipo("000000025.00"),
                              anticipo("000000015.00"), R{.alicuota = "00,00"}.linea()})
                    .completa);
    EXPECT_EQ(hallazgos(), QStringList());

    vaciar();
    // Advances of 30.00: the message names A's line and A is marked, so it can be corrected;
    // so is the last receipt, whose check comes after the last line.
    const auto r = importarDDJJ({C{.regimen = "11"}.linea(), a.linea(), anticipo("000000030.00"),
                                 a.linea(), anticipo("000000039.00")});
    EXPECT_EQ(hallazgos(), QStringList({"2: El importe retenido esta mal calculado",
                                        "4: El importe retenido esta mal calculado"}));
    EXPECT_EQ(comprobantes(idImportada(QStringLiteral("11"))),
              QStringList({"00000042 5 E", "00000043 5 E"}));
    EXPECT_EQ(r.conteo.conError, 2);
}

TEST_F(ImportacionDetalleTest, LasOtrasRetencionesSonLosAnticiposAOtrosAgentes)
{
    const qint64 id = prueba::cabecera(
        base, {.agente = QStringLiteral("000123"), .sucursal = QStringLiteral("0001"),
               .regimen = QStringLiteral("12"), .anio = QStringLiteral("2008"),
               .mes = QStringLiteral("05"), .rectifica = QStringLiteral("00"),
               .estado = QStringLiteral("2")});
    // A receipt stored before, with an advance to another agent and an old other-withholdings row.
    base.ejecutar(QStringLiteral("INSERT INTO Retenciones (IdCabecera, Nro_Contrib, Nro_Comprobante, "
                                 "Estado, MarcaImp) VALUES (?, '0001234565', '00000010', '5', 'I')"),
                  {id});
    base.ejecutar(QStringLiteral("INSERT INTO Guias (Nro_Comprobante, Nro_Agente, NroGuia, Total, "
                                 "Nro_porte, IdCabecera) VALUES ('00000010', '000777', 'C0000001', "
                                 "?, 'X', ?)"),
                  {Importe::desdeEntero(5).aColumna(), id});
    base.ejecutar(QStringLiteral("INSERT INTO Retenciones_B (IdCabecera, Nro_Comprobante, Otras_Reten) "
                                 "VALUES (?, '00000010', 99)"),
                  {id});
    auto otro = [](const char* guia, const char* unitario) {
        return D{.anticipo = "00000009", .agente = "000456", .guia = QString::fromLatin1(guia),
                 .tipo = "02", .unitario = QString::fromLatin1(unitario)}
            .linea();
    };
    const R r{.alicuota = "00,00", .retenido = "000000000.00"};
    ASSERT_TRUE(importarDDJJ({C{.regimen = "12"}.linea(),
                              r.linea(), otro("B0000001", "000000045.00"), otro("B0000002", "000000045.00"),
                              r.linea(), D{.agente = "000123", .guia = "A0000150", .unitario = "000000065.00"}.linea(),
                              R{.letra = "A", .alicuota = "00,00", .retenido = "000000000.00"}.linea(),
                              otro("B0000003", "000000045.00")},
                             {Respuesta::No})
                    .completa);
    // 00000042 has two advances to another agent; 00000043 only the agent's own stamp; 00000044
    // is annulled; the earlier receipt is computed again.
    EXPECT_EQ(otrasRetenciones(), QStringList({"00000010 5.00", "00000042 90.00"}));
}

} // namespace
