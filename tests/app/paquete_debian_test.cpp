// The Debian package as `cpack -G DEB` makes it from the build: its name, its files under /usr with
// the executable stripped and hardened and the menu entry naming /usr/bin/tarquel, its manual page,
// the control fields that let `apt install ./tarquel_….deb` bring what the program needs, and
// lintian's verdict where lintian is installed.

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
    // Hardened as Debian wants a program: its symbols bound at start, no compilers' notes.
    EXPECT_FALSE(secciones.salida.contains(QStringLiteral(" .comment "))) << secciones.todo();
    const SalidaProceso dinamica =
        correrProceso(QStringLiteral("readelf"), {QStringLiteral("-d"), QStringLiteral("-W"), programa});
    ASSERT_EQ(dinamica.codigo, 0) << dinamica.todo();
    EXPECT_TRUE(dinamica.salida.contains(QRegularExpression(QStringLiteral("\\(FLAGS\\).*\\bBIND_NOW\\b"))))
        << dinamica.todo();

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
    // What Qt loads at run time: the platform plugins that open the window and the Spanish texts
    // of its dialogs.
    for (const char* necesaria : {"libqt6widgets6", "libqt6gui6", "libqt6sql6", "libqt6sql6-sqlite",
                                  "libqt6printsupport6", "libsqlite3-0", "qt6-qpa-plugins",
                                  "qt6-translations-l10n"})
        EXPECT_TRUE(dependencias.contains(QString::fromLatin1(necesaria)))
            << necesaria << " no está en " << dependencias.join(u", ").toStdString();
    EXPECT_TRUE(dependencias.indexOf(QRegularExpression(QStringLiteral("libzint\\d.*"))) >= 0)
        << dependencias.join(u", ").toStdString();
}

TEST_F(PaqueteDebian, LintianNoEncuentraErroresNiAvisos)
{
    const QString lintian = QStandardPaths::findExecutable(QStringLiteral("lintian"));
    if (lintian.isEmpty()) GTEST_SKIP() << "lintian no está instalado";
    const SalidaProceso revision =
        correrProceso(lintian, {QStringLiteral("--display-info"), QStringLiteral("--fail-on"),
                                QStringLiteral("error,warning"), paquete()});
    EXPECT_EQ(revision.codigo, 0) << revision.todo();
    EXPECT_FALSE(revision.salida.contains(QStringLiteral("E: "))) << revision.todo();
    EXPECT_FALSE(revision.salida.contains(QStringLiteral("W: "))) << revision.todo();
    for (const char* etiqueta : {"hardening-no-bindnow", "binary-has-unneeded-section"})
        EXPECT_FALSE(revision.salida.contains(QString::fromLatin1(etiqueta))) << revision.todo();
}

// The manual page man shows for `man tarquel`, read as man reads it, without a complaint.
TEST_F(PaqueteDebian, LlevaSuPaginaDeManual)
{
    QTemporaryDir raiz;
    ASSERT_EQ(correrProceso(QStringLiteral("dpkg-deb"), {QStringLiteral("--extract"), paquete(), raiz.path()})
                  .codigo,
              0);
    const QString pagina = raiz.filePath(QStringLiteral("usr/share/man/man1/tarquel.1.gz"));
    const SalidaProceso fuente = correrProceso(QStringLiteral("gzip"), {QStringLiteral("-dc"), pagina});
    ASSERT_EQ(fuente.codigo, 0) << fuente.todo();
    // What it is, its one option, the variable that names the data folder, the folder's files and
    // the exit statuses.
    for (const char* texto : {".TH TARQUEL 1", ".SH NOMBRE", "\\-\\-crear\\-base", "TARQUEL_DIR",
                              ".SH ARCHIVOS", "BDR.mdb", "Entorno.mem", ".SH ESTADO DE SALIDA"})
        EXPECT_TRUE(fuente.salida.contains(QString::fromUtf8(texto))) << texto;

    const QString man = QStandardPaths::findExecutable(QStringLiteral("man"));
    if (man.isEmpty()) GTEST_SKIP() << "man no está instalado";
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert(QStringLiteral("MANWIDTH"), QStringLiteral("80"));
    const SalidaProceso leida = correrProceso(
        man, {QStringLiteral("--warnings"), QStringLiteral("-E"), QStringLiteral("UTF-8"),
              QStringLiteral("-l"), pagina},
        {}, entorno);
    EXPECT_EQ(leida.codigo, 0) << leida.todo();
    EXPECT_TRUE(leida.errores.trimmed().isEmpty()) << leida.todo();
    for (const char* texto : {"TARQUEL(1)", "DESCRIPCIÓN", "--crear-base", "~/.local/share/tarquel"})
        EXPECT_TRUE(leida.salida.contains(QString::fromUtf8(texto))) << texto << "\n" << leida.todo();
}

} // namespace
