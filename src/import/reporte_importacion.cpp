#include "import/reporte_importacion.h"

#include "database/error_motor.h"
#include "platform/archivos_privados.h"
#include "platform/windows_1252.h"

#include <QDir>
#include <QFileInfo>

namespace {

ErrorMotor errorReporte(const QString& ruta, const QString& causa)
{
    return ErrorMotor(errores::AccesoArchivo,
                      QStringLiteral("No se pudo escribir el archivo de reporte '%1' (%2).")
                          .arg(QDir::toNativeSeparators(ruta), causa));
}

} // namespace

QString rutaReporte(const QString& carpetaDatos, const QString& archivoImportado)
{
    return QDir(carpetaDatos).filePath(QFileInfo(archivoImportado).fileName()
                                       + QStringLiteral(".log"));
}

QString textoResumen(qint64 importados, qint64 conError)
{
    const QString resultado =
        conError == 0 ? QStringLiteral("exitosamente.")
                      : QStringLiteral("incluyendo %1 con error.").arg(conError);
    return QStringLiteral("\n   Fin del proceso:\n\n     Se importaron %1 registros ").arg(importados)
        + resultado + QLatin1Char('\n');
}

QString lineaDescartadas(qint64 descartadas)
{
    return descartadas == 1 ? QStringLiteral("     Se descartó 1 línea.\n")
                            : QStringLiteral("     Se descartaron %1 líneas.\n").arg(descartadas);
}

ReporteImportacion::ReporteImportacion(const QString& ruta)
    : archivo_(QFileInfo(ruta).path(), QFileInfo(ruta).fileName())
{
    // The last run's log is replaced only at the end: a name that cannot take a file is found now,
    // before anything is imported.
    const QFileInfo existente(ruta);
    const bool ocupado = existente.exists() && !existente.isFile();
    // A new log is the user's alone, as everything in the data folder; one already there keeps
    // its permissions.
    archivo_.setPermisos(existente.isFile() ? existente.permissions() : kSoloDelDuenio);
    if (ocupado || !archivo_.abrir())
        throw ErrorMotor(errores::AccesoArchivo,
                         QStringLiteral("No se pudo crear el archivo de reporte '%1' (%2).")
                             .arg(QDir::toNativeSeparators(ruta),
                                  ocupado ? QStringLiteral("su nombre lo tiene una carpeta u otro "
                                                           "objeto que no es un archivo")
                                          : archivo_.error()));
    escribir(QString());
    escribir(QStringLiteral("   Errores detectados durante la importación:"));
    escribir(QString());
}

void ReporteImportacion::linea(qint64 numero, const QString& cola)
{
    escribir(QStringLiteral("     Línea %1").arg(numero) + cola);
}

void ReporteImportacion::escribir(const QString& linea)
{
    // A failure is kept by the file and told by asegurar(), before the run is stored.
    archivo_.agregar(aWindows1252(linea) + "\r\n");
}

void ReporteImportacion::escribirTexto(const QString& texto)
{
    for (const QString& l : texto.split(QLatin1Char('\n'))) escribir(l);
}

void ReporteImportacion::asegurar()
{
    QString error;
    if (!terminarArchivo(error)) throw errorReporte(archivo_.rutaFinal(), error);
}

void ReporteImportacion::colocar()
{
    QString error;
    if (!colocarArchivo(error)) throw errorReporte(archivo_.rutaFinal(), error);
}

bool ReporteImportacion::terminarArchivo(QString& error)
{
    if (archivo_.terminar()) return true;
    error = archivo_.error();
    return false;
}

bool ReporteImportacion::colocarArchivo(QString& error)
{
    if (archivo_.colocar()) return true;
    error = archivo_.error();
    return false;
}
