#include "import/reporte_importacion.h"

#include "database/error_motor.h"
#include "platform/archivos_privados.h"
#include "platform/windows_1252.h"

#include <QDir>
#include <QFileInfo>

QString rutaReporte(const QString& carpetaDatos, const QString& archivoImportado)
{
    return QDir(carpetaDatos).filePath(QFileInfo(archivoImportado).fileName()
                                       + QStringLiteral(".log"));
}

QStringList lineasResumen(qint64 importados, qint64 conError)
{
    const QString resultado =
        conError == 0 ? QStringLiteral("exitosamente.")
                      : QStringLiteral("incluyendo %1 con error.").arg(conError);
    return {QString(), QStringLiteral("   Fin del proceso:"), QString(),
            QStringLiteral("     Se importaron %1 registros ").arg(importados) + resultado,
            QString()};
}

QString lineaDescartadas(qint64 descartadas)
{
    return descartadas == 1 ? QStringLiteral("     Se descartó 1 línea.")
                            : QStringLiteral("     Se descartaron %1 líneas.").arg(descartadas);
}

ReporteImportacion::ReporteImportacion(const QString& ruta) : archivo_(ruta)
{
    // A new log is the user's alone, as everything in the data folder; one already there keeps
    // its permissions.
    if (!archivo_.open(QIODevice::WriteOnly | QIODevice::Truncate, kSoloDelDuenio))
        throw ErrorMotor(errores::AccesoArchivo,
                         QStringLiteral("No se pudo crear el archivo de reporte '%1' (%2).")
                             .arg(QDir::toNativeSeparators(ruta), archivo_.errorString()));
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
    const QByteArray bytes = aWindows1252(linea) + "\r\n";
    if (archivo_.write(bytes) != bytes.size())
        throw ErrorMotor(errores::AccesoArchivo,
                         QStringLiteral("No se pudo escribir el archivo de reporte '%1' (%2).")
                             .arg(QDir::toNativeSeparators(archivo_.fileName()),
                                  archivo_.errorString()));
}

void ReporteImportacion::cerrar()
{
    if (archivo_.isOpen()) archivo_.close();
}
