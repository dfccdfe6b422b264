#include "declarations/colocacion_archivo.h"

#include "database/error_motor.h"
#include "database/transaccion.h"
#include "platform/archivo_provisorio.h"

#include <QDir>
#include <QFileInfo>

bool colocarConCambios(BaseDatos& base, ArchivoProvisorio& archivo,
                       const std::function<void()>& cambios)
{
    // The transaction holds the database from here on: a file in use by another program stops
    // the operation before the folder is touched, and the commit can then fail only for the disk.
    Transaccion transaccion(base);
    cambios();
    if (!archivo.colocar()) return false;
    try {
        transaccion.confirmar();
    } catch (const ErrorMotor& error) {
        if (archivo.retirar()) throw;
        const QFileInfo colocado(archivo.rutaFinal());
        throw ErrorMotor(error.numero(),
                         QStringLiteral("El archivo %1 se generó en %2, pero no se pudo guardar en "
                                        "la base de datos lo que lo acompaña:\n\n%3")
                             .arg(colocado.fileName(),
                                  QDir::toNativeSeparators(colocado.absolutePath()),
                                  error.descripcion()));
    }
    return true;
}
