// The program installed as a user installs it, started from its desktop entry's command on a data
// folder it has never seen.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

struct Salida {
    int codigo = -1;
    QString texto;
};

Salida correr(const QString& programa, const QStringList& argumentos)
{
    QProcess proceso;
    proceso.setProcessChannelMode(QProcess::MergedChannels);
    proceso.start(programa, argumentos);
    proceso.waitForFinished(120000);
    return {proceso.exitStatus() == QProcess::NormalExit ? proceso.exitCode() : -1,
            QString::fromLocal8Bit(proceso.readAll())};
}

TEST(Instalacion, ElProgramaInstaladoArrancaYHaceSuBaseEnLaCarpetaDelUsuario)
{
    QTemporaryDir prefijo;
    const Salida instalacion =
        correr(QStringLiteral(TARQUEL_CMAKE),
               {QStringLiteral("--install"), QStringLiteral(TARQUEL_BUILD_DIR),
                QStringLiteral("--prefix"), prefijo.path()});
    ASSERT_EQ(instalacion.codigo, 0) << instalacion.texto.toStdString();

    const QDir instalado(prefijo.path());
    for (const char* archivo :
         {"bin/tarquel", "share/tarquel/Leame.doc", "share/tarquel/Importar_Sujetos.doc",
          "share/tarquel/Importar_DDJJ.doc", "share/applications/tarquel.desktop",
          "share/icons/hicolor/scalable/apps/tarquel.svg"})
        EXPECT_TRUE(QFileInfo(instalado.filePath(QString::fromLatin1(archivo))).isFile()) << archivo;
    EXPECT_TRUE(QFileInfo(instalado.filePath(QStringLiteral("bin/tarquel"))).isExecutable());

    const QString entrada = instalado.filePath(QStringLiteral("share/applications/tarquel.desktop"));
    const Salida validacion = correr(QStringLiteral("desktop-file-validate"), {entrada});
    EXPECT_EQ(validacion.codigo, 0) << validacion.texto.toStdString();
    EXPECT_TRUE(validacion.texto.trimmed().isEmpty()) << validacion.texto.toStdString();
    QFile contenido(entrada);
    ASSERT_TRUE(contenido.open(QIODevice::ReadOnly));
    const QString texto = QString::fromUtf8(contenido.readAll());
    EXPECT_TRUE(texto.contains(QStringLiteral("\nExec=tarquel\n")));
    EXPECT_TRUE(texto.contains(QStringLiteral("\nCategories=Office;Finance;\n")));

    // A user who never ran it: no TARQUEL_DIR, an empty home.
    QTemporaryDir casa;
    QProcess programa;
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.remove(QStringLiteral("TARQUEL_DIR"));
    entorno.remove(QStringLiteral("XDG_DATA_HOME"));
    entorno.insert(QStringLiteral("HOME"), casa.path());
    entorno.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    programa.setProcessEnvironment(entorno);
    programa.setProcessChannelMode(QProcess::MergedChannels);
    programa.start(instalado.filePath(QStringLiteral("bin/tarquel")), {});
    ASSERT_TRUE(programa.waitForStarted());

    const QDir datos(QDir(casa.path()).filePath(QStringLiteral(".local/share/tarquel")));
    bool lista = false;
    for (int i = 0; i < 300 && !lista; ++i) {
        QThread::msleep(50);
        lista = QFileInfo(datos.filePath(QStringLiteral("BDR.mdb"))).size() > 0
            && QFileInfo::exists(datos.filePath(QStringLiteral("Entorno.mem")));
        if (programa.state() == QProcess::NotRunning) break;
    }
    // Still running: the first start asked nothing and refused nothing.
    QThread::msleep(500);
    const bool corriendo = programa.state() == QProcess::Running;
    programa.kill();
    programa.waitForFinished();
    EXPECT_TRUE(lista) << QString::fromLocal8Bit(programa.readAll()).toStdString();
    EXPECT_TRUE(corriendo) << QString::fromLocal8Bit(programa.readAll()).toStdString();
    EXPECT_FALSE(QFileInfo::exists(datos.filePath(QStringLiteral("BDR.mdb.creando"))));
}

} // namespace
