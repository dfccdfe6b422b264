#include "support/entorno_prueba.h"

#include "database/base_suministrada.h"

#include <QFile>

void copiarBaseInstalada(const QString& ruta)
{
    static QTemporaryDir carpeta;
    static const QString plantilla = [] {
        const QString r = QDir(carpeta.path()).filePath(QStringLiteral("BDR.mdb"));
        DialogosGuionados silencio;
        ::crearBaseInstalada(r, silencio);
        return r;
    }();
    QFile::copy(plantilla, ruta);
}
