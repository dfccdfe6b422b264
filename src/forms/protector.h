#pragma once
// The one wrapper a form puts around what its buttons, grids and boxes run: a database failure
// that escapes the operation is told to the user in the form's shape (avisos_error.h) instead of
// reaching the event loop, and the form goes on.
//
//     protegido_([&] { cmdGrabarClick(); });
//     if (!protegido_([&] { grilla_->consultar(orden); })) return;

#include "database/error_motor.h"

#include <functional>

class Dialogs;

class Protector {
public:
    enum class Aviso {
        Simple,    // "3022 description", the record forms' box
        Numerado,  // "Error 3022" over the description, critical
    };

    // `antesDeAvisar`, when given, runs before the message (a form hiding a progress bar).
    Protector(Dialogs& dialogs, Aviso aviso, std::function<void()> antesDeAvisar = {});

    // Runs `operacion`; false when it ended on a database failure, which has been told.
    template <typename Operacion>
    bool operator()(Operacion&& operacion) const
    {
        try {
            std::forward<Operacion>(operacion)();
            return true;
        } catch (const ErrorMotor& error) {
            avisar(error);
            return false;
        }
    }

    // Tells a failure the operation caught itself.
    void avisar(const ErrorMotor& error) const;

private:
    Dialogs& dialogs_;
    Aviso aviso_;
    std::function<void()> antesDeAvisar_;
};
