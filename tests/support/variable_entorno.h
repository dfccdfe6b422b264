#pragma once
// An environment variable set (or, with nothing, removed) for the life of the object, and put back
// as it was afterwards.

#include <QByteArray>
#include <QtGlobal>
#include <optional>

class VariableEntorno {
public:
    VariableEntorno(const char* nombre, std::optional<QByteArray> valor) : nombre_(nombre)
    {
        if (qEnvironmentVariableIsSet(nombre)) antes_ = qgetenv(nombre);
        if (valor) qputenv(nombre, *valor);
        else qunsetenv(nombre);
    }
    ~VariableEntorno()
    {
        if (antes_) qputenv(nombre_, *antes_);
        else qunsetenv(nombre_);
    }
    VariableEntorno(const VariableEntorno&) = delete;
    VariableEntorno& operator=(const VariableEntorno&) = delete;

private:
    const char* nombre_;
    std::optional<QByteArray> antes_;
};
