#include "platform/carpeta_documentos.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString carpetaDocumentos()
{
    // Qt answers ~/Documents when the desktop names none, whether or not it exists.
    const QString documentos = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documentos.isEmpty() && QFileInfo(documentos).isDir()) return documentos;
    return QDir::homePath();
}
