#include "database/texto_error_motor.h"

#include <sqlite3.h>

namespace {

QString textoExtendido(int codigo)
{
    switch (codigo) {
    case SQLITE_IOERR_READ:
    case SQLITE_IOERR_SHORT_READ:
        return QStringLiteral("error de lectura del disco");
    case SQLITE_IOERR_WRITE:
        return QStringLiteral("error de escritura del disco");
    case SQLITE_IOERR_FSYNC:
    case SQLITE_IOERR_DIR_FSYNC:
        return QStringLiteral("el disco no confirmó lo escrito");
    case SQLITE_IOERR_TRUNCATE:
        return QStringLiteral("no se pudo acortar el archivo");
    case SQLITE_IOERR_FSTAT:
    case SQLITE_IOERR_ACCESS:
        return QStringLiteral("no se pudo consultar el archivo");
    case SQLITE_IOERR_LOCK:
    case SQLITE_IOERR_RDLOCK:
    case SQLITE_IOERR_UNLOCK:
    case SQLITE_IOERR_CHECKRESERVEDLOCK:
        return QStringLiteral("no se pudo bloquear el archivo");
    case SQLITE_IOERR_DELETE:
        return QStringLiteral("no se pudo borrar el diario de la base de datos");
    case SQLITE_IOERR_CLOSE:
        return QStringLiteral("no se pudo cerrar el archivo");
    case SQLITE_IOERR_NOMEM:
        return QStringLiteral("no queda memoria");
    case SQLITE_READONLY_DBMOVED:
        return QStringLiteral("el archivo de la base de datos fue movido o reemplazado");
    default:
        return {};
    }
}

} // namespace

QString textoErrorMotor(int codigo)
{
    if (QString extendido = textoExtendido(codigo); !extendido.isEmpty()) return extendido;
    switch (codigo & 0xff) {
    case SQLITE_ERROR:
        return QStringLiteral("error en una consulta a la base de datos");
    case SQLITE_INTERNAL:
        return QStringLiteral("falla interna del motor de la base de datos");
    case SQLITE_PERM:
        return QStringLiteral("permiso denegado");
    case SQLITE_ABORT:
        return QStringLiteral("la operación fue cancelada");
    case SQLITE_BUSY:
        return QStringLiteral("la base de datos está en uso por otro programa");
    case SQLITE_LOCKED:
        return QStringLiteral("la base de datos está bloqueada");
    case SQLITE_NOMEM:
        return QStringLiteral("no queda memoria");
    case SQLITE_READONLY:
        return QStringLiteral("la base de datos es de sólo lectura");
    case SQLITE_INTERRUPT:
        return QStringLiteral("la operación fue interrumpida");
    case SQLITE_IOERR:
        return QStringLiteral("error de lectura o escritura del disco");
    case SQLITE_CORRUPT:
        return QStringLiteral("el archivo de la base de datos está dañado");
    case SQLITE_NOTFOUND:
        return QStringLiteral("no se encontró");
    case SQLITE_FULL:
        return QStringLiteral("no queda espacio en el disco");
    case SQLITE_CANTOPEN:
        return QStringLiteral("no se pudo abrir el archivo de la base de datos");
    case SQLITE_PROTOCOL:
        return QStringLiteral("falló el bloqueo del archivo");
    case SQLITE_SCHEMA:
        return QStringLiteral("la estructura de la base de datos cambió");
    case SQLITE_TOOBIG:
        return QStringLiteral("el dato es demasiado grande");
    case SQLITE_CONSTRAINT:
        return QStringLiteral("un valor no cumple una regla de la base de datos");
    case SQLITE_MISMATCH:
        return QStringLiteral("el tipo de dato no corresponde");
    case SQLITE_MISUSE:
        return QStringLiteral("uso indebido del motor de la base de datos");
    case SQLITE_NOLFS:
        return QStringLiteral("el disco no admite archivos grandes");
    case SQLITE_AUTH:
        return QStringLiteral("autorización denegada");
    case SQLITE_RANGE:
        return QStringLiteral("parámetro fuera de rango");
    case SQLITE_NOTADB:
        return QStringLiteral("el archivo no es una base de datos");
    default:
        return QStringLiteral("error del motor de la base de datos (%1)").arg(codigo);
    }
}
