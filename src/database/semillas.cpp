#include "database/semillas.h"

// The seed rows themselves arrive with the reference data; until then each seed leaves the
// database as it is.

void Cargar_Tipos(BaseDatos&, Dialogs&) {}
void Corregir_Otras_Retenciones(BaseDatos&, Dialogs&) {}
void fijar_Alicuotas(BaseDatos&, Dialogs&) {}
void Actualizar_Regimenes(BaseDatos&, Dialogs&) {}
void Actualizar_Alicuotas(BaseDatos&, Dialogs&) {}
void Actualizar_Conceptos(BaseDatos&, Dialogs&) {}
void Actualizar_Tasas(BaseDatos&, Dialogs&) {}
void Actualizar_Granos_y_Parametros(BaseDatos&, Dialogs&) {}

void sembrarDatosDeReferencia(BaseDatos& base, Dialogs& dialogs)
{
    Actualizar_Regimenes(base, dialogs);
    Actualizar_Alicuotas(base, dialogs);
    Actualizar_Conceptos(base, dialogs);
    Actualizar_Tasas(base, dialogs);
    Actualizar_Granos_y_Parametros(base, dialogs);
}
