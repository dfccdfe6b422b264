#include "shell/bloqueo_carpeta.h"

#include "platform/dialogs.h"

#include <QDir>

BloqueoCarpeta::BloqueoCarpeta(const QString& carpeta)
    : carpeta_(carpeta), archivo_(QDir(carpeta).filePath(kArchivo))
{
    // A copy may run for days: only a dead owner makes the lock stale, never its age.
    archivo_.setStaleLockTime(0);
}

bool BloqueoCarpeta::tomar(Dialogs& dialogs)
{
    if (archivo_.tryLock(0)) return true;
    if (archivo_.error() != QLockFile::LockFailedError) return true;
    dialogs.mostrar({QStringLiteral("El programa ya está abierto sobre la carpeta de datos\n\n'%1'\n\n"
                                    "No se puede abrir una segunda copia sobre los mismos datos: las "
                                    "dos darían los mismos números de comprobante.\n"
                                    "Cierre la otra copia y vuelva a intentarlo.")
                         .arg(QDir::toNativeSeparators(carpeta_)),
                     kTituloAplicacion, Icono::Exclamacion});
    return false;
}
