#include "platform/carpeta_programa.h"

#include <QCoreApplication>
#include <QDir>

QString carpetaPrograma()
{
    const QString desdeEntorno = qEnvironmentVariable("TARQUEL_DIR");
    if (!desdeEntorno.isEmpty()) return QDir(desdeEntorno).absolutePath();
    return QCoreApplication::applicationDirPath();
}
