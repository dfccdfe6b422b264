// Where a saved document is proposed: the desktop's documents folder when it exists, else home.

#include "platform/carpeta_documentos.h"
#include "support/variable_entorno.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(CarpetaDocumentos, LaDelEscritorioSiExisteSinoLaCasa)
{
    const struct {
        const char* caso;
        const char* userDirs;  // the line of user-dirs.dirs, or none
        const char* existe;    // the folder made under home, or none
        const char* esperada;  // under home
    } casos[] = {
        {"la que nombra el escritorio", "XDG_DOCUMENTS_DIR=\"$HOME/Documentos\"", "Documentos",
         "/Documentos"},
        {"la que nombra el escritorio, que no existe", "XDG_DOCUMENTS_DIR=\"$HOME/Documentos\"",
         nullptr, ""},
        {"el escritorio la hace la casa", "XDG_DOCUMENTS_DIR=\"$HOME/\"", nullptr, ""},
        {"ninguna nombrada, la de siempre", nullptr, "Documents", "/Documents"},
        {"ninguna", nullptr, nullptr, ""},
    };
    for (const auto& c : casos) {
        QTemporaryDir casa;
        VariableEntorno home("HOME", casa.path().toLocal8Bit());
        VariableEntorno configuracion("XDG_CONFIG_HOME", casa.path().toLocal8Bit());
        if (c.userDirs) {
            QFile dirs(casa.filePath(QStringLiteral("user-dirs.dirs")));
            ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
            dirs.write(QByteArray(c.userDirs) + '\n');
        }
        if (c.existe) {
            ASSERT_TRUE(QDir(casa.path()).mkdir(QString::fromLatin1(c.existe)));
        }
        EXPECT_EQ(QDir::cleanPath(carpetaDocumentos()), casa.path() + QString::fromLatin1(c.esperada))
            << c.caso;
    }
}

} // namespace
