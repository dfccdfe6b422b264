// The file and folder choosers: what they answer and what they refuse.

#include "forms/selectores.h"
#include "support/dialogos_guionados.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(Selectores, frmAbrirAnswersAFileAndRefusesAFolder)
{
    QTemporaryDir dir;
    const QString archivo = dir.filePath(QStringLiteral("SUJ.TXT"));
    DialogosGuionados dialogs;

    EXPECT_EQ(frmAbrir::elegir(dialogs), QString());  // cancelled
    EXPECT_TRUE(dialogs.mensajes.empty());

    dialogs.rutas = {dir.path() + QLatin1Char('/'), dir.path(), archivo};
    EXPECT_EQ(frmAbrir::elegir(dialogs), archivo);
    ASSERT_EQ(dialogs.mensajes.size(), 2U);
    EXPECT_EQ(dialogs.mensajes[0].texto, QStringLiteral("¡Debe seleccionar un archivo!"));
    EXPECT_EQ(dialogs.mensajes[0].titulo, QStringLiteral("Tarquel"));
    EXPECT_EQ(dialogs.mensajes[0].icono, Icono::Exclamacion);

    // Cancelling after a refusal answers "" as well.
    dialogs.rutas = {dir.path()};
    EXPECT_EQ(frmAbrir::elegir(dialogs), QString());
}

TEST(Selectores, frmGuardarEnAnswersAFolderEndingInSlash)
{
    QTemporaryDir dir;
    DialogosGuionados dialogs;
    dialogs.rutas = {dir.path(), dir.path() + QLatin1Char('/'), QStringLiteral("/")};
    EXPECT_EQ(frmGuardarEn::elegir(dialogs), dir.path() + QLatin1Char('/'));
    EXPECT_EQ(frmGuardarEn::elegir(dialogs), dir.path() + QLatin1Char('/'));
    EXPECT_EQ(frmGuardarEn::elegir(dialogs), QStringLiteral("/"));
    EXPECT_EQ(frmGuardarEn::elegir(dialogs), QString());
    EXPECT_TRUE(dialogs.mensajes.empty());

    // A folder that does not exist is refused and the choice asked again.
    const QString falta = dir.filePath(QStringLiteral("no/existe"));
    dialogs.rutas = {falta, dir.path()};
    EXPECT_EQ(frmGuardarEn::elegir(dialogs), dir.path() + QLatin1Char('/'));
    ASSERT_EQ(dialogs.mensajes.size(), 1U);
    EXPECT_EQ(dialogs.mensajes[0].titulo, QStringLiteral("Error 76"));
    EXPECT_EQ(dialogs.mensajes[0].icono, Icono::Critico);
    EXPECT_TRUE(dialogs.mensajes[0].texto.contains(falta));
}

} // namespace
