#include "database/semillas.h"

void sembrarDatosDeReferencia(BaseDatos& base, Dialogs& dialogs)
{
    actualizarRegimenes(base, dialogs);
    actualizarAlicuotas(base, dialogs);
    actualizarConceptos(base, dialogs);
    actualizarTasas(base, dialogs);
    actualizarGranosYParametros(base, dialogs);
}
