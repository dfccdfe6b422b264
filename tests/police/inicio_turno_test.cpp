// Starting a shift: the clock guard, the counts it starts with, and one transaction.

#include "police/inicio_turno.h"

#include "support/datos_policiales.h"

#include <gtest/gtest.h>

namespace {

const QDate kDia(2008, 5, 10);
const QTime kHora(9, 0, 0);

ResultadoInicio iniciar(DatosPoliciales& f, QDate dia = kDia, QTime hora = kHora)
{
    return iniciarTurno(f.base, *f.entorno.cabeceraActual(), dia, hora);
}

// The initial counts of types 1 to 4 of a shift.
std::vector<qint64> iniciales(DatosPoliciales& f, qint64 codTurno)
{
    std::vector<qint64> c;
    for (const QSqlRecord& fila :
         f.base.filas(QStringLiteral("SELECT Cantidad_Inicial FROM Estampillas_Turnos "
                                     "WHERE Cod_Turno = ? ORDER BY Tipo"),
                      {codTurno}))
        c.push_back(fila.value(0).toLongLong());
    return c;
}

TEST(InicioTurno, ElRelojDebeSuperarCadaInicioGuardado)
{
    // A shift of another declaration started on 10/05/2008 at 09:00:00.
    const struct {
        const char* caso;
        QDate dia;
        QTime hora;
        InicioTurno esperado;
    } casos[] = {
        {"un día antes", QDate(2008, 5, 9), QTime(23, 0), InicioTurno::RelojAtrasado},
        {"el mismo día, antes", kDia, QTime(8, 59, 59), InicioTurno::RelojAtrasado},
        {"el mismo instante", kDia, kHora, InicioTurno::RelojAtrasado},
        {"un segundo después", kDia, QTime(9, 0, 1), InicioTurno::Iniciado},
        {"al día siguiente, más temprano", QDate(2008, 5, 11), QTime(6, 0), InicioTurno::Iniciado},
    };
    for (const auto& c : casos) {
        DatosPoliciales f;
        const qint64 otra = f.nuevaCabecera(QStringLiteral("13"), QStringLiteral("04"));
        f.turno("2008-05-10", "09:00:00", {0, 0, 0, 0}, otra, "2008-05-10");
        const ResultadoInicio r = iniciar(f, c.dia, c.hora);
        EXPECT_EQ(r.estado, c.esperado) << c.caso;
        EXPECT_EQ(f.contar(QStringLiteral("SELECT COUNT(*) FROM Turnos")),
                  c.esperado == InicioTurno::Iniciado ? 2 : 1)
            << c.caso;
    }
}

TEST(InicioTurno, ElTurnoYSusCuentasConSuPropioCodigo)
{
    DatosPoliciales f;
    // Left by an interrupted start of an older version: this declaration's go.
    prueba::estampillasTurno(f.base, {.idCabecera = f.idCabecera, .codTurno = -1, .tipo = 1});

    const ResultadoInicio r = iniciar(f);
    ASSERT_EQ(r.estado, InicioTurno::Iniciado);
    const Turno t = *leerTurno(f.base, r.codTurno);
    EXPECT_EQ(t.idCabecera, f.idCabecera);
    EXPECT_EQ(t.fechaDesde, kDia);
    EXPECT_EQ(t.horaDesde, kHora);
    EXPECT_TRUE(t.abierto());
    EXPECT_TRUE(t.totalEstampillas.esCero());
    // The first shift of the agent: the size of its latest remittance of each letter, or 0.
    EXPECT_EQ(iniciales(f, r.codTurno), (std::vector<qint64>{100, 50, 0, 0}));
    EXPECT_EQ(f.contar(QStringLiteral("SELECT COUNT(*) FROM Estampillas_Turnos "
                                      "WHERE Cod_Turno = -1")),
              0);

    // A second start of the declaration while this one is open.
    EXPECT_EQ(iniciar(f, kDia, QTime(10, 0)).estado, InicioTurno::TurnoAbierto);
}

TEST(InicioTurno, CuentaInicialDelUltimoTurnoDelMismoAgente)
{
    DatosPoliciales f;
    // The agent's latest remittance of "A" is the one of the latest date and time, not the largest.
    f.remesa("A", 101, 400, "2008-04-01", "08:00:00");
    f.remesa("A", 401, 410, "2008-05-02", "08:00:00");
    const ResultadoInicio primero = iniciar(f, QDate(2008, 5, 3));
    EXPECT_EQ(iniciales(f, primero.codTurno), (std::vector<qint64>{10, 50, 0, 0}));

    // Its finished shift of another declaration leaves its final counts; a later shift of another
    // agent counts for nothing here.
    f.base.ejecutar(QStringLiteral("DELETE FROM Estampillas_Turnos"));
    f.base.ejecutar(QStringLiteral("DELETE FROM Turnos"));
    const qint64 abril = f.nuevaCabecera(QStringLiteral("13"), QStringLiteral("04"));
    f.turno("2008-05-05", "09:00:00", {0, 0, 0, 0}, abril, "2008-05-05", {70, 40, 3, 0});
    prueba::agente(f.base, {.nro = QStringLiteral("099999"), .razonSocial = QStringLiteral("OTRO")});
    const qint64 ajena = prueba::cabecera(f.base, {.agente = QStringLiteral("099999"),
                                                   .sucursal = QStringLiteral("0001"),
                                                   .regimen = QStringLiteral("13"),
                                                   .anio = QStringLiteral("2008"),
                                                   .mes = QStringLiteral("05"),
                                                   .rectifica = QStringLiteral("00"),
                                                   .estado = QStringLiteral("1")});
    f.turno("2008-05-06", "09:00:00", {0, 0, 0, 0}, ajena, "2008-05-06", {999, 999, 999, 999});
    const ResultadoInicio segundo = iniciar(f);
    EXPECT_EQ(iniciales(f, segundo.codTurno), (std::vector<qint64>{70, 40, 3, 0}));
}

TEST(InicioTurno, DeUnTurnoAunAbiertoSuCuentaViva)
{
    DatosPoliciales f;
    const qint64 abril = f.nuevaCabecera(QStringLiteral("13"), QStringLiteral("04"));
    const qint64 abierto = f.turno("2008-05-05", "09:00:00", {80, 40, 0, 0}, abril);
    f.comprobante("00000001", abierto, {{"A0000001", 1}, {"A0000002", 1}}, "5", abril);
    f.remesa("B", 51, 60, "2008-05-06", "08:00:00");

    const ResultadoInicio r = iniciar(f);
    EXPECT_EQ(iniciales(f, r.codTurno), (std::vector<qint64>{78, 50, 0, 0}));
}

TEST(InicioTurno, UnaCuentaFinalDeMenosUnoNoSeArrastra)
{
    DatosPoliciales f;
    const qint64 abril = f.nuevaCabecera(QStringLiteral("13"), QStringLiteral("04"));
    f.turno("2008-05-05", "09:00:00", {0, 0, 0, 0}, abril, "2008-05-05", {-1, 7, -2, 0});

    const ResultadoInicio r = iniciar(f);
    EXPECT_EQ(iniciales(f, r.codTurno), (std::vector<qint64>{100, 7, -2, 0}));
}

TEST(InicioTurno, UnaFallaNoDejaNada)
{
    DatosPoliciales f;
    f.base.ejecutar(QStringLiteral("CREATE TRIGGER falla BEFORE INSERT ON Estampillas_Turnos "
                                   "WHEN NEW.Tipo = 3 BEGIN SELECT RAISE(ABORT, 'disco lleno'); END"));
    EXPECT_THROW(iniciar(f), ErrorMotor);
    EXPECT_EQ(f.contar(QStringLiteral("SELECT COUNT(*) FROM Turnos")), 0);
    EXPECT_EQ(f.contar(QStringLiteral("SELECT COUNT(*) FROM Estampillas_Turnos")), 0);
}

} // namespace
