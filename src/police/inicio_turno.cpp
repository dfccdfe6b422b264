#include "police/inicio_turno.h"

#include "common/regimenes.h"
#include "common/turnos.h"
#include "database/base_datos.h"
#include "database/filas.h"
#include "database/transaccion.h"
#include "police/conteo_estampillas.h"

#include <utility>
#include <vector>

ResultadoInicio iniciarTurno(BaseDatos& base, const Cabecera& cabecera, const QDate& fecha,
                             const QTime& hora)
{
    const QString dia = fecha.toString(Qt::ISODate);
    const QString instante = hora.toString(QStringLiteral("HH:mm:ss"));

    Transaccion transaccion(base);
    if (hayTurnoAbierto(base, cabecera.idCabecera)) return {InicioTurno::TurnoAbierto};
    // Count rows an older version of the program left numbered -1 by a start it never finished.
    base.ejecutar(QStringLiteral("DELETE FROM Estampillas_Turnos "
                                 "WHERE IdCabecera = ? AND Cod_Turno = -1"),
                  {cabecera.idCabecera});
    if (base.existe(QStringLiteral("SELECT 1 FROM Turnos WHERE (Fecha_Desde = ? AND Hora_Desde >= ?) "
                                   "OR Fecha_Desde > ?"),
                    {dia, instante, dia}))
        return {InicioTurno::RelojAtrasado};

    // The counts are taken before the new shift exists, so that it never counts as its own
    // predecessor.
    std::vector<std::pair<int, qint64>> iniciales;
    for (const TipoEstampilla& t :
         tiposEstampilla(base, reglasRegimen(cabecera.codRegimen).claseTipos))
        iniciales.emplace_back(t.tipo, cantidadInicial(base, cabecera.nroAgente, t.tipo));

    base.ejecutar(QStringLiteral("INSERT INTO Turnos (IdCabecera, Fecha_Desde, Hora_Desde, "
                                 "Total_Estampillas, Total_Multas) VALUES (?, ?, ?, 0, 0)"),
                  {cabecera.idCabecera, dia, instante});
    const qint64 codTurno = base.ultimoId();
    for (const auto& [tipo, cantidad] : iniciales)
        base.ejecutar(QStringLiteral("INSERT INTO Estampillas_Turnos (IdCabecera, Cod_Turno, Tipo, "
                                     "Cantidad_Inicial) VALUES (?, ?, ?, ?)"),
                      {cabecera.idCabecera, codTurno, tipo, cantidad});
    transaccion.confirmar();
    return {InicioTurno::Iniciado, codTurno};
}
