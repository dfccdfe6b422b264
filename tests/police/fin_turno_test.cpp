// Finishing a shift: the counts and totals stored, found by the shift's code, in one transaction.

#include "police/fin_turno.h"

#include "support/datos_policiales.h"

#include <gtest/gtest.h>

namespace {

const QDate kFin(2008, 5, 10);
const QTime kHoraFin(18, 30, 15);

QSqlRecord cuentas(DatosPoliciales& f, qint64 codTurno, int tipo)
{
    return *f.base.fila(QStringLiteral("SELECT * FROM Estampillas_Turnos "
                                       "WHERE Cod_Turno = ? AND Tipo = ?"),
                        {codTurno, tipo});
}

TEST(FinTurno, GuardaLasCuentasYLosTotales)
{
    DatosPoliciales f;
    f.sql("UPDATE Tipos SET Valor = ? WHERE Clase = 2 AND Tipo = 1", {tasa("10.50")});
    const qint64 k = f.turno("2008-05-10", "09:00:00", {100, 50, 0, 0});
    f.comprobante("00000001", k, {{"A0000001", 1}, {"A0000002", 1}});
    f.remesa("B", 51, 60, "2008-05-10", "12:00:00");
    // A shift of another declaration that started at the very same instant: the shift is found by
    // its code, not by its start.
    f.turno("2008-05-10", "09:00:00", {0, 0, 0, 0}, f.nuevaCabecera(QStringLiteral("13"), "04"));

    const auto totales = finalizarTurno(f.base, k, kFin, kHoraFin);
    ASSERT_TRUE(totales);
    EXPECT_EQ(totales->estampillas, Importe::desdeCentavos(2100));
    EXPECT_EQ(totales->multas, Importe::desdeCentavos(6300));

    const Turno t = *leerTurno(f.base, k);
    EXPECT_EQ(t.fechaHasta, kFin);
    EXPECT_EQ(t.horaHasta, kHoraFin);
    EXPECT_EQ(t.totalEstampillas, Importe::desdeCentavos(2100));
    EXPECT_EQ(t.totalMultas, Importe::desdeCentavos(6300));

    const struct {
        int tipo;
        qint64 nuevas, vendidas, final;
    } esperadas[] = {{1, 0, 2, 98}, {2, 10, 0, 60}, {3, 0, 0, 0}, {4, 0, 0, 0}};
    for (const auto& e : esperadas) {
        const QSqlRecord r = cuentas(f, k, e.tipo);
        EXPECT_EQ(r.value(QStringLiteral("Nuevas_x_Remesas")).toLongLong(), e.nuevas) << e.tipo;
        EXPECT_EQ(r.value(QStringLiteral("Cantidad_Vendidas")).toLongLong(), e.vendidas) << e.tipo;
        EXPECT_EQ(r.value(QStringLiteral("Cantidad_Final")).toLongLong(), e.final) << e.tipo;
    }
}

TEST(FinTurno, SinComprobantesTotalesCeroYFinalIgualAlInicioMasLasNuevas)
{
    DatosPoliciales f;
    const qint64 k = f.turno("2008-05-10", "09:00:00", {100, 50, 0, 0});
    // A type the shift has no count of is neither stored nor charged.
    f.sql("DELETE FROM Estampillas_Turnos WHERE Tipo = 4");
    f.comprobante("00000001", 999, {{"D0000001", 4}});
    f.remesa("A", 101, 120, "2008-05-10", "10:00:00");

    const auto totales = finalizarTurno(f.base, k, kFin, kHoraFin);
    ASSERT_TRUE(totales);
    EXPECT_TRUE(totales->estampillas.esCero());
    EXPECT_TRUE(totales->multas.esCero());
    EXPECT_EQ(cuentas(f, k, 1).value(QStringLiteral("Cantidad_Final")).toLongLong(), 120);
    EXPECT_EQ(cuentas(f, k, 2).value(QStringLiteral("Cantidad_Final")).toLongLong(), 50);
    EXPECT_EQ(f.contar(QStringLiteral("SELECT COUNT(*) FROM Estampillas_Turnos WHERE Cod_Turno = ?"),
                       {k}),
              3);
}

TEST(FinTurno, UnTurnoCerradoOInexistenteNoSeToca)
{
    DatosPoliciales f;
    const qint64 cerrado = f.turno("2008-05-09", "09:00:00", {100, 50, 0, 0}, 0, "2008-05-09",
                                   {100, 50, 0, 0});
    f.remesa("A", 101, 120, "2008-05-09", "10:00:00");
    EXPECT_FALSE(finalizarTurno(f.base, cerrado, kFin, kHoraFin));
    EXPECT_FALSE(finalizarTurno(f.base, cerrado + 100, kFin, kHoraFin));
    const Turno t = *leerTurno(f.base, cerrado);
    EXPECT_EQ(t.fechaHasta, QDate(2008, 5, 9));
    EXPECT_EQ(cuentas(f, cerrado, 1).value(QStringLiteral("Cantidad_Final")).toLongLong(), 100);
}

TEST(FinTurno, UnaFallaDejaElTurnoComoEstaba)
{
    DatosPoliciales f;
    const qint64 k = f.turno("2008-05-10", "09:00:00", {100, 50, 0, 0});
    f.comprobante("00000001", k, {{"A0000001", 1}});
    f.sql("CREATE TRIGGER falla BEFORE UPDATE ON Turnos BEGIN SELECT RAISE(ABORT, 'disco lleno'); END");

    EXPECT_THROW(finalizarTurno(f.base, k, kFin, kHoraFin), ErrorMotor);
    EXPECT_TRUE(leerTurno(f.base, k)->abierto());
    EXPECT_EQ(cuentas(f, k, 1).value(QStringLiteral("Cantidad_Vendidas")).toLongLong(), 0);
    EXPECT_EQ(cuentas(f, k, 1).value(QStringLiteral("Cantidad_Final")).toLongLong(), 0);
}

} // namespace
