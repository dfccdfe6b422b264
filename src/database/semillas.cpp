#include "database/semillas.h"

void sembrarDatosDeReferencia(BaseDatos& base, Dialogs& dialogs)
{
    Actualizar_Regimenes(base, dialogs);
    Actualizar_Alicuotas(base, dialogs);
    Actualizar_Conceptos(base, dialogs);
    Actualizar_Tasas(base, dialogs);
    Actualizar_Granos_y_Parametros(base, dialogs);
}
