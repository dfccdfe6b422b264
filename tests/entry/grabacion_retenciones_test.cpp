// Saving, correcting and annulling receipts of the general regimes, on a real database.

#include "entry/grabacion_retenciones.h"
#include "entry/oblea_retencion.h"
#include "entry/regla_alicuota.h"

#include "support/datos_entrada.h"

#include <gtest/gtest.h>

namespace {

Importe imp(const char* texto)
{
    return *Importe::leer(QString::fromLatin1(texto));
}

DatosRetencion datos(const char* bruto = "1000", const char* alicuota = "2.5")
{
    DatosRetencion d;
    d.nroContrib = QStringLiteral("3001234567");
    d.dia = QStringLiteral("12");
    d.bruto = imp(bruto);
    d.alicuota = imp(alicuota);
    d.nroX = QStringLiteral("0");
    d.codConcepto = QStringLiteral("00");
    return d;
}

QSqlRecord retencion(DatosEntrada& f, const QString& nro, qint64 id = 0)
{
    return *f.base.fila(QStringLiteral("SELECT * FROM Retenciones WHERE IdCabecera = ? "
                                       "AND Nro_Comprobante = ?"),
                        {id ? id : f.idCabecera, nro});
}

// Makes every insert into `tabla` fail, as a full disk or a broken file would.
void fallarAlInsertar(DatosEntrada& f, const char* tabla)
{
    f.base.ejecutar(QStringLiteral("CREATE TRIGGER falla BEFORE INSERT ON %1 "
                                   "BEGIN SELECT RAISE(ABORT, 'disco lleno'); END")
                        .arg(QString::fromLatin1(tabla)));
}

TEST(GrabacionRetenciones, NuevaTomaElNumeroYAbreLaDeclaracion)
{
    DatosEntrada f;
    const ClaveRetencion clave = grabarRetencionNueva(f.entorno, datos("1234.56", "2.5"));

    EXPECT_EQ(clave.idCabecera, f.idCabecera);
    EXPECT_EQ(clave.nroComprobante, QStringLiteral("00000001"));
    const QSqlRecord r = retencion(f, clave.nroComprobante);
    EXPECT_EQ(r.value(QStringLiteral("Nro_Contrib")).toString(), QStringLiteral("3001234567"));
    EXPECT_EQ(r.value(QStringLiteral("Dia")).toString(), QStringLiteral("12"));
    EXPECT_EQ(Importe::desdeColumna(r.value(QStringLiteral("Importe_Bruto"))), imp("1234.56"));
    EXPECT_EQ(Importe::desdeColumna(r.value(QStringLiteral("Alicuota"))), imp("2.5"));
    EXPECT_EQ(Importe::desdeColumna(r.value(QStringLiteral("Importe_Ret"))), imp("30.86"));
    EXPECT_EQ(r.value(QStringLiteral("Estado")).toString(), QStringLiteral("5"));
    // Entered by hand: an empty mark, not a null one.
    EXPECT_FALSE(r.value(QStringLiteral("MarcaImp")).isNull());
    EXPECT_EQ(r.value(QStringLiteral("MarcaImp")).toString(), QString());

    EXPECT_EQ(f.estadoCabecera(), QStringLiteral("2"));
    EXPECT_EQ(f.contador(), QStringLiteral("00000001"));
    // The environment shows what was stored.
    EXPECT_EQ(f.entorno.cabeceraActual()->estado, QStringLiteral("2"));
    EXPECT_EQ(f.entorno.sucursalActual()->nroComprobante,
              QStringLiteral("00000001"));
}

TEST(GrabacionRetenciones, NumeracionConsecutivaPorSucursal)
{
    DatosEntrada f;
    const qint64 otra = f.nuevaCabecera(QStringLiteral("01"), QStringLiteral("06"),
                                        QStringLiteral("0002"));
    EXPECT_EQ(grabarRetencionNueva(f.entorno, datos()).nroComprobante, QStringLiteral("00000001"));
    EXPECT_EQ(grabarRetencionNueva(f.entorno, datos()).nroComprobante, QStringLiteral("00000002"));

    // Branch 0002 keeps its own counter (41): its receipts go on from there.
    f.activar(otra);
    EXPECT_EQ(grabarRetencionNueva(f.entorno, datos()).nroComprobante, QStringLiteral("00000042"));
    f.activar(f.idCabecera);
    EXPECT_EQ(grabarRetencionNueva(f.entorno, datos()).nroComprobante, QStringLiteral("00000003"));
    EXPECT_EQ(f.contador("0001"), QStringLiteral("00000003"));
    EXPECT_EQ(f.contador("0002"), QStringLiteral("00000042"));
}

TEST(GrabacionRetenciones, UnaGrabacionQueFallaNoDejaNada)
{
    for (const char* tabla : {"Retenciones", "Guias"}) {
        DatosEntrada f(QStringLiteral("14"));
        f.sql("INSERT INTO Remesas (Nro_Remesa, TipoEstampilla, Nro_Agente, Nro_desde, Nro_Hasta) "
              "VALUES (1, 'Z', '012345', 1, 100)");
        fallarAlInsertar(f, tabla);
        DatosRetencion d = datos();
        d.conOblea = true;
        d.oblea = QStringLiteral("Z0000015");

        EXPECT_THROW(grabarRetencionNueva(f.entorno, d), ErrorMotor) << tabla;
        EXPECT_EQ(f.contador(), QStringLiteral("00000000")) << tabla;
        EXPECT_EQ(f.estadoCabecera(), QStringLiteral("1")) << tabla;
        EXPECT_EQ(f.valor("SELECT COUNT(*) FROM Retenciones").toInt(), 0) << tabla;
        EXPECT_EQ(f.valor("SELECT COUNT(*) FROM Guias").toInt(), 0) << tabla;

        // Once the fault is gone the same number is issued: none was spent.
        f.sql("DROP TRIGGER falla");
        EXPECT_EQ(grabarRetencionNueva(f.entorno, d).nroComprobante, QStringLiteral("00000001"));
    }
}

// A backup copying the file holds a read lock longer than the save waits: the save says so and
// spends no number; the next one, once the file is free, is kept for good.
TEST(GrabacionRetenciones, UnaBaseOcupadaNoGuardaNadaYLaGrabacionSiguientePerdura)
{
    DatosEntrada f;
    f.base.setEsperaOcupada(50);
    {
        BaseDatos copia;
        copia.abrir(f.carpeta.base());
        copia.ejecutar(QStringLiteral("BEGIN"));
        copia.valor(QStringLiteral("SELECT COUNT(*) FROM Retenciones"));
        try {
            grabarRetencionNueva(f.entorno, datos());
            ADD_FAILURE() << "la grabación debió fallar";
        } catch (const ErrorMotor& error) {
            EXPECT_EQ(error.numero(), errores::BaseOcupada);
            EXPECT_TRUE(error.descripcion().contains(QStringLiteral("No se guardó nada")));
        }
        EXPECT_FALSE(f.base.transaccionAbierta());
        copia.ejecutar(QStringLiteral("ROLLBACK"));
    }
    EXPECT_EQ(grabarRetencionNueva(f.entorno, datos()).nroComprobante, QStringLiteral("00000001"));

    f.base.cerrar();
    f.base.abrir(f.carpeta.base());
    EXPECT_EQ(f.valor("SELECT COUNT(*) FROM Retenciones").toInt(), 1);
    EXPECT_EQ(f.contador(), QStringLiteral("00000001"));
    EXPECT_EQ(f.estadoCabecera(), QStringLiteral("2"));
}

TEST(GrabacionRetenciones, SucursalSinNumerosRehusaSinEscribir)
{
    DatosEntrada f;
    f.sql("UPDATE Sucursales SET Nro_Comprobante = '99999999' WHERE Sucursal = '0001'");
    f.activar(f.idCabecera);
    try {
        grabarRetencionNueva(f.entorno, datos());
        FAIL() << "se grabó con el contador agotado";
    } catch (const NumeracionAgotada& e) {
        EXPECT_EQ(e.ultimo(), QStringLiteral("99999999"));
    }
    EXPECT_EQ(f.contador(), QStringLiteral("99999999"));
    EXPECT_EQ(f.estadoCabecera(), QStringLiteral("1"));
    EXPECT_EQ(f.valor("SELECT COUNT(*) FROM Retenciones").toInt(), 0);
}

TEST(GrabacionRetenciones, CorreccionReescribeYMarcaSinTocarNumeroNiContador)
{
    DatosEntrada f;
    f.sql("UPDATE Cabeceras SET Estado = '2'");
    f.importada(QStringLiteral("00000007"), QStringLiteral("E"));
    f.importada(QStringLiteral("00000008"), QStringLiteral("C"));
    DatosRetencion d = datos("333.33", "1.5");
    d.nroContrib = QStringLiteral("3007654321");
    d.dia = QStringLiteral("20");
    d.nroX = QStringLiteral("4455");

    for (const char* nro : {"00000007", "00000008"}) {
        grabarCorreccion(f.entorno, {f.idCabecera, QString::fromLatin1(nro)}, d);
        const QSqlRecord r = retencion(f, QString::fromLatin1(nro));
        EXPECT_EQ(r.value(QStringLiteral("Nro_Contrib")).toString(), QStringLiteral("3007654321"));
        EXPECT_EQ(r.value(QStringLiteral("Dia")).toString(), QStringLiteral("20"));
        EXPECT_EQ(r.value(QStringLiteral("Nro_X")).toString(), QStringLiteral("4455"));
        EXPECT_EQ(Importe::desdeColumna(r.value(QStringLiteral("Importe_Ret"))), imp("5.00"));
        EXPECT_EQ(r.value(QStringLiteral("MarcaImp")).toString(), QStringLiteral("C"));
        EXPECT_EQ(r.value(QStringLiteral("Estado")).toString(), QStringLiteral("5"));
    }
    EXPECT_EQ(f.valor("SELECT COUNT(*) FROM Retenciones").toInt(), 2);
    EXPECT_EQ(f.contador(), QStringLiteral("00000000"));
}

TEST(GrabacionRetenciones, AnularSoloCambiaElEstado)
{
    DatosEntrada f(QStringLiteral("14"));
    f.importada(QStringLiteral("00000009"), QStringLiteral("I"));
    f.sql("INSERT INTO Guias (Nro_Comprobante, Nro_Agente, NroGuia, Tipo, IdCabecera) "
          "VALUES ('00000009', '012345', 'Z0000001', 26, ?)", {f.idCabecera});
    const QSqlRecord antes = retencion(f, QStringLiteral("00000009"));

    anularRetencion(f.base, {f.idCabecera, QStringLiteral("00000009")});

    const QSqlRecord despues = retencion(f, QStringLiteral("00000009"));
    for (int i = 0; i < antes.count(); ++i) {
        if (antes.fieldName(i) == QLatin1String("Estado")) continue;
        EXPECT_EQ(despues.value(i), antes.value(i)) << antes.fieldName(i).toStdString();
    }
    EXPECT_EQ(despues.value(QStringLiteral("Estado")).toString(), QStringLiteral("4"));
    EXPECT_EQ(f.valor("SELECT COUNT(*) FROM Guias").toInt(), 1);
    EXPECT_EQ(f.contador(), QStringLiteral("00000000"));
    EXPECT_EQ(f.estadoCabecera(), QStringLiteral("1"));
}

TEST(GrabacionRetenciones, ObleaDelRegimen14)
{
    DatosEntrada f(QStringLiteral("14"));
    DatosRetencion d = datos();
    d.conOblea = true;
    d.oblea = QStringLiteral("Z0000015");
    const ClaveRetencion primera = grabarRetencionNueva(f.entorno, d);

    const auto guia = f.base.fila(QStringLiteral("SELECT * FROM Guias"));
    ASSERT_TRUE(guia);
    EXPECT_EQ(guia->value(QStringLiteral("Nro_Comprobante")).toString(), primera.nroComprobante);
    EXPECT_EQ(guia->value(QStringLiteral("Nro_Agente")).toString(), QStringLiteral("012345"));
    EXPECT_EQ(guia->value(QStringLiteral("NroGuia")).toString(), QStringLiteral("Z0000015"));
    EXPECT_EQ(guia->value(QStringLiteral("Tipo")).toInt(), 26);
    EXPECT_EQ(guia->value(QStringLiteral("Cantidad")).toDouble(), 1.0);
    EXPECT_EQ(guia->value(QStringLiteral("Total")).toLongLong(), 0);
    EXPECT_EQ(guia->value(QStringLiteral("Nro_Anticipo")).toString(), QString());
    EXPECT_FALSE(guia->value(QStringLiteral("Nro_porte")).isNull());
    EXPECT_EQ(guia->value(QStringLiteral("IdCabecera")).toLongLong(), f.idCabecera);

    // The stamp is now used; its own receipt under correction does not count.
    EXPECT_TRUE(obleaEnUso(f.base, QStringLiteral("Z0000015")));
    EXPECT_FALSE(obleaEnUso(f.base, QStringLiteral("Z0000015"), primera));

    // A correction replaces the stamp row, so the old stamp is free again.
    d.oblea = QStringLiteral("Z0000016");
    grabarCorreccion(f.entorno, primera, d);
    EXPECT_EQ(f.valor("SELECT COUNT(*) FROM Guias").toInt(), 1);
    EXPECT_FALSE(obleaEnUso(f.base, QStringLiteral("Z0000015")));
    EXPECT_TRUE(obleaEnUso(f.base, QStringLiteral("Z0000016")));

    // A receipt saved with the box empty carries no stamp row.
    d.oblea.clear();
    grabarRetencionNueva(f.entorno, d);
    EXPECT_EQ(f.valor("SELECT COUNT(*) FROM Guias").toInt(), 1);

    // Annulled, its stamp counts as free.
    anularRetencion(f.base, primera);
    EXPECT_FALSE(obleaEnUso(f.base, QStringLiteral("Z0000016")));
}

TEST(GrabacionRetenciones, ObleaUsadaSoloPorElComprobanteDeSuDeclaracion)
{
    // Branch 0002 has a receipt 00000001 of its own; a stamp row of branch 0001's receipt
    // 00000001 that was annulled must not be taken as used through it.
    DatosEntrada f(QStringLiteral("14"));
    const qint64 otra = f.nuevaCabecera(QStringLiteral("14"), QStringLiteral("05"),
                                        QStringLiteral("0002"));
    f.sql("INSERT INTO Retenciones (IdCabecera, Nro_Contrib, Nro_Comprobante, Estado) "
          "VALUES (?, '3001234567', '00000001', '4')", {f.idCabecera});
    f.sql("INSERT INTO Retenciones (IdCabecera, Nro_Contrib, Nro_Comprobante, Estado) "
          "VALUES (?, '3001234567', '00000001', '5')", {otra});
    f.sql("INSERT INTO Guias (Nro_Comprobante, Nro_Agente, NroGuia, Tipo, IdCabecera) "
          "VALUES ('00000001', '012345', 'Z0000020', 26, ?)", {f.idCabecera});
    EXPECT_FALSE(obleaEnUso(f.base, QStringLiteral("Z0000020")));

    EXPECT_TRUE(obleaBienFormada(QStringLiteral("Z0000020")));
    EXPECT_FALSE(obleaBienFormada(QStringLiteral("Z000002")));
    EXPECT_FALSE(obleaBienFormada(QStringLiteral("ZX000020")));
    EXPECT_FALSE(obleaBienFormada(QStringLiteral("Z")));
}

// The rate rule on the rows of a database and the save together: what each regime stores.
TEST(GrabacionRetenciones, ImportesGrabadosPorRegimenYOpcion)
{
    DatosEntrada f;
    const struct {
        const char* regimen;
        const char* sujeto;
        OpcionesAlicuota opciones;
        const char* bruto;
        const char* alicuota;
        const char* retenido;
    } casos[] = {
        {"01", "3001234567", {}, "1000", "2.5", "25.00"},                       // type 1
        {"01", "3001234567", {true, false, false}, "1000", "1.75", "17.50"},    // construction: "8"
        {"01", "9501234567", {true, false, false}, "1000", "2.25", "22.50"},    // type 2: "9"
        {"01", "3005555555", {}, "1000", "0", "0.00"},                          // no row for type 3
        {"02", "3001234567", {}, "1000.00", "3.5", "35.00"},
        {"06", "3001234567", {}, "-150", "1.5", "-2.25"},
        {"06", "3001234567", {}, "333.33", "1.5", "5.00"},
        {"07", "3001234567", {false, true, false}, "1234.56", "6", "74.07"},    // insurance: "5"
        {"07", "3001234567", {}, "0.10", "2", "0.00"},
        {"14", "3001234567", {}, "0.99", "0.5", "0.00"},
    };
    int mes = 0;
    for (const auto& c : casos) {
        // A declaration of the case's regime, in a month of its own.
        const QString regimen = QString::fromLatin1(c.regimen);
        f.activar(f.nuevaCabecera(regimen, QStringLiteral("%1").arg(++mes, 2, 10, QLatin1Char('0'))));
        const QString tipo =
            f.valor("SELECT Cod_Tipo FROM Contribuyentes WHERE Nro_Contrib = ?",
                    {QString::fromLatin1(c.sujeto)}).toString();
        const ResultadoAlicuota r = reglaAlicuota(
            reglasRegimen(regimen), tipo, c.opciones,
            [&](const QString& rg, const QString& t) { return buscarAlicuota(f.base, rg, t); });
        DatosRetencion d = datos(c.bruto, "0");
        d.nroContrib = QString::fromLatin1(c.sujeto);
        d.alicuota = r.alicuota;
        const ClaveRetencion clave = grabarRetencionNueva(f.entorno, d);
        const QSqlRecord fila = retencion(f, clave.nroComprobante, clave.idCabecera);
        EXPECT_EQ(Importe::desdeColumna(fila.value(QStringLiteral("Alicuota"))), imp(c.alicuota))
            << c.regimen << " " << c.sujeto;
        EXPECT_EQ(Importe::desdeColumna(fila.value(QStringLiteral("Importe_Ret"))), imp(c.retenido))
            << c.regimen << " " << c.sujeto;
        EXPECT_EQ(Importe::desdeColumna(fila.value(QStringLiteral("Importe_Bruto"))), imp(c.bruto));
    }
}

} // namespace
