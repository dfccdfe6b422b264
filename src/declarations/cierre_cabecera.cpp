#include "declarations/cierre_cabecera.h"

#include "common/ciclo_cabecera.h"
#include "database/base_datos.h"
#include "database/entorno.h"
#include "platform/dialogs.h"

bool cabeceraCerrada(const Cabecera& cabecera)
{
    return EstadoCabecera::de(cabecera).cerrada();
}

bool confirmarCierre(const Entorno& entorno, Dialogs& dialogs, const Cabecera& cabecera)
{
    if (cabeceraCerrada(cabecera)) return true;
    return dialogs.preguntaSiNo(
        QStringLiteral("Esta función cerrará la cabecera correspondiente a las retenciones/percepciones "
                       "del mes de %1 de %2.\n"
                       "Después de esto no podrá hacer ningún cambio en ella\n"
                       "a menos que la rectifique.\n\n"
                       "¿Confirma?")
            .arg(entorno.nombreMes(cabecera.mes), cabecera.anio),
        QStringLiteral("¡Atención!"));
}

void cerrarCabecera(BaseDatos& base, qint64 idCabecera, const QString& marcaObs)
{
    base.ejecutar(QStringLiteral("UPDATE Cabeceras SET Estado = ?, MarcaObs = ? WHERE IdCabecera = ?"),
                  {EstadoCabecera(EstadoCabecera::Cerrada).codigo(), marcaObs, idCabecera});
}
