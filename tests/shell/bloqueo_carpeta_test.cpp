// One copy of the program at a time on a data folder.

#include "shell/bloqueo_carpeta.h"
#include "support/dialogos_guionados.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

TEST(BloqueoCarpeta, UnaSegundaCopiaSeRechazaConUnMensaje)
{
    QTemporaryDir dir;
    DialogosGuionados dialogs;
    auto primera = std::make_unique<BloqueoCarpeta>(dir.path());
    ASSERT_TRUE(primera->tomar(dialogs));
    EXPECT_TRUE(dialogs.mensajes.empty());

    BloqueoCarpeta segunda(dir.path());
    EXPECT_FALSE(segunda.tomar(dialogs));
    ASSERT_EQ(dialogs.mensajes.size(), 1U);
    EXPECT_TRUE(dialogs.mensajes[0].texto.startsWith(
        QStringLiteral("El programa ya está abierto sobre la carpeta de datos\n\n'%1'")
            .arg(QDir::toNativeSeparators(dir.path()))));
    EXPECT_TRUE(dialogs.mensajes[0].texto.contains(QStringLiteral("números de comprobante")));

    // A copy that has run for a long time still holds the folder.
    QFile archivo(dir.filePath(BloqueoCarpeta::kArchivo));
    ASSERT_TRUE(archivo.open(QIODevice::ReadWrite));
    ASSERT_TRUE(archivo.setFileTime(QDateTime::currentDateTime().addDays(-3),
                                    QFileDevice::FileModificationTime));
    archivo.close();
    BloqueoCarpeta tardia(dir.path());
    EXPECT_FALSE(tardia.tomar(dialogs));

    // Once the first copy ends, the folder is free again.
    primera.reset();
    BloqueoCarpeta siguiente(dir.path());
    EXPECT_TRUE(siguiente.tomar(dialogs));
    EXPECT_EQ(dialogs.mensajes.size(), 2U);
}

TEST(BloqueoCarpeta, UnaCarpetaQueNoExisteNoSeBloqueaNiAvisa)
{
    QTemporaryDir dir;
    DialogosGuionados dialogs;
    BloqueoCarpeta bloqueo(dir.filePath(QStringLiteral("no/existe")));
    EXPECT_TRUE(bloqueo.tomar(dialogs));
    EXPECT_TRUE(dialogs.mensajes.empty());
}

} // namespace
