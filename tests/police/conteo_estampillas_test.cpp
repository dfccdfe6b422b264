// The stamp counts of a shift: initial, new by remittances, sold, final.

#include "police/conteo_estampillas.h"

#include "support/datos_policiales.h"

#include <gtest/gtest.h>

namespace {

Turno turno(DatosPoliciales& f, qint64 codigo)
{
    return *leerTurno(f.base, codigo);
}

TEST(ConteoEstampillas, NuevasLasRemesasDelAgenteDespuesDelInicio)
{
    DatosPoliciales f;
    const qint64 k = f.turno("2008-05-10", "09:00:00", {100, 50, 0, 0});
    // Type A: one at the very start instant (not new), one a second later, one the next day, one
    // the day before, one of another agent.
    f.remesa("A", 101, 110, "2008-05-10", "09:00:00");
    f.remesa("A", 111, 130, "2008-05-10", "09:00:01");
    f.remesa("A", 131, 230, "2008-05-11", "07:00:00");
    f.remesa("A", 231, 240, "2008-05-09", "23:00:00");
    f.remesa("A", 500, 599, "2008-05-10", "12:00:00", QStringLiteral("099999"));
    f.remesa("B", 51, 60, "2008-05-10", "10:00:00");

    const ConteoEstampillas a = contarEstampillas(f.base, turno(f, k), 1);
    EXPECT_TRUE(a.conFila);
    EXPECT_EQ(a.inicial, 100);
    EXPECT_EQ(a.nuevas, 120);
    EXPECT_EQ(a.vendidas, 0);
    EXPECT_EQ(a.final, 220);
    EXPECT_EQ(contarEstampillas(f.base, turno(f, k), 2).nuevas, 10);
}

TEST(ConteoEstampillas, VendidasLasObleasDeLosComprobantesValidosConMultaDelTurno)
{
    DatosPoliciales f;
    const qint64 k = f.turno("2008-05-10", "09:00:00", {100, 50, 0, 0});
    const qint64 anterior = f.turno("2008-05-09", "09:00:00", {0, 0, 0, 0}, 0, "2008-05-09");
    // Counted: two stamps of one receipt, one of another.
    f.comprobante("00000001", k, {{"A0000001", 1}, {"A0000002", 1}});
    f.comprobante("00000002", k, {{"A0000003", 1}, {"B0000001", 2}});
    // Not counted: an annulled receipt, a receipt fined under another shift, a row whose number
    // does not begin with a stamp letter.
    f.comprobante("00000003", k, {{"A0000004", 1}}, "4");
    f.comprobante("00000004", anterior, {{"A0000005", 1}});
    f.comprobante("00000005", k, {{"00000006", 1}});
    // A receipt of the same number in another declaration is another receipt.
    const qint64 otra = f.nuevaCabecera(QStringLiteral("13"), QStringLiteral("06"));
    prueba::guia(f.base, {.comprobante = QStringLiteral("00000001"),
                          .agente = QStringLiteral("012345"),
                          .nroGuia = QStringLiteral("A0000007"),
                          .tipo = 1,
                          .idCabecera = otra});
    // Each stamp row counts one, whatever its quantity.
    f.base.ejecutar(QStringLiteral("UPDATE Guias SET Cantidad = 5 WHERE NroGuia = 'A0000003'"));

    const ConteoEstampillas a = contarEstampillas(f.base, turno(f, k), 1);
    EXPECT_EQ(a.vendidas, 3);
    EXPECT_EQ(a.final, 97);
    EXPECT_EQ(contarEstampillas(f.base, turno(f, k), 2).vendidas, 1);
}

// A receipt number stored twice in the declaration (both valid) still has its stamps once: each
// stamp row counts one, as the finish's list of fines shows it once.
TEST(ConteoEstampillas, ComprobanteRepetidoCuentaSusObleasUnaVez)
{
    DatosPoliciales f;
    const qint64 k = f.turno("2008-05-10", "09:00:00", {100, 50, 0, 0});
    f.comprobante("00000001", k, {{"A0000001", 1}, {"A0000002", 1}});
    f.base.ejecutar(QStringLiteral("INSERT INTO Retenciones SELECT * FROM Retenciones "
                                   "WHERE Nro_Comprobante = '00000001'"));

    const ConteoEstampillas a = contarEstampillas(f.base, turno(f, k), 1);
    EXPECT_EQ(a.vendidas, 2);
    EXPECT_EQ(a.final, 98);
}

TEST(ConteoEstampillas, SinFilaDelTipoEmpiezaEnCero)
{
    DatosPoliciales f;
    const qint64 k = f.turno("2008-05-10", "09:00:00", {100, 50, 0, 0});
    f.base.ejecutar(QStringLiteral("DELETE FROM Estampillas_Turnos WHERE Tipo = 1"));
    f.remesa("A", 101, 110, "2008-05-10", "10:00:00");
    f.comprobante("00000001", k, {{"A0000001", 1}, {"A0000002", 1}, {"A0000003", 1}});

    const ConteoEstampillas a = contarEstampillas(f.base, turno(f, k), 1);
    EXPECT_FALSE(a.conFila);
    EXPECT_EQ(a.inicial, 0);
    EXPECT_EQ(a.final, 7);
}

} // namespace
