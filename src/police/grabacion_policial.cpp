#include "police/grabacion_policial.h"

#include "common/regimenes.h"
#include "common/turnos.h"
#include "database/base_datos.h"
#include "database/entorno.h"
#include "database/transaccion.h"
#include "entry/detalle_pendiente.h"
#include "entry/grabacion_retenciones.h"

SinTurnoAbierto::SinTurnoAbierto() : std::runtime_error("sin turno abierto") {}

ClaveRetencion grabarRetencionPolicial(Entorno& entorno, const DatosRetencionPolicial& datos,
                                       const QDate& fecha, const QTime& hora)
{
    BaseDatos& base = entorno.baseDatos();
    const ReglasRegimen reglas = reglasRegimen(entorno.regimen());
    try {
        Transaccion transaccion(base);
        // A fine filed under no shift would never be rendered nor paid.
        const qint64 turno = turnoAbierto(base, entorno.idCabecera());
        if (turno < 0) throw SinTurnoAbierto();

        // The receipt's amount is its stamps' total, withheld whole.
        DatosRetencion retencion;
        retencion.nroContrib = datos.nroContrib;
        retencion.dia = datos.dia;
        retencion.bruto = datos.importe;
        retencion.alicuota = Importe::desdeEntero(100);
        retencion.nroX = datos.nroX;
        retencion.codConcepto = reglas.conceptoFijo.value_or(QStringLiteral("00"));
        const ClaveRetencion clave = grabarRetencionNueva(entorno, retencion);

        numerarDetallePendiente(base, clave);
        base.ejecutar(QStringLiteral("INSERT INTO Multas_cobradas (IdCabecera, Nro_Comprobante, "
                                     "CodPolicia, Importe_Multa, Fecha_cobro, Hora_Cobro, "
                                     "Cod_Turno) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                      {clave.idCabecera, clave.nroComprobante, datos.codPolicia,
                       datos.multa.aColumna(), fecha.toString(Qt::ISODate),
                       hora.toString(QStringLiteral("HH:mm:ss")), turno});
        transaccion.confirmar();
        return clave;
    } catch (...) {
        // The branch and declaration were read again inside the transaction that was undone: they
        // show what is stored once more. A database that fails here will tell the next action.
        try {
            entorno.releerSucursal();
            entorno.releerCabecera();
        } catch (const ErrorMotor&) {
        }
        throw;
    }
}
