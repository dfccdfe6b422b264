#include "declarations/rectificacion_cabecera.h"

#include "common/ciclo_cabecera.h"
#include "common/contexto.h"
#include "database/base_datos.h"
#include "database/filas.h"
#include "forms/avisos_error.h"
#include "platform/dialogs.h"

Rectificacion rectificarCabecera(Contexto& contexto, qint64 idCabecera)
{
    Dialogs& dialogs = contexto.dialogs;
    try {
        const auto cabecera = leerCabecera(contexto.base, idCabecera);
        const auto abierta = cabecera ? EstadoCabecera::deCodigo(cabecera->estado)
                                            .tras(AccionCabecera::Rectificar)
                                      : std::nullopt;
        if (!abierta) {
            dialogs.aviso(QStringLiteral("Solo puede rectificar una cabecera cerrada."),
                          QStringLiteral("Atención..."), Icono::Informacion);
            return Rectificacion::NoCerrada;
        }
        const int siguiente = cabecera->rectifica.toInt() + 1;
        if (siguiente > 99) {
            dialogs.aviso(QStringLiteral("La cabecera seleccionada ya tiene la rectificación 99 y "
                                         "no admite otra."),
                          QStringLiteral("Atención..."), Icono::Informacion);
            return Rectificacion::SinNumero;
        }
        if (!dialogs.preguntaSiNo(
                QStringLiteral("¿Confirma la RECTIFICACION de la cabecera seleccionada?"),
                QStringLiteral("Atención")))
            return Rectificacion::NoConfirmada;

        contexto.base.ejecutar(
            QStringLiteral("UPDATE Cabeceras SET Rectifica = ?, Estado = ? WHERE IdCabecera = ?"),
            {QString::number(siguiente).rightJustified(2, QLatin1Char('0')),
             abierta->codigo(), idCabecera});
        return Rectificacion::Hecha;
    } catch (const ErrorMotor& error) {
        mostrarErrorOperacion(dialogs, error);
        return Rectificacion::Fallida;
    }
}
