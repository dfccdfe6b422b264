// The README's commands as a newcomer types them: scripts/run from another folder with a relative
// TARQUEL_DIR, and scripts/setup for a user who may not install packages. Each runs on a copy of
// the scripts in a checkout of its own, with stand-ins for the system's tools it must not really
// call (the build, the package database, the user's id).

#include "support/proceso_prueba.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void escribir(const QString& ruta, const QByteArray& contenido, bool ejecutable = false)
{
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << ruta.toStdString();
    f.write(contenido);
    f.close();
    if (ejecutable)
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeGroup
                         | QFileDevice::ExeOther);
}

QByteArray leer(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A checkout with the repository's scripts, and a folder of stand-in tools.
struct Checkout {
    QTemporaryDir raiz;
    QString carpeta(const QString& nombre) const { return raiz.filePath(nombre); }
    QString checkout() const { return carpeta(QStringLiteral("checkout")); }
    QString herramientas() const { return carpeta(QStringLiteral("herramientas")); }
    QString usuario() const { return carpeta(QStringLiteral("usuario")); }
    QString registroCmake() const { return carpeta(QStringLiteral("cmake.log")); }

    Checkout()
    {
        for (const QString& c : {checkout() + QStringLiteral("/scripts"),
                                 checkout() + QStringLiteral("/build"), herramientas(), usuario()})
            QDir().mkpath(c);
        for (const char* guion : {"run", "setup"}) {
            const QString nombre = QString::fromLatin1(guion);
            escribir(checkout() + QStringLiteral("/scripts/") + nombre,
                     leer(QStringLiteral(TARQUEL_SOURCE_DIR "/scripts/") + nombre), true);
        }
        // The build is done already; what it is asked to do is written down.
        herramienta("cmake", "echo \"$*\" >> '" + registroCmake().toUtf8() + "'\n");
    }

    void herramienta(const char* nombre, const QByteArray& cuerpo) const
    {
        escribir(QDir(herramientas()).filePath(QString::fromLatin1(nombre)),
                 "#!/bin/sh\n" + cuerpo, true);
    }
    // Every package the build needs is installed, but those named.
    void paquetesQueFaltan(const QByteArray& faltan) const
    {
        herramienta("dpkg-query",
                    "for p in " + faltan + "; do [ \"$3\" = \"$p\" ] && exit 1; done\n"
                                           "printf 'install ok installed'\n");
    }
};

TEST(Guiones, UnaCarpetaRelativaSeTomaDeDondeSeEscribioYRunSoloConstruyeElPrograma)
{
    Checkout c;
    c.paquetesQueFaltan("");
    ASSERT_TRUE(QFile::link(QStringLiteral(TARQUEL_BINARY), c.checkout() + QStringLiteral("/build/tarquel")));
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert(QStringLiteral("PATH"), c.herramientas() + u':' + entorno.value(QStringLiteral("PATH")));
    const QDir usuario(c.usuario());

    // By the script, from the user's own folder.
    entorno.insert(QStringLiteral("TARQUEL_DIR"), QStringLiteral("agente1"));
    const SalidaProceso guion = correrProceso(c.checkout() + QStringLiteral("/scripts/run"),
                                {QStringLiteral("--crear-base")}, c.usuario(), entorno);
    ASSERT_EQ(guion.codigo, 0) << guion.salida.toStdString() << guion.errores.toStdString();
    EXPECT_TRUE(guion.salida.contains(QStringLiteral("Carpeta de datos: ")
                                      + usuario.filePath(QStringLiteral("agente1")) + u'\n'))
        << guion.salida.toStdString();
    EXPECT_TRUE(QFileInfo::exists(usuario.filePath(QStringLiteral("agente1/BDR.mdb"))));
    EXPECT_FALSE(QFileInfo::exists(c.checkout() + QStringLiteral("/agente1")));

    // The program started directly, from the same folder.
    entorno.insert(QStringLiteral("TARQUEL_DIR"), QStringLiteral("./agente2/"));
    const SalidaProceso directo = correrProceso(QStringLiteral(TARQUEL_BINARY), {QStringLiteral("--crear-base")},
                                  c.usuario(), entorno);
    ASSERT_EQ(directo.codigo, 0) << directo.errores.toStdString();
    EXPECT_TRUE(QFileInfo::exists(usuario.filePath(QStringLiteral("agente2/BDR.mdb"))));
    EXPECT_TRUE(directo.errores.contains(usuario.filePath(QStringLiteral("agente2/BDR.mdb"))))
        << directo.errores.toStdString();

    // Running asks the build for the program alone, not for the tests.
    const QList<QByteArray> pedidos = leer(c.registroCmake()).trimmed().split('\n');
    ASSERT_FALSE(pedidos.isEmpty());
    EXPECT_TRUE(pedidos.last().startsWith("--build build")) << pedidos.last().toStdString();
    EXPECT_TRUE(pedidos.last().endsWith("--target tarquel")) << pedidos.last().toStdString();
}

// A user who is not root and cannot use sudo is given the exact line for an administrator, and
// nothing is built.
TEST(Guiones, SinDerechoAInstalarSetupDaLaLineaParaElAdministrador)
{
    const struct {
        const char* caso;
        QByteArray sudo;  // the stand-in for sudo; none: there is no sudo
    } casos[] = {
        {"sin sudo", {}},
        {"con un sudo que se niega", "echo 'usuario is not in the sudoers file.' >&2\nexit 1\n"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.caso);
        Checkout c;
        c.paquetesQueFaltan("libzint-dev zbar-tools");
        c.herramienta("id", "echo 1000\n");
        if (!caso.sudo.isEmpty()) c.herramienta("sudo", caso.sudo);
        // Only what the script needs of the system: no sudo, no apt-get.
        for (const char* programa : {"bash", "dirname", "grep", "env"})
            ASSERT_TRUE(QFile::link(QStandardPaths::findExecutable(QString::fromLatin1(programa)),
                                    QDir(c.herramientas()).filePath(QString::fromLatin1(programa))))
                << programa;
        QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
        entorno.insert(QStringLiteral("PATH"), c.herramientas());

        const SalidaProceso setup =
            correrProceso(c.checkout() + QStringLiteral("/scripts/setup"), {}, c.usuario(), entorno);
        EXPECT_EQ(setup.codigo, 1) << setup.errores.toStdString();
        EXPECT_TRUE(setup.errores.contains(
            QStringLiteral("\n  apt-get update && apt-get install -y libzint-dev zbar-tools\n")))
            << setup.errores.toStdString();
        EXPECT_TRUE(setup.errores.contains(QStringLiteral("administrador"))) << setup.errores.toStdString();
        EXPECT_FALSE(setup.errores.contains(QStringLiteral("not found"))) << setup.errores.toStdString();
        EXPECT_FALSE(setup.salida.contains(QStringLiteral("Instalando")) && caso.sudo.isEmpty());
        EXPECT_FALSE(QFileInfo::exists(c.registroCmake()));
    }
}

} // namespace
