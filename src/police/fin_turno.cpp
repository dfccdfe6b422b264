#include "police/fin_turno.h"

#include "common/regimenes.h"
#include "database/base_datos.h"
#include "database/filas.h"
#include "database/transaccion.h"
#include "police/conteo_estampillas.h"

std::optional<TotalesTurno> finalizarTurno(BaseDatos& base, qint64 codTurno, const QDate& fecha,
                                           const QTime& hora)
{
    Transaccion transaccion(base);
    const auto turno = leerTurno(base, codTurno);
    if (!turno || !turno->abierto()) return std::nullopt;
    const auto cabecera = leerCabecera(base, turno->idCabecera);
    const ReglasRegimen reglas = reglasRegimen(cabecera ? cabecera->codRegimen : QString());

    TotalesTurno totales;
    for (const TipoEstampilla& t : tiposEstampilla(base, reglas.claseTipos)) {
        const ConteoEstampillas c = contarEstampillas(base, *turno, t.tipo);
        // A type the shift did not start with is neither stored nor charged.
        if (!c.conFila) continue;
        base.ejecutar(QStringLiteral("UPDATE Estampillas_Turnos SET Nuevas_x_Remesas = ?, "
                                     "Cantidad_Vendidas = ?, Cantidad_Final = ? "
                                     "WHERE IdCabecera = ? AND Cod_Turno = ? AND Tipo = ?"),
                      {c.nuevas, c.vendidas, c.final, turno->idCabecera, codTurno, t.tipo});
        const Importe vendido = t.valor * c.vendidas;
        totales.estampillas += vendido;
        totales.multas += vendido.porcentaje(reglas.porcentajeMulta);
    }
    base.ejecutar(QStringLiteral("UPDATE Turnos SET Fecha_Hasta = ?, Hora_Hasta = ?, "
                                 "Total_Estampillas = ?, Total_Multas = ? WHERE Cod_Turno = ?"),
                  {fecha.toString(Qt::ISODate), hora.toString(QStringLiteral("HH:mm:ss")),
                   totales.estampillas.aColumna(), totales.multas.aColumna(), codTurno});
    transaccion.confirmar();
    return totales;
}
