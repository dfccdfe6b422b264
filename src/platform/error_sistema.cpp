#include "platform/error_sistema.h"

#include <cerrno>

QString textoErrorSistema(int numero)
{
    switch (numero) {
    case EACCES:
    case EPERM:
        return QStringLiteral("permiso denegado");
    case EROFS:
        return QStringLiteral("el disco es de sólo lectura");
    case ENOSPC:
        return QStringLiteral("no queda espacio en el disco");
    case EDQUOT:
        return QStringLiteral("se agotó la cuota de disco del usuario");
    case ENOENT:
        return QStringLiteral("no existe");
    case ENOTDIR:
        return QStringLiteral("una parte de la ruta no es una carpeta");
    case EISDIR:
        return QStringLiteral("es una carpeta");
    case ENAMETOOLONG:
        return QStringLiteral("el nombre es demasiado largo");
    case ELOOP:
        return QStringLiteral("demasiados enlaces simbólicos");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("hay demasiados archivos abiertos");
    case EIO:
        return QStringLiteral("error de lectura o escritura del disco");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("el archivo está en uso");
    case ENOLCK:
        return QStringLiteral("el disco no admite bloqueos");
    case EEXIST:
        return QStringLiteral("ya existe");
    case ENOTEMPTY:
        return QStringLiteral("la carpeta no está vacía");
    case EXDEV:
        return QStringLiteral("está en otro disco");
    case EFBIG:
        return QStringLiteral("el archivo es demasiado grande");
    case ENXIO:
    case ENODEV:
        return QStringLiteral("el dispositivo no está disponible");
    case ETIMEDOUT:
        return QStringLiteral("el disco no respondió a tiempo");
    case ESTALE:
        return QStringLiteral("el archivo ya no está en el disco de red");
    case EAGAIN:
        return QStringLiteral("el recurso no está disponible por el momento");
    case EINTR:
        return QStringLiteral("la operación fue interrumpida");
    case ENOMEM:
        return QStringLiteral("no queda memoria");
    case EBADF:
    case EINVAL:
        return QStringLiteral("la operación no es válida para este archivo");
    default:
        return QStringLiteral("error del sistema (%1)").arg(numero);
    }
}
