#include "shell/leame.h"

#include "database/error_motor.h"
#include "platform/dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kLeame = QStringLiteral("Leame.doc");

// The path of the data folder's copy; made from a shipped copy when missing.
QString prepararLeame(const QString& carpeta, const QStringList& origenes)
{
    const QString destino = QDir(carpeta).filePath(kLeame);
    if (QFileInfo::exists(destino)) return destino;
    for (const QString& origen : origenes) {
        const QString copia = QDir(origen).filePath(kLeame);
        if (!QFileInfo(copia).isFile()) continue;
        if (!QFile::copy(copia, destino))
            throw ErrorMotor(errores::AccesoArchivo,
                             QStringLiteral("No se pudo copiar el documento 'Leame.doc' en la carpeta "
                                            "'%1'.")
                                 .arg(QDir::toNativeSeparators(carpeta)));
        // The shipped copy may be read-only; the user's copy should not be.
        QFile::setPermissions(destino, QFile::permissions(destino) | QFileDevice::WriteOwner);
        return destino;
    }
    throw ErrorMotor(errores::ArchivoNoEncontrado,
                     QStringLiteral("No se encontró el documento '%1'.")
                         .arg(QDir::toNativeSeparators(destino)));
}

} // namespace

QStringList origenesLeame()
{
    const QDir programa(QCoreApplication::applicationDirPath());
    return {programa.path(), programa.filePath(QStringLiteral("resources")),
            programa.filePath(QStringLiteral("../resources")),
            programa.filePath(QStringLiteral("../share/tarquel"))};
}

void mostrarLeame(Dialogs& dialogs, const QString& carpeta, const QStringList& origenes)
{
    QString ruta;
    try {
        ruta = prepararLeame(carpeta, origenes);
    } catch (const ErrorMotor& error) {
        dialogs.mostrar({QStringLiteral("Generado por Tarquel\n") + error.descripcion(),
                         QStringLiteral("Error %1").arg(error.numero()), Icono::Critico});
        return;
    }
    if (!dialogs.abrirConEscritorio(ruta))
        dialogs.mostrar({QStringLiteral("No se puede mostrar el documento 'Leame.doc'\n"
                                        "El documento está en '%1': puede abrirlo con un "
                                        "procesador de textos.")
                             .arg(QDir::toNativeSeparators(ruta)),
                         QStringLiteral("Error"), Icono::Critico});
}
