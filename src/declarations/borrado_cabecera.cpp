#include "declarations/borrado_cabecera.h"

#include "common/contexto.h"
#include "database/base_datos.h"
#include "database/codigos.h"
#include "database/entorno.h"
#include "forms/avisos_error.h"
#include "platform/dialogs.h"

bool cabeceraTieneMovimientos(BaseDatos& base, qint64 idCabecera)
{
    for (const char* tabla : {"Retenciones", "Retenciones_B", "Multas_cobradas", "Turnos",
                              "Intervenciones"}) {
        if (base.existe(QStringLiteral("SELECT 1 FROM %1 WHERE IdCabecera = ?")
                            .arg(QLatin1String(tabla)),
                        {idCabecera}))
            return true;
    }
    // Detail rows numbered "0" belong to a receipt still being entered, not to the declaration.
    return base.existe(
        QStringLiteral("SELECT 1 FROM Guias WHERE IdCabecera = ? AND Nro_Comprobante <> ?"),
        {idCabecera, kComprobantePendiente});
}

bool borrarCabecera(Contexto& contexto, qint64 idCabecera)
{
    Entorno& entorno = contexto.entorno;
    Dialogs& dialogs = contexto.dialogs;
    try {
        if (cabeceraTieneMovimientos(contexto.base, idCabecera)) {
            dialogs.aviso(QStringLiteral("La cabecera seleccionada tiene movimientos cargados y no "
                                         "puede eliminarse."),
                          QStringLiteral("Atención"), Icono::Informacion);
            return false;
        }
        const bool activa = entorno.esCabeceraActual(idCabecera);
        const QString pregunta = activa
            ? QStringLiteral("El registro seleccionado es la cabecera activa.\n"
                             "¿Confirma su eliminación?")
            : QStringLiteral("¿Confirma la eliminación de la cabecera seleccionada?");
        if (!dialogs.preguntaSiNo(pregunta, QStringLiteral("Atención"))) return false;

        contexto.base.ejecutar(QStringLiteral("DELETE FROM Cabeceras WHERE IdCabecera = ?"),
                               {idCabecera});
        if (activa) entorno.limpiarCabeceraActual();
        return true;
    } catch (const ErrorMotor& error) {
        mostrarErrorOperacion(dialogs, error);
        return false;
    }
}
