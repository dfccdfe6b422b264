// `tarquel --crear-base`, run as a user would.

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

int crearBase(const QString& carpeta, QString* salida)
{
    QProcess proceso;
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert(QStringLiteral("TARQUEL_DIR"), carpeta);
    proceso.setProcessEnvironment(entorno);
    proceso.start(QStringLiteral(TARQUEL_BINARY), {QStringLiteral("--crear-base")});
    proceso.waitForFinished(60000);
    *salida = QString::fromLocal8Bit(proceso.readAllStandardError());
    return proceso.exitCode();
}

TEST(CrearBase, CreaUnaVezYLuegoNoTocaLaExistente)
{
    QTemporaryDir carpeta;
    QString salida;
    ASSERT_EQ(crearBase(carpeta.path(), &salida), 0) << salida.toStdString();
    const QString ruta = carpeta.filePath(QStringLiteral("BDR.mdb"));
    ASSERT_TRUE(QFile::exists(ruta));
    // The first start of a new install finds its environment file, with nothing active.
    EXPECT_EQ(QFileInfo(carpeta.filePath(QStringLiteral("Entorno.mem"))).size(), 0);
    EXPECT_TRUE(QFileInfo::exists(carpeta.filePath(QStringLiteral("Entorno.mem"))));

    QFile archivo(ruta);
    ASSERT_TRUE(archivo.open(QIODevice::ReadOnly));
    const QByteArray antes = archivo.readAll();
    archivo.close();

    EXPECT_NE(crearBase(carpeta.path(), &salida), 0);
    EXPECT_TRUE(salida.contains(QStringLiteral("no se modificó"))) << salida.toStdString();
    ASSERT_TRUE(archivo.open(QIODevice::ReadOnly));
    EXPECT_EQ(archivo.readAll(), antes);
}

// A run killed halfway leaves no BDR.mdb, only the file it was building, which the next run throws
// away before it builds the database again.
TEST(CrearBase, LoQueDejoUnaCreacionInterrumpidaNoLaImpide)
{
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath(QStringLiteral("BDR.mdb"));
    for (const char* resto : {"BDR.mdb.creando", "BDR.mdb.creando-journal"}) {
        QFile f(carpeta.filePath(QString::fromLatin1(resto)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("a medio hacer");
    }
    QString salida;
    ASSERT_EQ(crearBase(carpeta.path(), &salida), 0) << salida.toStdString();
    EXPECT_GT(QFileInfo(ruta).size(), 4096);
    EXPECT_FALSE(QFileInfo::exists(carpeta.filePath(QStringLiteral("BDR.mdb.creando"))));
    EXPECT_FALSE(QFileInfo::exists(carpeta.filePath(QStringLiteral("BDR.mdb.creando-journal"))));
}

} // namespace
