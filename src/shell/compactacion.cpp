#include "shell/compactacion.h"

#include "database/base_datos.h"
#include "database/entorno.h"
#include "platform/archivos_privados.h"
#include "platform/disco.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

void reemplazarArchivo(const QString& nuevo, const QString& destino)
{
    // The compacted copy is on the disk before it takes the place of the only other copy.
    QString causa;
    if (!sincronizarArchivo(nuevo, &causa))
        throw ErrorMotor(errores::AccesoArchivo,
                         QStringLiteral("No se pudo asegurar en el disco el archivo '%1': %2")
                             .arg(QFileInfo(nuevo).fileName(), causa));
    // rename() replaces the target atomically: there is no moment without a BDR.mdb.
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(nuevo.toStdString()),
                            std::filesystem::path(destino.toStdString()), error);
    if (error)
        throw ErrorMotor(errores::AccesoArchivo,
                         QStringLiteral("No se pudo reemplazar '%1' por '%2': %3")
                             .arg(QFileInfo(destino).fileName(), QFileInfo(nuevo).fileName(),
                                  QString::fromStdString(error.message())));
    sincronizarCarpeta(QFileInfo(destino).absolutePath());
}

ResultadoCompactacion compactarBase(Arranque& arranque, Entorno& entorno, const Reemplazo& reemplazar)
{
    BaseDatos& base = entorno.baseDatos();
    const QString origen = arranque.rutaBase();
    const QString destino = QDir(arranque.carpeta()).filePath(QStringLiteral("BDRC.mdb"));
    const ContenidoEntornoMem activo = arranque.entornoActivo();

    ResultadoCompactacion resultado;
    resultado.tamanioAnterior = QFileInfo(origen).size();
    try {
        if (QFileInfo::exists(destino) && !QFile::remove(destino))
            throw ErrorMotor(errores::AccesoArchivo,
                             QStringLiteral("No se pudo borrar el archivo '%1' que quedó de una "
                                            "compactación anterior.")
                                 .arg(QDir::toNativeSeparators(destino)));
        // The copy will be BDR.mdb: it has the file's permissions from its first byte.
        if (!crearArchivoVacio(destino, QFile::permissions(origen)))
            throw ErrorMotor(errores::AccesoArchivo,
                             QStringLiteral("No se pudo crear el archivo '%1'.")
                                 .arg(QDir::toNativeSeparators(destino)));
        base.ejecutar(QStringLiteral("VACUUM INTO ?"), {destino});
        const qint64 tamanio = QFileInfo(destino).size();
        base.cerrar();
        reemplazar(destino, origen);
        resultado.tamanioCompactada = tamanio;
        resultado.compactada = true;
    } catch (const ErrorMotor& error) {
        resultado.error = error;
        if (QFileInfo(destino).isFile()) QFile::remove(destino);
    }

    base.cerrar();
    resultado.fin = arranque.cargarEntorno(activo);
    return resultado;
}
