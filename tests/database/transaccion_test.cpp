// A user action lands whole or not at all, also when the disk fills up or another program holds
// the file in the middle of it.

#include "database/base_datos.h"
#include "database/transaccion.h"
#include "support/carpeta_temporal.h"
#include "support/disco_lleno.h"

#include <QSqlDriver>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

void agregarConcepto(BaseDatos& base, const char* codigo)
{
    base.ejecutar(QStringLiteral("INSERT INTO Conceptos (Cod_Concepto, Descripcion) VALUES (?, 'X')"),
                  {QString::fromLatin1(codigo)});
}

int conceptos(BaseDatos& base, const char* codigo)
{
    return base.valor(QStringLiteral("SELECT COUNT(*) FROM Conceptos WHERE Cod_Concepto = ?"),
                      {QString::fromLatin1(codigo)})
        .toInt();
}

// A routine that keeps its own work whole and goes on after its own failure (as the seeds do)
// must not let its caller go on writing outside the transaction the engine has ended.
TEST(Transaccion, UnDiscoLlenoDetieneLaOperacionEntera)
{
    CarpetaTemporal carpeta;
    carpeta.crearBaseInstalada();
    DiscoLleno disco;
    BaseDatos base;
    base.abrir(carpeta.base());

    bool confirmada = false;
    try {
        Transaccion operacion(base);
        agregarConcepto(base, "71");
        disco.lleno();
        try {
            Transaccion paso(base);
            // Enough rows to make the engine write to the disk before the commit.
            for (int i = 0; i < 20000; ++i)
                base.ejecutar(QStringLiteral("INSERT INTO Ayudas (Clave, Texto) VALUES (?, ?)"),
                              {QStringLiteral("k%1").arg(i), QString(200, QLatin1Char('x'))});
            paso.confirmar();
        } catch (const ErrorMotor& error) {
            EXPECT_EQ(error.numero(), errores::DiscoLleno) << error.textoGuion().toStdString();
        }
        disco.vacio();
        agregarConcepto(base, "72");
        operacion.confirmar();
        confirmada = true;
    } catch (const ErrorMotor& error) {
        EXPECT_EQ(error.numero(), errores::DiscoLleno) << error.textoGuion().toStdString();
    }
    EXPECT_GT(disco.rechazadas(), 0);
    EXPECT_FALSE(base.transaccionAbierta());
    // Whole or nothing: never the caller's later row without its earlier one.
    EXPECT_EQ(conceptos(base, "71"), confirmada ? 1 : 0);
    EXPECT_EQ(conceptos(base, "72"), confirmada ? 1 : 0);
}

// An action refused because another program reads the file leaves the connection without a
// transaction, and the next action, once the file is free, lands for good.
TEST(Transaccion, UnCommitRehusadoNoDejaNadaAbierto)
{
    CarpetaTemporal carpeta;
    carpeta.crearBaseInstalada();
    BaseDatos base;
    base.abrir(carpeta.base());
    base.setEsperaOcupada(50);

    BaseDatos lector;
    lector.abrir(carpeta.base());
    lector.ejecutar(QStringLiteral("BEGIN"));
    lector.valor(QStringLiteral("SELECT COUNT(*) FROM Conceptos"));
    try {
        Transaccion t(base);
        agregarConcepto(base, "71");
        t.confirmar();
        ADD_FAILURE() << "la confirmación debió fallar";
    } catch (const ErrorMotor& error) {
        EXPECT_EQ(error.numero(), errores::BaseOcupada);
        EXPECT_TRUE(error.descripcion().contains(QStringLiteral("No se guardó nada")));
    }
    EXPECT_FALSE(base.transaccionAbierta());
    lector.ejecutar(QStringLiteral("ROLLBACK"));

    {
        Transaccion t(base);
        agregarConcepto(base, "72");
        t.confirmar();
    }
    base.cerrar();
    base.abrir(carpeta.base());
    EXPECT_EQ(conceptos(base, "71"), 0);
    EXPECT_EQ(conceptos(base, "72"), 1);
}

// A large action while another program holds a read transaction: it meets the busy wait once, at
// its start, and fails there with the usual message, keeping nothing. Begun without the write
// lock, every page it had to move to the file would wait out the busy time again.
TEST(Transaccion, UnaAccionGrandeEsperaUnaSolaVezAlLector)
{
    CarpetaTemporal carpeta;
    carpeta.crearBaseInstalada();
    BaseDatos base;
    base.abrir(carpeta.base());
    BaseDatos lector;
    lector.abrir(carpeta.base());
    lector.ejecutar(QStringLiteral("BEGIN"));
    lector.valor(QStringLiteral("SELECT COUNT(*) FROM Ayudas"));

    // Each time the engine meets the lock it gives up at once; the test counts the times.
    int esperas = 0;
    const QVariant manija = base.conexion().driver()->handle();
    sqlite3* db = *static_cast<sqlite3* const*>(manija.constData());
    sqlite3_busy_handler(
        db,
        [](void* cuenta, int) {
            ++*static_cast<int*>(cuenta);
            return 0;
        },
        &esperas);

    int escritas = 0;
    try {
        Transaccion t(base);
        // Far more than the engine's page cache holds.
        for (; escritas < 20000; ++escritas)
            base.ejecutar(QStringLiteral("INSERT INTO Ayudas (Clave, Texto) VALUES (?, ?)"),
                          {QStringLiteral("k%1").arg(escritas), QString(200, QLatin1Char('x'))});
        t.confirmar();
        ADD_FAILURE() << "la acción debió fallar";
    } catch (const ErrorMotor& error) {
        EXPECT_EQ(error.numero(), errores::BaseOcupada);
        EXPECT_TRUE(error.descripcion().contains(QStringLiteral("No se guardó nada")));
    }
    EXPECT_EQ(esperas, 1);
    EXPECT_EQ(escritas, 0);
    EXPECT_FALSE(base.transaccionAbierta());
    lector.ejecutar(QStringLiteral("ROLLBACK"));
    EXPECT_EQ(base.valor(QStringLiteral("SELECT COUNT(*) FROM Ayudas WHERE Clave LIKE 'k%'")).toInt(), 0);
}

} // namespace
