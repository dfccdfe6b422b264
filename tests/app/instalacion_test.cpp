// The program installed as the README installs it for one user: its files, its menu entry started
// by a desktop that does not have the install's bin folder on its PATH yet, on a data folder it has
// never seen; and its removal with the install's list of files, which leaves the data alone.

#include "app/archivos_instalados.h"
#include "shell/leame.h"
#include "support/dialogos_guionados.h"
#include "support/proceso_prueba.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

QByteArray leer(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int modo(const QString& ruta)
{
    struct stat datos {};
    return ::stat(QFile::encodeName(ruta).constData(), &datos) == 0 ? int(datos.st_mode & 07777) : -1;
}

// `cmake --install build --prefix <prefijo> --strip`; answers the list of installed files it
// leaves in the build folder. The list the user's own install left there is put back.
QByteArray instalar(const QString& prefijo)
{
    const QString manifiesto = QStringLiteral(TARQUEL_BUILD_DIR "/install_manifest.txt");
    const bool habia = QFileInfo::exists(manifiesto);
    const QByteArray delUsuario = leer(manifiesto);
    const SalidaProceso instalacion =
        correrProceso(QStringLiteral(TARQUEL_CMAKE),
                      {QStringLiteral("--install"), QStringLiteral(TARQUEL_BUILD_DIR),
                       QStringLiteral("--prefix"), prefijo, QStringLiteral("--strip")});
    EXPECT_EQ(instalacion.codigo, 0) << instalacion.todo();
    const QByteArray lista = leer(manifiesto);
    QFile restaurado(manifiesto);
    if (!habia) restaurado.remove();
    else if (restaurado.open(QIODevice::WriteOnly | QIODevice::Truncate)) restaurado.write(delUsuario);
    return lista;
}

// The command of the entry's Exec line, as the desktop runs it: the entry's escapes undone, then
// its quoting, which a shell reads the same way.
QString comandoDelMenu(const QString& entrada)
{
    for (const QString& linea : entrada.split(u'\n'))
        if (linea.startsWith(QStringLiteral("Exec=")))
            return linea.mid(5).replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
    return {};
}

// One install for the whole road: installs run at the same time would share the build folder's
// list of installed files.
TEST(Instalacion, ElMenuArrancaElProgramaInstaladoYSeQuitaSinTocarLosDatos)
{
    // The README's `--prefix ~/.local`, for a user whose home has a blank in its name, which the
    // menu entry must quote. The data folder is then under the prefix too.
    QTemporaryDir raiz;
    const QString casa = raiz.filePath(QStringLiteral("casa de ana"));
    const QString prefijo = QDir(casa).filePath(QStringLiteral(".local"));
    const QByteArray lista = instalar(prefijo);

    // Its files, and nothing where a data folder could be (share/tarquel).
    EXPECT_EQ(archivosBajo(prefijo), kArchivosInstalados);
    const QDir instalado(prefijo);
    const QString programa = instalado.filePath(QStringLiteral("bin/tarquel"));
    EXPECT_TRUE(QFileInfo(programa).isExecutable());
    const SalidaProceso secciones =
        correrProceso(QStringLiteral("readelf"), {QStringLiteral("-S"), QStringLiteral("-W"), programa});
    ASSERT_EQ(secciones.codigo, 0) << secciones.todo();
    EXPECT_FALSE(tieneInformacionDeDepuracion(secciones.salida));

    // The installed program finds the documents it shows where they were installed.
    QTemporaryDir carpetaDatos;
    DialogosGuionados dialogs;
    mostrarLeame(dialogs, carpetaDatos.path(), origenesLeame(QFileInfo(programa).absolutePath()));
    EXPECT_EQ(dialogs.abiertos, QStringList{carpetaDatos.filePath(QStringLiteral("Leame.doc"))});
    EXPECT_EQ(leer(carpetaDatos.filePath(QStringLiteral("Leame.doc"))),
              leer(instalado.filePath(QStringLiteral("share/doc/tarquel/Leame.doc"))));

    const QString entrada = instalado.filePath(QStringLiteral("share/applications/tarquel.desktop"));
    const SalidaProceso validacion = correrProceso(QStringLiteral("desktop-file-validate"), {entrada});
    EXPECT_EQ(validacion.codigo, 0) << validacion.todo();
    EXPECT_TRUE(QString::fromStdString(validacion.todo()).trimmed().isEmpty()) << validacion.todo();
    const QString texto = QString::fromUtf8(leer(entrada));
    EXPECT_TRUE(texto.contains(QStringLiteral("\nCategories=Office;Finance;\n")));
    const QString comando = comandoDelMenu(texto);
    EXPECT_EQ(comando, u'"' + programa + u'"');

    // A user who never ran it, on a desktop whose PATH does not have the prefix's bin folder.
    QProcess proceso;
    QProcessEnvironment entorno;
    entorno.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
    entorno.insert(QStringLiteral("HOME"), casa);
    entorno.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    proceso.setProcessEnvironment(entorno);
    proceso.setProcessChannelMode(QProcess::MergedChannels);
    proceso.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("exec ") + comando});
    ASSERT_TRUE(proceso.waitForStarted());

    const QDir datos(instalado.filePath(QStringLiteral("share/tarquel")));
    bool hecha = false;
    for (int i = 0; i < 300 && !hecha; ++i) {
        QThread::msleep(50);
        hecha = QFileInfo(datos.filePath(QStringLiteral("BDR.mdb"))).size() > 0
            && QFileInfo::exists(datos.filePath(QStringLiteral("Entorno.mem")));
        if (proceso.state() == QProcess::NotRunning) break;
    }
    // Still running: the first start asked nothing and refused nothing.
    QThread::msleep(500);
    const bool corriendo = proceso.state() == QProcess::Running;
    // What it made is its user's alone, the lock it holds too.
    EXPECT_EQ(modo(datos.path()), 0700);
    for (const char* archivo : {"BDR.mdb", "Entorno.mem", "Tarquel.lock"})
        EXPECT_EQ(modo(datos.filePath(QString::fromLatin1(archivo))), 0600) << archivo;
    proceso.kill();
    proceso.waitForFinished();
    EXPECT_TRUE(hecha) << QString::fromLocal8Bit(proceso.readAll()).toStdString();
    EXPECT_TRUE(corriendo) << QString::fromLocal8Bit(proceso.readAll()).toStdString();
    EXPECT_FALSE(QFileInfo::exists(datos.filePath(QStringLiteral("BDR.mdb.creando"))));

    // The README's removal, as typed in the checkout: every file the install listed, then the
    // folders left empty; nothing of the user's data. The home holds something else too.
    ASSERT_TRUE(QDir(raiz.path()).mkpath(QStringLiteral("build")));
    QFile copia(raiz.filePath(QStringLiteral("build/install_manifest.txt")));
    ASSERT_TRUE(copia.open(QIODevice::WriteOnly));
    copia.write(lista);
    copia.close();
    ASSERT_TRUE(QDir(casa).mkdir(QStringLiteral("Documentos")));
    const SalidaProceso quitar = correrProceso(
        QStringLiteral("/bin/sh"),
        {QStringLiteral("-c"),
         QStringLiteral("set -e\n"
                        "xargs -d '\\n' rm -f -- < build/install_manifest.txt\n"
                        "xargs -d '\\n' dirname -- < build/install_manifest.txt | sort -u | "
                        "xargs -d '\\n' rmdir -p --ignore-fail-on-non-empty --\n")},
        raiz.path());
    ASSERT_EQ(quitar.codigo, 0) << quitar.todo();
    // The lock file stays: the program was killed.
    EXPECT_EQ(archivosBajo(prefijo),
              (QStringList{QStringLiteral("share/tarquel/BDR.mdb"),
                           QStringLiteral("share/tarquel/Entorno.mem"),
                           QStringLiteral("share/tarquel/Tarquel.lock")}));
    QStringList carpetas;
    QDirIterator it(casa, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) carpetas << QDir(casa).relativeFilePath(it.next());
    carpetas.sort();
    EXPECT_EQ(carpetas, (QStringList{QStringLiteral(".local"), QStringLiteral(".local/share"),
                                     QStringLiteral(".local/share/tarquel"),
                                     QStringLiteral("Documentos")}));
}

} // namespace
