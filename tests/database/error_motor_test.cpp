// The engine's failures as the messages say them: SQLite's texts are English whatever the locale,
// so the messages take their words from the program's own table and keep only the schema's names.

#include "database/error_motor.h"

#include <QSqlError>
#include <gtest/gtest.h>

namespace {

TEST(ErrorMotor, LasCausasDelMotorSeDicenConPalabrasDelPrograma)
{
    const struct {
        const char* textoMotor;
        const char* codigo;
        int numero;
        const char* descripcion;
    } casos[] = {
        {"disk I/O error", "1034", errores::ErrorDisco,
         "El disco de la carpeta '/datos' no pudo leer o escribir la base de datos 'BDR.mdb' (el "
         "disco no confirmó lo escrito). No se guardó nada."},
        {"disk I/O error", "778", errores::ErrorDisco,
         "El disco de la carpeta '/datos' no pudo leer o escribir la base de datos 'BDR.mdb' (error "
         "de escritura del disco). No se guardó nada."},
        {"UNIQUE constraint failed: Agentes.Nro_Agente", "2067", errores::ClaveRepetida,
         "No se pudo guardar: el valor repite la clave de otro registro (Agentes.Nro_Agente)."},
        {"NOT NULL constraint failed: Guias.Nro_Agente", "1299", errores::CampoRequerido,
         "Falta el valor de un campo requerido (Guias.Nro_Agente)."},
        {"FOREIGN KEY constraint failed", "787", errores::ReglaValidacion,
         "Un valor no cumple la regla de su campo (un valor no cumple una regla de la base de "
         "datos)."},
        {"table Agentes already exists", "1", errores::TablaExiste, "La tabla ya existe (Agentes)."},
        {"duplicate column name: Nro_Agente", "1", errores::CampoExiste,
         "El campo ya existe (Nro_Agente)."},
        {"unable to open database file", "14", errores::BaseNoEncontrada,
         "No se pudo abrir el archivo de base de datos (no se pudo abrir el archivo de la base de "
         "datos)."},
        {"no such table: Agentes", "1", 1, "Error en una consulta a la base de datos."},
        {"attempt to write a readonly database", "1032", errores::SoloLectura,
         "No se puede escribir en la base de datos 'BDR.mdb' de la carpeta '/datos' (el archivo o "
         "la carpeta son de sólo lectura). No se guardó nada."},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.textoMotor);
        const QSqlError error(QStringLiteral("Unable to fetch row"), QString::fromLatin1(caso.textoMotor),
                              QSqlError::StatementError, QString::fromLatin1(caso.codigo));
        const ErrorMotor traducido = traducirError(error, QStringLiteral("/datos/BDR.mdb"));
        EXPECT_EQ(traducido.numero(), caso.numero);
        EXPECT_EQ(traducido.descripcion().toStdString(), std::string(caso.descripcion));
    }
}

} // namespace
