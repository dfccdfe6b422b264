// The repair of other withholdings that merely repeat a receipt's own withheld amount.

#include "database/base_datos.h"
#include "database/importe.h"
#include "database/modifica_base.h"
#include "support/carpeta_temporal.h"

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

TEST(SemillasOtrasRetenciones, SeLimpianSoloLasQueNadaJustifica)
{
    CarpetaTemporal carpeta;
    carpeta.crearBaseInstalada();
    BaseDatos base;
    base.abrir(carpeta.base());

    // Every case is its own declaration with the same receipt number.
    const QString recibo = QStringLiteral("00000001");
    std::vector<qint64> cabeceras;
    for (std::size_t i = 0; i < std::size(kCasos); ++i) {
        const Caso& c = kCasos[i];
        base.ejecutar(QStringLiteral("INSERT INTO Cabeceras (Nro_Agente, Sucursal, Cod_Regimen, Anio, "
                                     "Mes, Rectifica, Estado) VALUES (?, ?, ?, '2024', '05', '00', '1')"),
                      {QString::fromLatin1(kAgente), QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0')),
                       QString::fromLatin1(c.regimen)});
        const qint64 cabecera = base.ultimoId();
        cabeceras.push_back(cabecera);
        base.ejecutar(QStringLiteral("INSERT INTO Retenciones (IdCabecera, Nro_Contrib, Importe_Ret, "
                                     "Nro_Comprobante, Estado) VALUES (?, '3000000017', ?, ?, '1')"),
                      {cabecera, Importe::desdeEntero(c.retenido).aColumna(), recibo});
        base.ejecutar(QStringLiteral("INSERT INTO Retenciones_B (IdCabecera, Nro_Comprobante, "
                                     "Otras_Reten) VALUES (?, ?, ?)"),
                      {cabecera, recibo, Importe::desdeEntero(c.otras).aColumna()});
        for (const Detalle& d : c.detalles)
            base.ejecutar(QStringLiteral("INSERT INTO Guias (Nro_clave, Nro_Comprobante, Nro_Agente, "
                                         "IdCabecera) VALUES (?, ?, ?, ?)"),
                          {d.nroClave + 100 * qint64(i), d.otroRecibo ? QStringLiteral("00000002") : recibo,
                           QString::fromLatin1(d.agente), cabecera});
    }

    DialogosGuionados dialogs;
    ASSERT_EQ(Modifica_base(base, dialogs).actualizar(), ResultadoActualizacion::SinCambios);
    EXPECT_TRUE(dialogs.mensajes.empty());

    for (std::size_t i = 0; i < std::size(kCasos); ++i) {
        const QVariant otras = base.valor(
            QStringLiteral("SELECT Otras_Reten FROM Retenciones_B WHERE IdCabecera = ?"), {cabeceras[i]});
        EXPECT_EQ(otras.typeId(), QMetaType::LongLong) << kCasos[i].caso;
        EXPECT_EQ(Importe::desdeColumna(otras).diezmilesimos(),
                  Importe::desdeEntero(kCasos[i].despues).diezmilesimos())
            << kCasos[i].caso;
    }
}

} // namespace
