#include "declarations/avisos_archivo.h"

#include "database/error_motor.h"
#include "forms/avisos_error.h"
#include "platform/dialogs.h"

#include <QDir>

namespace {

// The folder as the message shows it: ending in the separator, the way the folder chooser gives it.
QString carpetaMostrada(const QString& carpeta)
{
    QString texto = QDir::toNativeSeparators(carpeta);
    if (!texto.endsWith(QDir::separator())) texto += QDir::separator();
    return texto;
}

} // namespace

void avisarFallaArchivo(Dialogs& dialogs, const QString& nombre, const QString& carpeta,
                        const QString& causa)
{
    mostrarErrorOperacion(dialogs, errores::AccesoArchivo,
                          QStringLiteral("No se pudo generar el archivo %1 en %2\n%3")
                              .arg(nombre, carpetaMostrada(carpeta), causa));
}

void avisarArchivoGenerado(Dialogs& dialogs, const QString& nombre, const QString& carpeta,
                           const QString& advertencia)
{
    if (!advertencia.isEmpty()) {
        dialogs.aviso(QStringLiteral("El archivo %1\nha sido generado en:\n%2\npero el disco no "
                                     "confirmó que la carpeta lo haya registrado (%3).\nAntes de "
                                     "entregarlo, verifique que el archivo esté en esa carpeta.")
                          .arg(nombre, carpetaMostrada(carpeta), advertencia),
                      QStringLiteral("Atención"), Icono::Exclamacion);
        return;
    }
    dialogs.aviso(QStringLiteral("El archivo %1\nha sido generado con éxito en:\n%2")
                      .arg(nombre, carpetaMostrada(carpeta)),
                  QStringLiteral("Información"), Icono::Informacion);
}
