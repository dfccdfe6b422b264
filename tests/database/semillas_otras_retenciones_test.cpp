// The repair of other withholdings that merely repeat a receipt's own withheld amount.

#include "database/base_datos.h"
#include "database/importe.h"
#include "database/modifica_base.h"
#include "support/carpeta_temporal.h"
#include "support/filas_prueba.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr const char* kAgente = "000001";
constexpr const char* kOtroAgente = "000002";

struct Detalle {
    qint64 nroClave;  // the detail rows are numbered in this order, not in the order written
    const char* agente;
    bool otroRecibo = false;
};

struct Caso {
    const char* caso;
    const char* regimen;
    qint64 retenido;     // the receipt's own withheld amount
    qint64 otras;        // its other withholdings
    std::vector<Detalle> detalles;
    qint64 despues;      // other withholdings after the next start
};

const Caso kCasos[] = {
    {"11 sin detalle", "11", 150, 150, {}, 0},
    {"11 con un anticipo", "11", 150, 150, {{1, kAgente}}, 150},
    {"11 con detalle de otro recibo", "11", 150, 150, {{1, kAgente, true}}, 0},
    {"11 con otro importe", "11", 150, 100, {}, 100},
    {"12 sin detalle", "12", 150, 150, {}, 0},
    {"12 con detalle del propio agente", "12", 150, 150, {{1, kAgente}}, 0},
    {"12 con el primer detalle de otro agente", "12", 150, 150, {{20, kAgente}, {10, kOtroAgente}}, 150},
    {"12 con el primer detalle del propio agente", "12", 150, 150, {{20, kOtroAgente}, {10, kAgente}}, 0},
    {"12 con otro importe", "12", 150, 100, {}, 100},
    {"09 sin detalle", "09", 150, 150, {}, 150},
    {"16 sin detalle", "16", 150, 150, {}, 150},
};

// Every case is its own declaration with the same receipt number.
const QString kRecibo = QStringLiteral("00000001");

qint64 cargar(BaseDatos& base, const Caso& c, std::size_t orden)
{
    const QString sucursal = QStringLiteral("%1").arg(orden, 4, 10, QLatin1Char('0'));
    const qint64 cabecera = prueba::cabecera(base, QString::fromLatin1(kAgente), sucursal,
                                             QStringLiteral("05"), QString::fromLatin1(c.regimen));
    base.ejecutar(QStringLiteral("INSERT INTO Retenciones (IdCabecera, Nro_Contrib, Importe_Ret, "
                                 "Nro_Comprobante, Estado) VALUES (?, '3000000017', ?, ?, '1')"),
                  {cabecera, Importe::desdeEntero(c.retenido).aColumna(), kRecibo});
    base.ejecutar(QStringLiteral("INSERT INTO Retenciones_B (IdCabecera, Nro_Comprobante, "
                                 "Otras_Reten) VALUES (?, ?, ?)"),
                  {cabecera, kRecibo, Importe::desdeEntero(c.otras).aColumna()});
    for (const Detalle& d : c.detalles)
        base.ejecutar(QStringLiteral("INSERT INTO Guias (Nro_clave, Nro_Comprobante, Nro_Agente, "
                                     "IdCabecera) VALUES (?, ?, ?, ?)"),
                      {d.nroClave + 100 * qint64(orden), d.otroRecibo ? QStringLiteral("00000002") : kRecibo,
                       QString::fromLatin1(d.agente), cabecera});
    return cabecera;
}

qint64 otrasRetenciones(BaseDatos& base, qint64 cabecera)
{
    const QVariant otras = base.valor(
        QStringLiteral("SELECT Otras_Reten FROM Retenciones_B WHERE IdCabecera = ?"), {cabecera});
    EXPECT_EQ(otras.typeId(), QMetaType::LongLong);
    return Importe::desdeColumna(otras).diezmilesimos();
}

void arrancar(BaseDatos& base)
{
    DialogosGuionados dialogs;
    ASSERT_EQ(ModificaBase(base, dialogs).actualizar(), ResultadoActualizacion::SinCambios);
    EXPECT_TRUE(dialogs.mensajes.empty());
}

// A new install's database.
class SemillasOtrasRetenciones : public ::testing::Test {
protected:
    SemillasOtrasRetenciones()
    {
        carpeta.crearBaseInstalada();
        base.abrir(carpeta.base());
    }

    CarpetaTemporal carpeta;
    BaseDatos base;
};

TEST_F(SemillasOtrasRetenciones, SeLimpianSoloLasQueNadaJustifica)
{
    std::vector<qint64> cabeceras;
    for (std::size_t i = 0; i < std::size(kCasos); ++i) cabeceras.push_back(cargar(base, kCasos[i], i));
    arrancar(base);

    for (std::size_t i = 0; i < std::size(kCasos); ++i)
        EXPECT_EQ(otrasRetenciones(base, cabeceras[i]), Importe::desdeEntero(kCasos[i].despues).diezmilesimos())
            << kCasos[i].caso;
}

// A start reads only the declarations changed since the last one: every change that can leave a
// receipt with nothing that accounts for its other withholdings is found at the next start, after
// a start that left it as it was.
struct Cambio {
    const char* caso;
    Caso antes;                       // survives the first start unchanged
    std::vector<const char*> sql;     // each "?" is the declaration's key
};

const Cambio kCambios[] = {
    {"otras igualadas al retenido", {"", "11", 150, 100, {}, 100},
     {"UPDATE Retenciones_B SET Otras_Reten = 1500000 WHERE IdCabecera = ?"}},
    {"retenido igualado a las otras", {"", "11", 150, 100, {}, 100},
     {"UPDATE Retenciones SET Importe_Ret = 1000000 WHERE IdCabecera = ?"}},
    {"otras cargadas de nuevo", {"", "11", 150, 100, {}, 100},
     {"DELETE FROM Retenciones_B WHERE IdCabecera = ?",
      "INSERT INTO Retenciones_B (IdCabecera, Nro_Comprobante, Otras_Reten) "
      "VALUES (?, '00000001', 1500000)"}},
    // As the import and the entry forms write them: a statement's conflict clause reaches the
    // statements of the triggers it fires.
    {"otras reemplazadas", {"", "11", 150, 100, {}, 100},
     {"INSERT OR REPLACE INTO Retenciones_B (IdCabecera, Nro_Comprobante, Otras_Reten) "
      "VALUES (?, '00000001', 1200000)",
      "INSERT OR REPLACE INTO Retenciones_B (IdCabecera, Nro_Comprobante, Otras_Reten) "
      "VALUES (?, '00000001', 1500000)"}},
    {"otras grabadas sobre las anteriores", {"", "11", 150, 100, {}, 100},
     {"INSERT INTO Retenciones_B (IdCabecera, Nro_Comprobante, Otras_Reten) "
      "VALUES (?, '00000001', 1200000) ON CONFLICT (IdCabecera, Nro_Comprobante) "
      "DO UPDATE SET Otras_Reten = excluded.Otras_Reten",
      "INSERT INTO Retenciones_B (IdCabecera, Nro_Comprobante, Otras_Reten) "
      "VALUES (?, '00000001', 1500000) ON CONFLICT (IdCabecera, Nro_Comprobante) "
      "DO UPDATE SET Otras_Reten = excluded.Otras_Reten"}},
    {"retención cargada de nuevo", {"", "11", 100, 150, {}, 150},
     {"DELETE FROM Retenciones WHERE IdCabecera = ?",
      "INSERT INTO Retenciones (IdCabecera, Nro_Contrib, Importe_Ret, Nro_Comprobante, Estado) "
      "VALUES (?, '3000000017', 1500000, '00000001', '1')"}},
    {"anticipo borrado", {"", "11", 150, 150, {{1, kAgente}}, 150},
     {"DELETE FROM Guias WHERE IdCabecera = ?"}},
    {"anticipo pasado a otro recibo", {"", "11", 150, 150, {{1, kAgente}}, 150},
     {"UPDATE Guias SET Nro_Comprobante = '00000002' WHERE IdCabecera = ?"}},
    {"anticipo pasado a otra declaración", {"", "11", 150, 150, {{1, kAgente}}, 150},
     {"UPDATE Guias SET IdCabecera = -IdCabecera WHERE IdCabecera = ?"}},
    {"12: el primer detalle pasa al propio agente", {"", "12", 150, 150, {{10, kOtroAgente}}, 150},
     {"UPDATE Guias SET Nro_Agente = '000001' WHERE IdCabecera = ?"}},
    {"12: un detalle propio antes del primero", {"", "12", 150, 150, {{20, kOtroAgente}}, 150},
     {"INSERT INTO Guias (Nro_clave, Nro_Comprobante, Nro_Agente, IdCabecera) "
      "SELECT min(Nro_clave) - 1, '00000001', '000001', ? FROM Guias WHERE IdCabecera = ?"}},
    {"12: la declaración pasa al agente del detalle", {"", "12", 150, 150, {{10, kOtroAgente}}, 150},
     {"UPDATE Cabeceras SET Nro_Agente = '000002' WHERE IdCabecera = ?"}},
    {"09 pasa a 11", {"", "09", 150, 150, {}, 150},
     {"UPDATE Cabeceras SET Cod_Regimen = '11' WHERE IdCabecera = ?"}},
};

void aplicar(BaseDatos& base, const std::vector<const char*>& sentencias, qint64 cabecera)
{
    for (const char* sql : sentencias) {
        const QString texto = QString::fromUtf8(sql);
        base.ejecutar(texto, QVariantList(texto.count(QLatin1Char('?')), cabecera));
    }
}

TEST_F(SemillasOtrasRetenciones, CadaCambioSeRevisaAlArranqueSiguiente)
{
    std::vector<qint64> cabeceras;
    for (std::size_t i = 0; i < std::size(kCambios); ++i)
        cabeceras.push_back(cargar(base, kCambios[i].antes, i));
    arrancar(base);
    for (std::size_t i = 0; i < std::size(kCambios); ++i)
        ASSERT_EQ(otrasRetenciones(base, cabeceras[i]),
                  Importe::desdeEntero(kCambios[i].antes.despues).diezmilesimos())
            << kCambios[i].caso;
    EXPECT_EQ(base.valor(QStringLiteral("SELECT count(*) FROM Revisar_Otras_Reten")).toInt(), 0);

    for (std::size_t i = 0; i < std::size(kCambios); ++i) aplicar(base, kCambios[i].sql, cabeceras[i]);
    arrancar(base);
    for (std::size_t i = 0; i < std::size(kCambios); ++i)
        EXPECT_EQ(otrasRetenciones(base, cabeceras[i]), 0) << kCambios[i].caso;
}

// A file whose changes went unnoted (from before the triggers, or a table made again, which takes
// its triggers along) is read whole once, and noted from then on.
TEST_F(SemillasOtrasRetenciones, SinLasNotasSeLeeTodo)
{
    const Caso sinDetalle{"", "11", 150, 150, {}, 0};

    // A qualifying receipt no trigger saw, in a file that still has them all, is not read.
    const qint64 noAnotada = cargar(base, sinDetalle, 0);
    base.ejecutar(QStringLiteral("DELETE FROM Revisar_Otras_Reten"));
    arrancar(base);
    EXPECT_EQ(otrasRetenciones(base, noAnotada), Importe::desdeEntero(150).diezmilesimos());

    // One trigger missing: everything is read, and the trigger is back.
    base.ejecutar(QStringLiteral("DROP TRIGGER Revisar_Otras_Reten_Guias_baja"));
    arrancar(base);
    EXPECT_EQ(otrasRetenciones(base, noAnotada), 0);
    EXPECT_TRUE(base.existe(QStringLiteral(
        "SELECT 1 FROM sqlite_master WHERE type = 'trigger' AND name = 'Revisar_Otras_Reten_Guias_baja'")));

    // The table missing: the same.
    const qint64 otra = cargar(base, sinDetalle, 1);
    base.ejecutar(QStringLiteral("DROP TABLE Revisar_Otras_Reten"));
    arrancar(base);
    EXPECT_EQ(otrasRetenciones(base, otra), 0);
}

} // namespace
