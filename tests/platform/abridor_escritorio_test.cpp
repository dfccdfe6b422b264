// The desktop's opener, played by small scripts: what it answers decides whether the program says
// that the document did not open, even when the answer comes late or never.

#include "platform/abridor_escritorio.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Lets the event loop run until `hecho` holds or `ms` pass.
template <class Condicion>
bool esperar(Condicion hecho, int ms = 20000)
{
    QElapsedTimer reloj;
    reloj.start();
    while (!hecho() && reloj.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return hecho();
}

class AbridorEscritorioTest : public ::testing::Test {
protected:
    // An opener that writes what it was given to `recibido` and then does `fin` (shell).
    QString abridor(const char* fin)
    {
        const QString ruta = carpeta.filePath(QStringLiteral("abridor"));
        QFile guion(ruta);
        EXPECT_TRUE(guion.open(QIODevice::WriteOnly | QIODevice::Truncate));
        guion.write("#!/bin/sh\necho \"$1\" > '" + recibido().toLocal8Bit() + "'\n" + fin + "\n");
        guion.close();
        guion.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return ruta;
    }
    QString recibido() const { return carpeta.filePath(QStringLiteral("recibido")); }
    QString leido() const
    {
        QFile f(recibido());
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).trimmed() : QString();
    }

    QTemporaryDir carpeta;
};

TEST_F(AbridorEscritorioTest, SoloUnaFallaDelAbridorSeAvisaUnaVez)
{
    const struct {
        const char* caso;
        const char* fin;
        bool avisa;
    } casos[] = {
        {"lo entregó a un programa", "exit 0", false},
        {"ningún programa lo toma (xdg-open: no method available)", "exit 3", true},
        {"tardó en contestar", "sleep 1; exit 4", true},
        {"se cayó", "kill -SEGV $$", true},
    };
    const QString documento = carpeta.filePath(QStringLiteral("Leame con blancos.doc"));
    for (const auto& c : casos) {
        QFile::remove(recibido());
        int avisos = 0;
        {
            AbridorEscritorio escritorio(abridor(c.fin));
            escritorio.abrir(documento, [&] { ++avisos; });
            ASSERT_TRUE(esperar([&] { return QFileInfo::exists(recibido()); })) << c.caso;
            // The opener has ended, or nearly: its answer is heard.
            esperar([&] { return avisos > 0; }, c.avisa ? 20000 : 1500);
        }
        EXPECT_EQ(leido(), documento) << c.caso;
        EXPECT_EQ(avisos, c.avisa ? 1 : 0) << c.caso;
    }
}

TEST_F(AbridorEscritorioTest, SinAbridorSeAvisa)
{
    int avisos = 0;
    AbridorEscritorio escritorio(carpeta.filePath(QStringLiteral("no-existe")));
    escritorio.abrir(QStringLiteral("https://example.org"), [&] { ++avisos; });
    EXPECT_TRUE(esperar([&] { return avisos > 0; }));
    EXPECT_EQ(avisos, 1);
}

// On a desktop where the opener runs the program itself it ends only when that program closes:
// nothing is said meanwhile, nor when the program ends first.
TEST_F(AbridorEscritorioTest, UnAbridorQueSigueNoDetieneNiAvisa)
{
    int avisos = 0;
    QElapsedTimer reloj;
    reloj.start();
    {
        AbridorEscritorio escritorio(abridor("exec sleep 60"));
        escritorio.abrir(QStringLiteral("/tmp/Leame.doc"), [&] { ++avisos; });
        EXPECT_LT(reloj.elapsed(), 5000);
        ASSERT_TRUE(esperar([&] { return QFileInfo::exists(recibido()); }));
        esperar([] { return false; }, 300);
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(avisos, 0);
    EXPECT_LT(reloj.elapsed(), 20000);
}

} // namespace
