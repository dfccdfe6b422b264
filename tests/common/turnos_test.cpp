#include "common/turnos.h"

#include "database/base_datos.h"
#include "support/carpeta_temporal.h"

#include <gtest/gtest.h>

namespace {

class Turnos : public ::testing::Test {
protected:
    void SetUp() override
    {
        carpeta.crearBaseInstalada();
        base.abrir(carpeta.base());
    }

    void turno(qint64 idCabecera, qint64 codTurno, const char* desde, const QVariant& hasta,
               const QVariant& horaHasta)
    {
        base.ejecutar(QStringLiteral("INSERT INTO Turnos (IdCabecera, Fecha_Desde, Hora_Desde, "
                                     "Fecha_Hasta, Hora_Hasta, Cod_Turno) "
                                     "VALUES (?, ?, '08:00:00', ?, ?, ?)"),
                      {idCabecera, QString::fromLatin1(desde), hasta, horaHasta, codTurno});
    }

    CarpetaTemporal carpeta;
    BaseDatos base;
};

const QVariant kNulo = QVariant(QMetaType(QMetaType::QString));

TEST_F(Turnos, TurnoAbiertoDeLaDeclaracion)
{
    // Declaration 10: a finished shift and an open one; 11: finished only; 12: none; 13: two open
    // ones (which the shift form never allows), the newer by code read first.
    turno(10, 1, "2024-03-01", QStringLiteral("2024-03-01"), QStringLiteral("16:00:00"));
    turno(10, 2, "2024-03-02", kNulo, kNulo);
    turno(11, 3, "2024-03-01", QStringLiteral("2024-03-01"), QStringLiteral("16:00:00"));
    turno(13, 9, "2024-03-01", kNulo, kNulo);
    turno(13, 7, "2024-03-02", kNulo, kNulo);

    const std::tuple<qint64, bool, qint64> casos[] = {
        {10, true, 2}, {11, false, -1}, {12, false, -1}, {13, true, 9},
    };
    for (const auto& [id, hay, codigo] : casos) {
        EXPECT_EQ(hayTurnoAbierto(base, id), hay) << id;
        EXPECT_EQ(turnoAbierto(base, id), codigo) << id;
    }
}

} // namespace
