// Where the program keeps its data: the folder named by TARQUEL_DIR, else the user's data folder.

#include "platform/carpeta_programa.h"
#include "support/variable_entorno.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

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
    VariableEntorno home("HOME", "/home/ana");
    for (const auto& c : casos) {
        VariableEntorno tarquel("TARQUEL_DIR", c.tarquel);
        VariableEntorno xdg("XDG_DATA_HOME", c.xdg);
        EXPECT_EQ(carpetaPrograma(), c.esperada) << c.caso;
    }
}

} // namespace
