#pragma once
// What the user is told once a declaration file has been written, or could not be.

#include <QString>

class Dialogs;

// "No se pudo generar el archivo …": the file, the folder and the cause.
void avisarFallaArchivo(Dialogs& dialogs, const QString& nombre, const QString& carpeta,
                        const QString& causa);
// "El archivo … ha sido generado con éxito en: …"; when the disk did not confirm the folder after
// the file was put there (`advertencia`, the reason), a warning saying so in its place.
void avisarArchivoGenerado(Dialogs& dialogs, const QString& nombre, const QString& carpeta,
                           const QString& advertencia = {});
