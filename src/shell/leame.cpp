#include "shell/leame.h"

#include "database/error_motor.h"
#include "platform/archivos_privados.h"
#include "platform/dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// The path of the data folder's copy; made from a shipped copy when missing.
QString prepararDocumento(const QString& carpeta, const QString& nombre, const QStringList& origenes)
{
    const QString destino = QDir(carpeta).filePath(nombre);
    if (QFileInfo::exists(destino)) return destino;
    for (const QString& origen : origenes) {
        const QString copia = QDir(origen).filePath(nombre);
        if (!QFileInfo(copia).isFile()) continue;
        if (!QFile::copy(copia, destino))
            throw ErrorMotor(errores::AccesoArchivo,
                             QStringLiteral("No se pudo copiar el documento '%1' en la carpeta "
                                            "'%2'.")
                                 .arg(nombre, QDir::toNativeSeparators(carpeta)));
        // The shipped copy may be read-only; the user's copy is the user's, as everything there.
        hacerPrivado(destino);
        return destino;
    }
    throw ErrorMotor(errores::ArchivoNoEncontrado,
                     QStringLiteral("No se encontró el documento '%1'.")
                         .arg(QDir::toNativeSeparators(destino)));
}

} // namespace

QStringList origenesLeame()
{
    return origenesLeame(QCoreApplication::applicationDirPath());
}

QStringList origenesLeame(const QString& carpetaEjecutable)
{
    const QDir programa(carpetaEjecutable);
    return {programa.path(), programa.filePath(QStringLiteral("resources")),
            programa.filePath(QStringLiteral("../resources")),
            programa.filePath(QStringLiteral("../share/doc/tarquel"))};
}

void mostrarLeame(Dialogs& dialogs, const QString& carpeta, const QStringList& origenes)
{
    mostrarDocumento(dialogs, carpeta, QStringLiteral("Leame.doc"), origenes);
}

void mostrarDocumento(Dialogs& dialogs, const QString& carpeta, const QString& nombre,
                      const QStringList& origenes)
{
    QString ruta;
    try {
        ruta = prepararDocumento(carpeta, nombre, origenes);
    } catch (const ErrorMotor& error) {
        dialogs.mostrar({QStringLiteral("Generado por Tarquel\n") + error.descripcion(),
                         QStringLiteral("Error %1").arg(error.numero()), Icono::Critico});
        return;
    }
    dialogs.abrirConEscritorio(ruta, {QStringLiteral("No se puede mostrar el documento '%1'\n"
                                                     "El documento está en '%2': puede abrirlo "
                                                     "con un procesador de textos.")
                                          .arg(nombre, QDir::toNativeSeparators(ruta)),
                                      QStringLiteral("Error"), Icono::Critico});
}
