// On a machine several people use, the agent's data is the agent's alone: the data folder the
// program makes is open to its owner only, and every file the program makes in it is readable by
// its owner only, whatever the umask. A folder the user made keeps the permissions the user gave it.

#include "database/base_datos.h"
#include "database/entorno.h"
#include "import/reporte_importacion.h"
#include "platform/codigo_barras.h"
#include "shell/arranque.h"
#include "shell/base_nueva.h"
#include "shell/bloqueo_carpeta.h"
#include "shell/compactacion.h"
#include "shell/leame.h"
#include "support/dialogos_guionados.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

// The umask most users have, which leaves new files readable by everyone, for the life of the
// object.
class UmaskHabitual {
public:
    UmaskHabitual() : antes_(::umask(022)) {}
    ~UmaskHabitual() { ::umask(antes_); }

private:
    mode_t antes_;
};

int modo(const QString& ruta)
{
    struct stat datos {};
    if (::stat(QFile::encodeName(ruta).constData(), &datos) != 0) return -1;
    return int(datos.st_mode & 07777);
}

QString octal(int m)
{
    return QStringLiteral("%1").arg(m, 4, 8, QLatin1Char('0'));
}

TEST(ArchivosPrivados, LaCarpetaQueElProgramaHaceYSuBaseSonDelDuenioSolo)
{
    UmaskHabitual umask;
    QTemporaryDir raiz;
    const QString carpeta = raiz.filePath(QStringLiteral("nueva/datos"));
    prepararCarpetaNueva(carpeta);
    EXPECT_EQ(octal(modo(carpeta)), octal(0700));
    // The folders above it are the user's ordinary ones.
    EXPECT_EQ(octal(modo(raiz.filePath(QStringLiteral("nueva")))), octal(0755));
    for (const char* archivo : {"BDR.mdb", "Entorno.mem"})
        EXPECT_EQ(octal(modo(QDir(carpeta).filePath(QString::fromLatin1(archivo)))), octal(0600))
            << archivo;
}

TEST(ArchivosPrivados, UnaCarpetaQueElUsuarioHizoConservaSusPermisos)
{
    UmaskHabitual umask;
    QTemporaryDir carpeta;
    ASSERT_TRUE(QFile::setPermissions(carpeta.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                          | QFileDevice::ExeOwner
                                                          | QFileDevice::ReadGroup
                                                          | QFileDevice::ExeGroup));
    prepararCarpetaNueva(carpeta.path());
    EXPECT_EQ(octal(modo(carpeta.path())), octal(0750));
    EXPECT_EQ(octal(modo(carpeta.filePath(QStringLiteral("BDR.mdb")))), octal(0600));
}

// Every other file the program makes in its folder while it runs.
TEST(ArchivosPrivados, CadaArchivoQueElProgramaHaceEnSuCarpetaEsDelDuenioSolo)
{
    UmaskHabitual umask;
    QTemporaryDir carpeta;
    prepararCarpetaNueva(carpeta.path());
    auto ruta = [&](const char* nombre) { return carpeta.filePath(QString::fromLatin1(nombre)); };
    BaseDatos base;
    Entorno entorno(base);
    DialogosGuionados dialogs;
    Arranque arranque(entorno, dialogs, carpeta.path());
    BloqueoCarpeta bloqueo(carpeta.path());
    ASSERT_TRUE(bloqueo.tomar(dialogs));
    ASSERT_EQ(arranque.iniciar(), FinArranque::Continuar);

    QTemporaryDir instalado;
    {
        QFile leame(instalado.filePath(QStringLiteral("Leame.doc")));
        ASSERT_TRUE(leame.open(QIODevice::WriteOnly));
        leame.write("{\\rtf1 instalado}");
        leame.setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    }

    const struct {
        const char* archivo;
        std::function<void()> hacer;
    } casos[] = {
        {"Tarquel.lock", [] {}},
        {"BDR.mdb-journal",
         [&] {
             // The journal lives while a transaction writes; it takes the database's permissions.
             base.ejecutar(QStringLiteral("BEGIN IMMEDIATE"));
             base.ejecutar(QStringLiteral("DELETE FROM Ayudas"));
         }},
        {"BDR.mdb",
         [&] {
             base.ejecutar(QStringLiteral("ROLLBACK"));
             const ResultadoCompactacion compactada = compactarBase(arranque, entorno);
             ASSERT_TRUE(compactada.compactada);
         }},
        {"Entorno.mem",
         [&] {
             ASSERT_TRUE(QFile::remove(ruta("Entorno.mem")));
             arranque.cerrar();
         }},
        {"DDJJ.TXT.log",
         [&] {
             ReporteImportacion reporte(ruta("DDJJ.TXT.log"));
             reporte.asegurar();
             reporte.colocar();
         }},
        {"codbar.bmp",
         [&] { ASSERT_TRUE(dibujarCodigoBarras(QStringLiteral("123*"), ruta("codbar.bmp")).correcto()); }},
        {"Leame.doc", [&] { mostrarLeame(dialogs, carpeta.path(), {instalado.path()}); }},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.archivo);
        c.hacer();
        EXPECT_EQ(octal(modo(ruta(c.archivo))), octal(0600));
    }
    EXPECT_EQ(octal(modo(carpeta.path())), octal(0700));
}

// A file the user gave other permissions keeps them when the program writes it again.
TEST(ArchivosPrivados, UnArchivoQueYaEstabaConservaSusPermisos)
{
    UmaskHabitual umask;
    QTemporaryDir carpeta;
    prepararCarpetaNueva(carpeta.path());
    const QString entornoMem = carpeta.filePath(QStringLiteral("Entorno.mem"));
    const QString baseDatos = carpeta.filePath(QStringLiteral("BDR.mdb"));
    const QFileDevice::Permissions delGrupo =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(entornoMem, delGrupo));
    ASSERT_TRUE(QFile::setPermissions(baseDatos, delGrupo));
    // The import's log is written anew under another name and takes the old one's place.
    const QString reporteImportacion = carpeta.filePath(QStringLiteral("DDJJ.TXT.log"));
    {
        ReporteImportacion anterior(reporteImportacion);
        anterior.asegurar();
        anterior.colocar();
    }
    ASSERT_TRUE(QFile::setPermissions(reporteImportacion, delGrupo));

    BaseDatos base;
    Entorno entorno(base);
    DialogosGuionados dialogs;
    Arranque arranque(entorno, dialogs, carpeta.path());
    ASSERT_EQ(arranque.iniciar(), FinArranque::Continuar);
    ASSERT_TRUE(compactarBase(arranque, entorno).compactada);
    arranque.cerrar();
    {
        ReporteImportacion nuevo(reporteImportacion);
        nuevo.asegurar();
        nuevo.colocar();
    }
    EXPECT_EQ(octal(modo(reporteImportacion)), octal(0640));
    EXPECT_EQ(octal(modo(entornoMem)), octal(0640));
    EXPECT_EQ(octal(modo(baseDatos)), octal(0640));
}

} // namespace
