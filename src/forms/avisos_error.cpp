#include "forms/avisos_error.h"

#include "database/error_motor.h"
#include "platform/dialogs.h"

void mostrarErrorOperacion(Dialogs& dialogs, int numero, const QString& descripcion)
{
    dialogs.aviso(descripcion, QStringLiteral("Error %1").arg(numero), Icono::Critico);
}

void mostrarErrorOperacion(Dialogs& dialogs, const ErrorMotor& error)
{
    mostrarErrorOperacion(dialogs, error.numero(), error.descripcion());
}

void mostrarErrorSimple(Dialogs& dialogs, const ErrorMotor& error)
{
    dialogs.aviso(error.textoBlanco());
}
