#include "forms/protector.h"

#include "forms/avisos_error.h"

Protector::Protector(Dialogs& dialogs, Aviso aviso, std::function<void()> antesDeAvisar)
    : dialogs_(dialogs), aviso_(aviso), antesDeAvisar_(std::move(antesDeAvisar))
{
}

void Protector::avisar(const ErrorMotor& error) const
{
    if (antesDeAvisar_) antesDeAvisar_();
    if (aviso_ == Aviso::Numerado)
        mostrarErrorOperacion(dialogs_, error);
    else
        mostrarErrorSimple(dialogs_, error);
}
