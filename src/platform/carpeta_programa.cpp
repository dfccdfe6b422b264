#include "platform/carpeta_programa.h"

#include <QDir>

QString carpetaPrograma()
{
    const QString desdeEntorno = qEnvironmentVariable("TARQUEL_DIR");
    if (!desdeEntorno.isEmpty()) return QDir(desdeEntorno).absolutePath();
    // A relative XDG_DATA_HOME is to be ignored, as the desktop's own programs do.
    QString datos = qEnvironmentVariable("XDG_DATA_HOME");
    if (datos.isEmpty() || QDir::isRelativePath(datos))
        datos = QDir(QDir::homePath()).filePath(QStringLiteral(".local/share"));
    return QDir(QDir(datos).filePath(QStringLiteral("tarquel"))).absolutePath();
}
