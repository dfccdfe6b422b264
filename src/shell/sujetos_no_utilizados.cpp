#include "shell/sujetos_no_utilizados.h"

#include "database/base_datos.h"
#include "database/transaccion.h"

int eliminarSujetos(BaseDatos& base)
{
    Transaccion transaccion(base);
    const int borrados = base.ejecutar(QStringLiteral(
        "DELETE FROM Contribuyentes WHERE NOT EXISTS "
        "(SELECT 1 FROM Retenciones WHERE Retenciones.Nro_Contrib = Contribuyentes.Nro_Contrib)"));
    transaccion.confirmar();
    return borrados;
}
