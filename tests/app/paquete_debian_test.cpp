// The Debian package as `cpack -G DEB` makes it from the build: its name, its files under /usr with
// the executable stripped and the menu entry naming /usr/bin/tarquel, the control fields that let
// `apt install ./tarquel_….deb` bring what the program needs, and lintian's verdict where lintian
// is installed.

#include "app/archivos_instalados.h"
#include "support/proceso_prueba.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

class PaqueteDebian : public ::testing::Test {
protected:
    // Made once for the tests here that run together: packing takes a few seconds.
    static void SetUpTestSuite()
    {
        carpeta_ = std::make_unique<QTemporaryDir>();
        const SalidaProceso cpack = correrProceso(
            QStringLiteral(TARQUEL_CPACK),
            {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("-B"), carpeta_->path()},
            QStringLiteral(TARQUEL_BUILD_DIR));
        salidaCpack_ = cpack.todo();
        const QString arquitectura =
            correrProceso(QStringLiteral("dpkg"), {QStringLiteral("--print-architecture")}).salida.trimmed();
        nombre_ = QStringLiteral("tarquel_%1_%2.deb").arg(QStringLiteral(TARQUEL_VERSION), arquitectura);
    }
    static void TearDownTestSuite() { carpeta_.reset(); }

    void SetUp() override
    {
        ASSERT_TRUE(QFileInfo::exists(paquete())) << salidaCpack_ << "\nfalta " << nombre_.toStdString();
    }

    static QString paquete() { return QDir(carpeta_->path()).filePath(nombre_); }

    static QString campo(const char* nombre)
    {
        return correrProceso(QStringLiteral("dpkg-deb"),
                             {QStringLiteral("--field"), paquete(), QString::fromLatin1(nombre)})
            .salida.trimmed();
    }

    static inline std::unique_ptr<QTemporaryDir> carpeta_;
    static inline std::string salidaCpack_;
    static inline QString nombre_;
};

TEST_F(PaqueteDebian, LlevaElProgramaBajoUsrYDeclaraLoQueNecesitaParaCorrer)
{
    // Only the package is made there.
    EXPECT_EQ(QDir(carpeta_->path()).entryList({QStringLiteral("*.deb")}), QStringList{nombre_});

    QTemporaryDir raiz;
    const SalidaProceso extraido =
        correrProceso(QStringLiteral("dpkg-deb"), {QStringLiteral("--extract"), paquete(), raiz.path()});
    ASSERT_EQ(extraido.codigo, 0) << extraido.todo();
    QStringList esperados;
    for (const QString& archivo : kArchivosInstalados) esperados << QStringLiteral("usr/") + archivo;
    EXPECT_EQ(archivosBajo(raiz.path()), esperados);

    const QString programa = raiz.filePath(QStringLiteral("usr/bin/tarquel"));
    const SalidaProceso secciones =
        correrProceso(QStringLiteral("readelf"), {QStringLiteral("-S"), QStringLiteral("-W"), programa});
    ASSERT_EQ(secciones.codigo, 0) << secciones.todo();
    EXPECT_FALSE(tieneInformacionDeDepuracion(secciones.salida));

    const QString entrada = raiz.filePath(QStringLiteral("usr/share/applications/tarquel.desktop"));
    QFile archivo(entrada);
    ASSERT_TRUE(archivo.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(archivo.readAll()).contains(QStringLiteral("\nExec=/usr/bin/tarquel\n")));
    const SalidaProceso validacion = correrProceso(QStringLiteral("desktop-file-validate"), {entrada});
    EXPECT_EQ(validacion.codigo, 0) << validacion.todo();

    EXPECT_EQ(campo("Package"), QStringLiteral("tarquel"));
    EXPECT_EQ(campo("Version"), QStringLiteral(TARQUEL_VERSION));
    EXPECT_FALSE(campo("Maintainer").isEmpty());
    EXPECT_FALSE(campo("Description").isEmpty());

    // The packages, whatever their versions: the Qt modules it links, the SQLite driver that Qt's
    // Sql module loads at run time, and the barcode library.
    QStringList dependencias;
    for (const QString& d : campo("Depends").split(u',', Qt::SkipEmptyParts))
        dependencias << d.trimmed().section(u' ', 0, 0);
    for (const char* necesaria : {"libqt6widgets6", "libqt6gui6", "libqt6sql6", "libqt6sql6-sqlite",
                                  "libqt6printsupport6", "libsqlite3-0"})
        EXPECT_TRUE(dependencias.contains(QString::fromLatin1(necesaria)))
            << necesaria << " no está en " << dependencias.join(u", ").toStdString();
    EXPECT_TRUE(dependencias.indexOf(QRegularExpression(QStringLiteral("libzint\\d.*"))) >= 0)
        << dependencias.join(u", ").toStdString();
}

TEST_F(PaqueteDebian, LintianNoEncuentraErrores)
{
    const QString lintian = QStandardPaths::findExecutable(QStringLiteral("lintian"));
    if (lintian.isEmpty()) GTEST_SKIP() << "lintian no está instalado";
    const SalidaProceso revision =
        correrProceso(lintian, {QStringLiteral("--fail-on"), QStringLiteral("error"), paquete()});
    EXPECT_EQ(revision.codigo, 0) << revision.todo();
    EXPECT_FALSE(revision.salida.contains(QStringLiteral("E: "))) << revision.todo();
}

} // namespace
