// Saving a police receipt: the receipt, its pending stamps and its fine, in one transaction.

#include "police/grabacion_policial.h"
#include "entry/detalle_pendiente.h"
#include "entry/grabacion_retenciones.h"

#include "support/datos_policiales.h"

#include <gtest/gtest.h>

namespace {

const QDate kHoy(2008, 5, 17);
const QTime kAhora(11, 45, 30);

DatosRetencionPolicial datos(DatosPoliciales& f, const char* importe = "130", const char* multa = "390")
{
    DatosRetencionPolicial d;
    d.nroContrib = QStringLiteral("3001234567");
    d.dia = QStringLiteral("17");
    d.nroX = QStringLiteral("0");
    d.importe = *Importe::leer(QString::fromLatin1(importe));
    d.codPolicia = f.lopez;
    d.multa = *Importe::leer(QString::fromLatin1(multa));
    return d;
}

TEST(GrabacionPolicial, ElComprobanteSusObleasYSuMultaBajoElTurnoAbierto)
{
    DatosPoliciales f;
    const qint64 cerrado = f.turno("2008-05-16", "08:00:00", {0, 0, 0, 0}, 0, "2008-05-16");
    const qint64 abierto = f.turno("2008-05-17", "08:00:00", {100, 50, 0, 0});
    f.obleaPendiente("A0000001", 1, "65");
    f.obleaPendiente("A0000002", 1, "65");
    // A pending row the detail window stored without its declaration gets it as well.
    f.sql("UPDATE Guias SET IdCabecera = 0 WHERE NroGuia = 'A0000002'");

    const ClaveRetencion clave = grabarRetencionPolicial(f.entorno, datos(f), kHoy, kAhora);
    EXPECT_EQ(clave.nroComprobante, QStringLiteral("00000001"));

    const Retencion r = *leerRetencion(f.base, clave);
    EXPECT_EQ(r.importeBruto, Importe::desdeEntero(130));
    EXPECT_EQ(r.importeRet, Importe::desdeEntero(130));
    EXPECT_EQ(r.alicuota, Importe::desdeEntero(100));
    EXPECT_EQ(r.codConcepto, QStringLiteral("98"));
    EXPECT_EQ(r.estado, QStringLiteral("5"));
    EXPECT_EQ(f.estadoCabecera(), QStringLiteral("2"));
    EXPECT_EQ(f.contador(), QStringLiteral("00000001"));

    EXPECT_EQ(leerGuias(f.base, clave).size(), 2u);
    EXPECT_EQ(f.contar(QStringLiteral("SELECT COUNT(*) FROM Guias WHERE Nro_Comprobante = '0'")), 0);

    const QSqlRecord m = *f.base.fila(QStringLiteral("SELECT * FROM Multas_cobradas"));
    EXPECT_EQ(m.value(QStringLiteral("IdCabecera")).toLongLong(), f.idCabecera);
    EXPECT_EQ(m.value(QStringLiteral("Nro_Comprobante")).toString(), QStringLiteral("00000001"));
    EXPECT_EQ(m.value(QStringLiteral("CodPolicia")).toLongLong(), f.lopez);
    EXPECT_EQ(Importe::desdeColumna(m.value(QStringLiteral("Importe_Multa"))), Importe::desdeEntero(390));
    EXPECT_EQ(m.value(QStringLiteral("Fecha_cobro")).toString(), QStringLiteral("2008-05-17"));
    EXPECT_EQ(m.value(QStringLiteral("Hora_Cobro")).toString(), QStringLiteral("11:45:30"));
    EXPECT_EQ(m.value(QStringLiteral("Cod_Turno")).toLongLong(), abierto);
    EXPECT_NE(abierto, cerrado);
}

TEST(GrabacionPolicial, SinTurnoAbiertoNoSeGrabaNada)
{
    DatosPoliciales f;
    f.obleaPendiente("A0000001", 1, "65");
    EXPECT_THROW(grabarRetencionPolicial(f.entorno, datos(f), kHoy, kAhora), SinTurnoAbierto);
    EXPECT_EQ(f.contar(QStringLiteral("SELECT COUNT(*) FROM Retenciones")), 0);
    EXPECT_EQ(f.contador(), QStringLiteral("00000000"));
    EXPECT_EQ(f.contar(QStringLiteral("SELECT COUNT(*) FROM Guias WHERE Nro_Comprobante = '0'")), 1);
}

TEST(GrabacionPolicial, UnaFallaDejaLaBaseComoEstabaYElEntornoAlDia)
{
    DatosPoliciales f;
    f.turno("2008-05-17", "08:00:00", {100, 50, 0, 0});
    f.obleaPendiente("A0000001", 1, "65");
    f.sql("CREATE TRIGGER falla BEFORE INSERT ON Multas_cobradas "
          "BEGIN SELECT RAISE(ABORT, 'disco lleno'); END");

    EXPECT_THROW(grabarRetencionPolicial(f.entorno, datos(f), kHoy, kAhora), ErrorMotor);
    EXPECT_EQ(f.contar(QStringLiteral("SELECT COUNT(*) FROM Retenciones")), 0);
    EXPECT_EQ(f.contador(), QStringLiteral("00000000"));
    EXPECT_EQ(f.estadoCabecera(), QStringLiteral("1"));
    EXPECT_EQ(f.contar(QStringLiteral("SELECT COUNT(*) FROM Guias WHERE Nro_Comprobante = '0'")), 1);
    // The environment shows what is stored, not the number that was never issued.
    EXPECT_EQ(f.entorno.sucursalActual()->nroComprobante, QStringLiteral("00000000"));
    EXPECT_EQ(f.entorno.cabeceraActual()->estado, QStringLiteral("1"));
}

TEST(DetallePendiente, LasObleasConLaDescripcionDeSuTipoYNuevaLasBorra)
{
    DatosPoliciales f;
    f.obleaPendiente("A0000001", 1, "65");
    f.obleaPendiente("C0000009", 3, "25");
    f.obleaPendiente("B0000004", 7, "45");  // a type the goods class does not have

    const auto obleas = obleasPendientes(f.base, 2);
    ASSERT_EQ(obleas.size(), 3u);
    EXPECT_EQ(obleas[0].nroGuia, QStringLiteral("A0000001"));
    EXPECT_EQ(obleas[0].descripcion, QStringLiteral("SOJA / GIRASOL / FORRAJERAS"));
    EXPECT_EQ(obleas[1].descripcion, QStringLiteral("MAIZ / SORGO"));
    EXPECT_FALSE(obleas[2].descripcion);

    // A saved receipt's rows stay when the next one drops the pending ones.
    prueba::guia(f.base, {.comprobante = QStringLiteral("00000001"),
                          .agente = QStringLiteral("012345"),
                          .nroGuia = QStringLiteral("A0000099"),
                          .tipo = 1,
                          .idCabecera = f.idCabecera});
    borrarDetallePendiente(f.base);
    EXPECT_TRUE(obleasPendientes(f.base, 2).empty());
    EXPECT_EQ(f.contar(QStringLiteral("SELECT COUNT(*) FROM Guias")), 1);
}

} // namespace
