#include "import/archivo_importado.h"

#include "database/error_motor.h"
#include "platform/archivo_lectura.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace {

HuellaArchivo huella(const struct stat& estado)
{
    return {quint64(estado.st_dev), quint64(estado.st_ino), qint64(estado.st_size),
            qint64(estado.st_mtim.tv_sec) * 1'000'000'000 + estado.st_mtim.tv_nsec};
}

} // namespace

std::optional<RechazoImportacion> abrirArchivoImportado(ArchivoLectura& archivo)
{
    const QString nombre = QDir::toNativeSeparators(archivo.ruta());
    const QFileInfo info(archivo.ruta());
    if (!info.exists())
        return RechazoImportacion{errores::ArchivoNoEncontrado,
                                  QStringLiteral("No se encontró el archivo '%1'.").arg(nombre)};
    const RechazoImportacion noEsArchivo{
        errores::AccesoArchivo,
        QStringLiteral("No se puede importar '%1': no es un archivo común (es una carpeta, un "
                       "dispositivo o una tubería).")
            .arg(nombre)};
    if (!info.isFile()) return noEsArchivo;
    // What took the name in the meantime is refused all the same.
    if (archivo.abrir()) return std::nullopt;
    if (archivo.noEsArchivo()) return noEsArchivo;
    return RechazoImportacion{errores::AccesoArchivo,
                              QStringLiteral("No se puede leer el archivo '%1' (%2).")
                                  .arg(nombre, archivo.errorString())};
}

HuellaArchivo huellaArchivo(const ArchivoLectura& abierto)
{
    struct stat estado {};
    if (::fstat(abierto.descriptor(), &estado) != 0) return {};
    return huella(estado);
}

HuellaArchivo huellaRuta(const QString& ruta)
{
    struct stat estado {};
    if (::stat(QFile::encodeName(ruta).constData(), &estado) != 0) return {};
    return huella(estado);
}
