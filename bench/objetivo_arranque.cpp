// 1. Start-up: from the program's start to its main window shown, as main() runs it without the
// splash, on the large database against a new install's.

#include "carpetas_bench.h"
#include "medicion.h"
#include "objetivos.h"
#include "traza_sqlite.h"

#include "platform/reloj.h"
#include "shell/arranque.h"
#include "shell/bloqueo_carpeta.h"
#include "shell/formularios_menu.h"
#include "shell/frmPrincipal.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <stdexcept>

namespace objetivo_arranque {

namespace {

const std::string kNombre = "Arranque";

// main() without the splash: the translations, the folder's lock, the main window with its
// forms, the start (database, schema, seeds, environment) and the window shown and painted.
// Answers the milliseconds until the window is on the screen; closing it is not counted.
double arrancar(const QString& carpeta)
{
    DialogosGuionados dialogs;
    double ms = 0;
    {
        std::optional<QTranslator> traduccionQt;
        std::optional<BloqueoCarpeta> bloqueo;
        std::optional<BaseDatos> base;
        std::optional<Entorno> entorno;
        RelojSistema reloj;
        std::optional<Contexto> contexto;
        std::optional<Arranque> arranque;
        std::optional<frmPrincipal> ventana;
        ms = msDe([&] {
            traduccionQt.emplace();
            if (traduccionQt->load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"),
                                   QStringLiteral("_"),
                                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
                QApplication::installTranslator(&*traduccionQt);
            bloqueo.emplace(carpeta);
            if (!bloqueo->tomar(dialogs)) throw std::runtime_error("la carpeta está tomada");
            base.emplace();
            entorno.emplace(*base);
            contexto.emplace(Contexto{*base, *entorno, dialogs, reloj, carpeta});
            arranque.emplace(*entorno, dialogs, carpeta);
            ventana.emplace(*contexto, *arranque);
            conectarFormularios(*ventana, *contexto);
            if (arranque->iniciar() != FinArranque::Continuar)
                throw std::runtime_error("el arranque terminó: "
                                         + dialogs.textosMostrados().join(u" / ").toStdString());
            ventana->show();
            QCoreApplication::processEvents();
        });
        ventana->hide();
    }
    // A start that had to tell the user something is not the start of every day.
    if (!dialogs.mensajes.empty())
        throw std::runtime_error("el arranque mostró mensajes: "
                                 + dialogs.textosMostrados().join(u" / ").toStdString());
    return ms;
}

struct Carpetas {
    std::unique_ptr<CarpetaBench> vacia = CarpetaBench::vacia();
    CarpetaBench& grande = copiaGrande(QStringLiteral("arranque"));

    Carpetas()
    {
        // The first start of a run reads the file from the disk; the user's starts find it in the
        // system's cache as often as not, and both sides are measured warm.
        arrancar(vacia->ruta());
        arrancar(grande.ruta());
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
        kNombre, repeticiones, [] { return arrancar(carpetas().vacia->ruta()); },
        [] { return arrancar(carpetas().grande.ruta()); });
}

void informar(const Medianas& m, std::vector<FilaObjetivo>& tabla)
{
    const auto razon = m.contador(kNombre, "razon");
    tabla.push_back({QStringLiteral("1. Arranque hasta la ventana principal (grande / vacía)"),
                     veces(razon) + QStringLiteral(" (%1 / %2)")
                                        .arg(milisegundos(m.contador(kNombre, "ms")),
                                             milisegundos(m.contador(kNombre, "base_ms"))),
                     QStringLiteral("<= 1.5x"), razon ? std::optional(*razon <= 1.5) : std::nullopt});
}

void perfilar()
{
    const CarpetaBench& grande = carpetas().grande;
    TrazaSqlite traza;
    arrancar(grande.ruta());
    imprimirTraza(QStringLiteral("1. Arranque, base grande"), traza.sentencias(grande.base()));
}

} // namespace objetivo_arranque
