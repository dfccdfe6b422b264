// How a start ends, as the process's exit status: every refusal ends with 1 after its message, so
// a script or a launcher can tell; an upgraded schema ends with 0 and asks for a new start; a start
// that goes on leaves the main window shown. Without a graphical session the program says so in
// Spanish and ends with 1.

#include "app/programa.h"
#include "shell/bloqueo_carpeta.h"
#include "support/carpeta_temporal.h"
#include "support/sin_escritura.h"

#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QProcess>
#include <QSqlDatabase>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace {

void escribirArchivo(const QString& ruta, const QByteArray& bytes)
{
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray contenido(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool hayVentanaPrincipal()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(w) && w->isVisible()) return true;
    return false;
}

struct Caso {
    const char* nombre;
    // Leaves the data folder (given) as the case needs it and answers the folder the program is
    // started on; what it keeps in `estado` lives until the start is over.
    std::function<QString(CarpetaTemporal&, std::shared_ptr<void>& estado)> preparar;
    std::optional<int> estado;  // nothing: the main window is shown
};

const Caso kCasos[] = {
    {"base que falta en una carpeta usada",
     [](CarpetaTemporal& c, std::shared_ptr<void>&) {
         escribirArchivo(c.ruta(QStringLiteral("Entorno.mem")), {});
         return c.dir.path();
     },
     1},
    {"base vacía",
     [](CarpetaTemporal& c, std::shared_ptr<void>&) {
         escribirArchivo(c.base(), {});
         return c.dir.path();
     },
     1},
    {"base de otro programa",
     [](CarpetaTemporal& c, std::shared_ptr<void>&) {
         {
             QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "ajena");
             db.setDatabaseName(c.base());
             db.open();
             db.exec(QStringLiteral("CREATE TABLE Clientes (Id INTEGER)"));
             db.close();
         }
         QSqlDatabase::removeDatabase("ajena");
         return c.dir.path();
     },
     1},
    {"base cortada",
     [](CarpetaTemporal& c, std::shared_ptr<void>&) {
         c.crearBaseInstalada();
         const QByteArray bytes = contenido(c.base());
         escribirArchivo(c.base(), bytes.left(bytes.size() / 2));
         return c.dir.path();
     },
     1},
    {"segunda copia",
     [](CarpetaTemporal& c, std::shared_ptr<void>& estado) {
         c.crearBaseInstalada();
         auto otra = std::make_shared<BloqueoCarpeta>(c.dir.path());
         DialogosGuionados silencio;
         EXPECT_TRUE(otra->tomar(silencio));
         estado = otra;
         return c.dir.path();
     },
     1},
    {"carpeta de sólo lectura",
     [](CarpetaTemporal& c, std::shared_ptr<void>& estado) {
         c.crearBaseInstalada();
         auto proteccion = std::make_shared<SinEscritura>(c.dir.path());
         EXPECT_TRUE(proteccion->funciona()) << "no se pudo quitar el permiso de escritura aquí";
         estado = proteccion;
         return c.dir.path();
     },
     1},
    {"carpeta que no se puede crear",
     [](CarpetaTemporal& c, std::shared_ptr<void>&) {
         escribirArchivo(c.ruta(QStringLiteral("archivo")), "no es una carpeta");
         return c.ruta(QStringLiteral("archivo/datos"));
     },
     1},
    {"base de un esquema anterior",
     [](CarpetaTemporal& c, std::shared_ptr<void>&) {
         c.crearBaseSinActualizar();
         return c.dir.path();
     },
     0},
    {"carpeta nueva",
     [](CarpetaTemporal& c, std::shared_ptr<void>&) { return c.ruta(QStringLiteral("nueva")); },
     std::nullopt},
    {"base instalada",
     [](CarpetaTemporal& c, std::shared_ptr<void>&) {
         c.crearBaseInstalada();
         escribirArchivo(c.ruta(QStringLiteral("Entorno.mem")), {});
         return c.dir.path();
     },
     std::nullopt},
};

TEST(Programa, CadaRechazoDelArranqueTerminaConUnEstadoDistintoDeCero)
{
    for (const Caso& caso : kCasos) {
        SCOPED_TRACE(caso.nombre);
        CarpetaTemporal carpeta;
        std::shared_ptr<void> estado;
        const QString datos = caso.preparar(carpeta, estado);
        DialogosGuionados dialogs;
        std::optional<int> fin;
        bool ventana = false;
        {
            Programa programa(dialogs, datos);
            fin = programa.iniciar();
            ventana = hayVentanaPrincipal();
        }
        estado.reset();

        EXPECT_EQ(fin, caso.estado);
        EXPECT_EQ(ventana, !caso.estado.has_value());
        // Whatever ended the start said why; a start that goes on had nothing to say.
        EXPECT_EQ(dialogs.mensajes.empty(), !caso.estado.has_value())
            << dialogs.textosMostrados().join(u"\n").toStdString();
    }
}

TEST(Programa, SinVentanaLoDiceSoloEnCastellanoYTerminaConUno)
{
    const struct {
        const char* caso;
        QStringList variables;  // set on top of an environment with no screen at all
        const char* dice;
    } casos[] = {
        {"ninguna pantalla", {}, "Tarquel necesita una sesión gráfica"},
        {"una pantalla que no responde", {"QT_QPA_PLATFORM=xcb", "DISPLAY=:4093"},
         "Tarquel necesita una sesión gráfica"},
        // As without the package qt6-qpa-plugins: Qt finds no plugin for the screen.
        {"sin el complemento de la pantalla", {"QT_QPA_PLATFORM=ninguno", "DISPLAY=:4093"},
         "Tarquel no puede abrir su ventana: falta el complemento de Qt para la pantalla "
         "('ninguno').\nInstálelo con el paquete qt6-qpa-plugins"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        QTemporaryDir casa;
        QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
        for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            entorno.remove(QString::fromLatin1(variable));
        for (const QString& v : c.variables) entorno.insert(v.section(u'=', 0, 0), v.section(u'=', 1));
        entorno.insert(QStringLiteral("TARQUEL_DIR"), casa.filePath(QStringLiteral("datos")));
        QProcess proceso;
        proceso.setProcessEnvironment(entorno);
        proceso.start(QStringLiteral(TARQUEL_BINARY), {});
        ASSERT_TRUE(proceso.waitForFinished(60000));
        const QString salida = QString::fromUtf8(proceso.readAllStandardError());

        EXPECT_EQ(proceso.exitStatus(), QProcess::NormalExit) << salida.toStdString();
        EXPECT_EQ(proceso.exitCode(), 1) << salida.toStdString();
        EXPECT_TRUE(salida.startsWith(QString::fromUtf8(c.dice))) << salida.toStdString();
        // Not a word of Qt's own, which is English ("Reinstalling the application may fix ...").
        for (const char* ingles : {"Could not", "platform plugin", "Reinstalling", "Available"})
            EXPECT_FALSE(salida.contains(QString::fromLatin1(ingles))) << salida.toStdString();
        // Nothing was made for a program that never ran.
        EXPECT_FALSE(QFileInfo::exists(casa.filePath(QStringLiteral("datos"))));
    }
}

} // namespace
