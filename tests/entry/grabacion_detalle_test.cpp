// Saving a receipt with its detail rows and its other withholdings, on a real database: one
// transaction, whatever write fails.

#include "entry/grabacion_detalle.h"

#include "support/datos_entrada.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

DatosRetencion datos()
{
    DatosRetencion d;
    d.nroContrib = u"3001234567"_s;
    d.dia = u"12"_s;
    d.bruto = Importe::desdeEntero(1000);
    d.alicuota = Importe::desdeEntero(2);
    d.nroX = u"0"_s;
    d.codConcepto = u"97"_s;
    d.retenido = Importe::desdeEntero(15);
    return d;
}

// Two advances of the receipt being entered, as their window stores them.
void pendientes(DatosEntrada& f)
{
    for (const char* anticipo : {"1", "2"})
        prueba::guia(f.base, {.comprobante = u"0"_s, .agente = u"000123"_s, .nroGuia = u"0"_s,
                              .tipo = 0, .total = prueba::monto("2.50"),
                              .nroAnticipo = QString::fromLatin1(anticipo), .nroPorte = u"0"_s,
                              .idCabecera = f.idCabecera});
}

TEST(GrabacionDetalle, ElComprobanteSeLlevaSusFilasPendientes)
{
    DatosEntrada f(u"11"_s);
    pendientes(f);
    const ClaveRetencion clave =
        grabarRetencionConDetalle(f.entorno, datos(), Importe::desdeEntero(5));
    EXPECT_EQ(clave.nroComprobante, u"00000001"_s);
    EXPECT_EQ(f.contar(u"SELECT COUNT(*) FROM Guias WHERE Nro_Comprobante = '00000001' "
                       u"AND IdCabecera = ?"_s, {f.idCabecera}),
              2);
    EXPECT_EQ(f.contar(u"SELECT COUNT(*) FROM Guias WHERE Nro_Comprobante = '0'"_s), 0);
    EXPECT_EQ(f.valor("SELECT Otras_Reten FROM Retenciones_B").toLongLong(),
              Importe::desdeEntero(5).diezmilesimos());
    EXPECT_EQ(f.valor("SELECT Importe_Ret FROM Retenciones").toLongLong(),
              Importe::desdeEntero(15).diezmilesimos());

    // A correction keeps its rows' number and replaces its other withholdings.
    grabarCorreccionConDetalle(f.entorno, clave, datos(), Importe::desdeEntero(7));
    EXPECT_EQ(f.contar(u"SELECT COUNT(*) FROM Retenciones_B"_s), 1);
    EXPECT_EQ(f.valor("SELECT Otras_Reten FROM Retenciones_B").toLongLong(),
              Importe::desdeEntero(7).diezmilesimos());
}

// Whichever write fails (the last ones of the save included), nothing of the save stays: the
// number is not spent, the declaration keeps its state, the rows stay pending.
TEST(GrabacionDetalle, UnaFallaEnCualquierEscrituraNoDejaNada)
{
    const char* fallas[] = {
        "BEFORE UPDATE ON Cabeceras",
        "BEFORE UPDATE ON Sucursales",
        "BEFORE INSERT ON Retenciones",
        "BEFORE UPDATE ON Guias",
        "BEFORE INSERT ON Retenciones_B",
    };
    for (const char* falla : fallas) {
        SCOPED_TRACE(falla);
        DatosEntrada f(u"11"_s);
        pendientes(f);
        f.sql(QStringLiteral("CREATE TRIGGER falla %1 BEGIN SELECT RAISE(ABORT, 'disco lleno'); END")
                  .arg(QString::fromLatin1(falla))
                  .toUtf8()
                  .constData());
        EXPECT_THROW(grabarRetencionConDetalle(f.entorno, datos(), Importe::desdeEntero(5)),
                     ErrorMotor);
        EXPECT_EQ(f.contador(), u"00000000"_s);
        EXPECT_EQ(f.estadoCabecera(), u"1"_s);
        EXPECT_EQ(f.contar(u"SELECT COUNT(*) FROM Retenciones"_s), 0);
        EXPECT_EQ(f.contar(u"SELECT COUNT(*) FROM Retenciones_B"_s), 0);
        EXPECT_EQ(f.contar(u"SELECT COUNT(*) FROM Guias WHERE Nro_Comprobante = '0'"_s), 2);

        f.sql("DROP TRIGGER falla");
        EXPECT_EQ(grabarRetencionConDetalle(f.entorno, datos(), Importe::desdeEntero(5))
                      .nroComprobante,
                  u"00000001"_s);
    }
}

} // namespace
