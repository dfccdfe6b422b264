// Where the program keeps its data: the folder named by TARQUEL_DIR, else the user's data folder.

#include "platform/carpeta_programa.h"

#include <QDir>
#include <gtest/gtest.h>
#include <optional>

namespace {

// Sets (or, with nothing, removes) an environment variable for the life of the object.
class Variable {
public:
    Variable(const char* nombre, std::optional<QByteArray> valor) : nombre_(nombre)
    {
        if (qEnvironmentVariableIsSet(nombre)) antes_ = qgetenv(nombre);
        if (valor) qputenv(nombre, *valor);
        else qunsetenv(nombre);
    }
    ~Variable()
    {
        if (antes_) qputenv(nombre_, *antes_);
        else qunsetenv(nombre_);
    }

private:
    const char* nombre_;
    std::optional<QByteArray> antes_;
};

TEST(CarpetaPrograma, LaVariableDelProgramaLuegoLaDelEscritorioLuegoLaDelUsuario)
{
    const struct {
        const char* caso;
        std::optional<QByteArray> tarquel;
        std::optional<QByteArray> xdg;
        QString esperada;
    } casos[] = {
        {"variable del programa", "/srv/agente", "/home/ana/datos", "/srv/agente"},
        {"variable del programa relativa", "datos", {}, QDir::current().absoluteFilePath("datos")},
        {"carpeta de datos del escritorio", {}, "/home/ana/datos", "/home/ana/datos/tarquel"},
        {"carpeta del escritorio vacía", "", "", "/home/ana/.local/share/tarquel"},
        {"carpeta del escritorio relativa, que no vale", {}, "datos", "/home/ana/.local/share/tarquel"},
        {"ninguna", {}, {}, "/home/ana/.local/share/tarquel"},
    };
    Variable home("HOME", "/home/ana");
    for (const auto& c : casos) {
        Variable tarquel("TARQUEL_DIR", c.tarquel);
        Variable xdg("XDG_DATA_HOME", c.xdg);
        EXPECT_EQ(carpetaPrograma(), c.esperada) << c.caso;
    }
}

} // namespace
