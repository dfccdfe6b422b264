// 1. Start-up: from the program's start to its main window shown, as main() runs it without the
// splash, on the large database against a new install's. Each start is a process of its own, as
// the user's are: the start of the process and of Qt is the same on both sides.

#include "carpetas_bench.h"
#include "medicion.h"
#include "objetivos.h"
#include "traza_sqlite.h"

#include "app/catalogo_reportes.h"
#include "platform/reloj.h"
#include "reports/motor_reportes.h"
#include "shell/arranque.h"
#include "shell/bloqueo_carpeta.h"
#include "shell/formularios_menu.h"
#include "shell/frmPrincipal.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QProcess>
#include <QTextStream>
#include <QTranslator>
#include <cstdlib>
#include <functional>
#include <stdexcept>

namespace objetivo_arranque {

namespace {

const std::string kNombre = "Arranque";

const QString kModoHijo = QStringLiteral("--hijo-arranque");

// main() without the splash, once the application exists: the translations, the folder's lock,
// the main window with its forms, the start (database, schema, seeds, environment) and the window
// shown and painted. `mostrada` runs then, before anything is closed.
void arrancar(const QString& carpeta, const std::function<void()>& mostrada)
{
    QTranslator traduccionQt;
    if (traduccionQt.load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduccionQt);
    DialogosGuionados dialogs;
    BloqueoCarpeta bloqueo(carpeta);
    if (!bloqueo.tomar(dialogs)) throw std::runtime_error("la carpeta está tomada");
    BaseDatos base;
    Entorno entorno(base);
    RelojSistema reloj;
    MotorReportes impresora(base, dialogs, reportesDelPrograma());
    Contexto contexto{base, entorno, dialogs, reloj, impresora, carpeta};
    Arranque arranque(entorno, dialogs, carpeta);
    frmPrincipal ventana(contexto, arranque);
    conectarFormularios(ventana, contexto);
    const bool sigue = arranque.iniciar() == FinArranque::Continuar;
    // A start that had to tell the user something is not the start of every day.
    if (!sigue || !dialogs.mensajes.empty())
        throw std::runtime_error("el arranque mostró mensajes: "
                                 + dialogs.textosMostrados().join(u" / ").toStdString());
    ventana.show();
    QCoreApplication::processEvents();
    mostrada();
}

// The program as the user starts it: a new process, from its start to its main window on the
// screen. The process ends there, so closing the window is not counted.
double arrancarProceso(const QString& carpeta)
{
    QProcess proceso;
    proceso.setProcessChannelMode(QProcess::ForwardedChannels);
    const double ms = msDe([&] {
        proceso.start(QCoreApplication::applicationFilePath(), {kModoHijo, carpeta});
        proceso.waitForFinished(-1);
    });
    if (proceso.exitStatus() != QProcess::NormalExit || proceso.exitCode() != 0)
        throw std::runtime_error("el arranque no llegó a la ventana principal");
    return ms;
}

struct Carpetas {
    std::unique_ptr<CarpetaBench> vacia = CarpetaBench::vacia();
    CarpetaBench& grande = copiaGrande(QStringLiteral("arranque"));

    Carpetas()
    {
        // The first start of a run reads the files from the disk; the user's starts find them in
        // the system's cache as often as not, and both sides are measured warm.
        arrancarProceso(vacia->ruta());
        arrancarProceso(grande.ruta());
    }
};

Carpetas& carpetas()
{
    return fixtura<Carpetas>();
}

} // namespace

void registrar(int repeticiones)
{
    registrarRazon(
        kNombre, repeticiones, [] { return arrancarProceso(carpetas().vacia->ruta()); },
        [] { return arrancarProceso(carpetas().grande.ruta()); });
}

void informar(const Medianas& m, std::vector<FilaObjetivo>& tabla)
{
    tabla.push_back(filaRazon(QStringLiteral("1. Arranque hasta la ventana principal (grande / vacía)"),
                              m, kNombre, 1.5));
}

void perfilar()
{
    const CarpetaBench& grande = carpetas().grande;
    TrazaSqlite traza;
    arrancar(grande.ruta(), [] {});
    imprimirTraza(QStringLiteral("1. Arranque, base grande"), traza.sentencias(grande.base()));
}

int hijo(const QStringList& argumentos)
{
    if (argumentos.size() != 2 || argumentos[0] != kModoHijo) return 2;
    try {
        // Ends at once, as if the user had seen the window: nothing is closed or written after.
        arrancar(argumentos[1], [] { std::_Exit(0); });
    } catch (const std::exception& e) {
        QTextStream(stderr) << e.what() << '\n';
    }
    return 1;
}

} // namespace objetivo_arranque
