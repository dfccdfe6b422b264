// What the desktop opens: the read-me document and the update page.

#include "shell/frmActualizaciones.h"
#include "shell/leame.h"
#include "shell/textos_organismo.h"
#include "support/dialogos_guionados.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QToolButton>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

QByteArray leer(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(no existe)");
}

void escribir(const QString& ruta, const QByteArray& contenido)
{
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(contenido);
}

TEST(Leame, SeCopiaALaCarpetaDeDatosSoloSiFaltaYSeAbreDeAlli)
{
    QTemporaryDir datos;
    QTemporaryDir instalado;
    escribir(instalado.filePath(QStringLiteral("Leame.doc")), "{\\rtf1 instalado}");
    const QStringList origenes = {datos.filePath(QStringLiteral("nada")), instalado.path()};
    const QString copia = datos.filePath(QStringLiteral("Leame.doc"));
    DialogosGuionados dialogs;

    mostrarLeame(dialogs, datos.path(), origenes);
    EXPECT_EQ(leer(copia), QByteArray("{\\rtf1 instalado}"));
    EXPECT_EQ(dialogs.abiertos, QStringList{copia});
    EXPECT_TRUE(dialogs.mensajes.empty());

    // The user's copy is kept.
    escribir(copia, "{\\rtf1 mio}");
    mostrarLeame(dialogs, datos.path(), origenes);
    EXPECT_EQ(leer(copia), QByteArray("{\\rtf1 mio}"));
}

TEST(Leame, CuandoNoSePuedeMostrarLoDice)
{
    QTemporaryDir datos;
    DialogosGuionados dialogs;
    mostrarLeame(dialogs, datos.path(), {});
    ASSERT_EQ(dialogs.mensajes.size(), 1U);
    EXPECT_EQ(dialogs.mensajes[0].titulo, QStringLiteral("Error 53"));
    EXPECT_TRUE(dialogs.mensajes[0].texto.startsWith(QStringLiteral("Generado por Tarquel\n")));
    EXPECT_TRUE(dialogs.abiertos.isEmpty());

    escribir(datos.filePath(QStringLiteral("Leame.doc")), "{\\rtf1 }");
    dialogs.escritorioFunciona = false;
    mostrarLeame(dialogs, datos.path(), {});
    ASSERT_EQ(dialogs.mensajes.size(), 2U);
    EXPECT_EQ(dialogs.mensajes[1].texto,
              QStringLiteral("No se puede mostrar el documento 'Leame.doc'\nEl documento está en "
                             "'%1': puede abrirlo con un procesador de textos.")
                  .arg(datos.filePath(QStringLiteral("Leame.doc"))));
    EXPECT_EQ(dialogs.mensajes[1].titulo, QStringLiteral("Error"));
    EXPECT_EQ(dialogs.mensajes[1].icono, Icono::Critico);
}

TEST(Leame, ElDocumentoQueSeEntregaEsTextoEnriquecido)
{
    const QByteArray doc = leer(QStringLiteral(TARQUEL_FIXTURES "/../../resources/Leame.doc"));
    EXPECT_TRUE(doc.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
    EXPECT_TRUE(doc.contains("BDR.mdb"));
    EXPECT_TRUE(doc.contains("Copias de seguridad"));
    // Plain 7-bit text: the accents travel as the format's own escapes.
    EXPECT_TRUE(std::all_of(doc.begin(), doc.end(),
                            [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
}

TEST(Actualizaciones, ElEnlaceAbreLaPaginaOAvisaQueNoPudo)
{
    DialogosGuionados dialogs;
    frmActualizaciones ventana(dialogs);
    EXPECT_EQ(ventana.windowTitle(), QStringLiteral("Actualizaciones"));
    auto* enlace = ventana.findChild<QLabel*>(QStringLiteral("Label2"));
    ASSERT_TRUE(enlace);
    Q_EMIT enlace->linkActivated(organismo::PaginaActualizaciones);
    EXPECT_EQ(dialogs.abiertos, QStringList{organismo::PaginaActualizaciones});
    EXPECT_TRUE(dialogs.mensajes.empty());

    dialogs.escritorioFunciona = false;
    Q_EMIT enlace->linkActivated(organismo::PaginaActualizaciones);
    ASSERT_EQ(dialogs.mensajes.size(), 1U);
    EXPECT_TRUE(dialogs.mensajes[0].texto.contains(organismo::PaginaActualizaciones));

    ventana.findChild<QToolButton*>(QStringLiteral("cmdContribuyentes"))->click();
    ASSERT_EQ(dialogs.mensajes.size(), 2U);
    EXPECT_EQ(dialogs.mensajes[1].texto, QStringLiteral("La direccion es ") + organismo::PaginaSistema);
    EXPECT_EQ(dialogs.mensajes[1].titulo, QStringLiteral("Tarquel"));
    EXPECT_EQ(dialogs.mensajes[1].icono, Icono::Informacion);
}

} // namespace
