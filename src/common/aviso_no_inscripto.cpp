#include "common/aviso_no_inscripto.h"

#include "platform/dialogs.h"

bool avisoNoInscripto(Dialogs& dialogos, const QString& nroContrib)
{
    if (nroContrib.startsWith(QLatin1String("950"))) {
        dialogos.aviso(
            QStringLiteral("El sujeto seleccionado es un contribuyente 'no inscripto'. Recuerde que "
                           "Ud. está obligado -por R.G. 54/07- a exigir y archivar la constancia de "
                           "inscripción en el Impuesto otorgada por la Orvalen"),
            kTituloAplicacion, Icono::Exclamacion);
    }
    return true;
}
