// The executable: `tarquel` starts the program on its data folder, making the folder and its
// database on the first start; `tarquel --crear-base` makes the database of a new install there and
// exits. Here the program is put together: the Qt versions of the ports, the report engine over
// every subsystem's reports, the environment and the shell.

#include "app/catalogo_reportes.h"
#include "common/contexto.h"
#include "database/base_datos.h"
#include "database/entorno.h"
#include "platform/carpeta_programa.h"
#include "platform/locale_numeros.h"
#include "platform/qt_dialogs.h"
#include "platform/reloj.h"
#include "reports/motor_reportes.h"
#include "shell/arranque.h"
#include "shell/base_nueva.h"
#include "shell/bloqueo_carpeta.h"
#include "shell/formularios_menu.h"
#include "shell/frmAcercaDe.h"
#include "shell/frmPrincipal.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>
#include <QTextStream>

#include <cstdio>

namespace {

int crearBase()
{
    const QString carpeta = carpetaPrograma();
    const QString ruta = QDir(carpeta).filePath(QStringLiteral("BDR.mdb"));
    QTextStream err(stderr);
    if (QFileInfo::exists(ruta)) {
        err << "Ya existe una base de datos en '" << QDir::toNativeSeparators(ruta)
            << "'; no se modificó.\n";
        return 1;
    }
    try {
        prepararCarpetaNueva(carpeta);
    } catch (const ErrorMotor& error) {
        err << "No se pudo crear la base de datos: " << error.textoGuion() << '\n';
        return 1;
    }
    err << "Base de datos creada en '" << QDir::toNativeSeparators(ruta) << "'.\n";
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    // Numbers as the user writes them; a decimal comma where the system sets no locale.
    fijarLocaleDeNumeros();
    for (int i = 1; i < argc; ++i) {
        if (QString::fromLocal8Bit(argv[i]) == QLatin1String("--crear-base")) {
            QCoreApplication app(argc, argv);
            return crearBase();
        }
    }

    QApplication app(argc, argv);
    // Qt's own dialogs (file choosers, print preview) speak Spanish like the rest of the program.
    QTranslator traduccionQt;
    if (traduccionQt.load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduccionQt);
    QApplication::setApplicationName(QStringLiteral("Tarquel"));

    QtDialogs dialogs;
    const QString carpeta = carpetaPrograma();
    if (!QDir().mkpath(carpeta)) {
        dialogs.aviso(QStringLiteral("No se pudo crear la carpeta de datos '%1'.")
                          .arg(QDir::toNativeSeparators(carpeta)),
                      QStringLiteral("Error"), Icono::Critico);
        return 1;
    }
    BloqueoCarpeta bloqueo(carpeta);
    if (!bloqueo.tomar(dialogs)) return 1;
    // The first start on a new data folder makes its database, as `--crear-base` does.
    if (esCarpetaNueva(carpeta)) {
        try {
            prepararCarpetaNueva(carpeta);
        } catch (const ErrorMotor& error) {
            dialogs.aviso(QStringLiteral("No se pudo crear la base de datos en la carpeta '%1':\n%2")
                              .arg(QDir::toNativeSeparators(carpeta), error.descripcion()),
                          QStringLiteral("Error"), Icono::Critico);
            return 1;
        }
    }

    // The splash is gone before anything loads.
    mostrarPresentacion(dialogs);

    BaseDatos base;
    Entorno entorno(base);
    RelojSistema reloj;
    MotorReportes impresora(base, dialogs, reportesDelPrograma());
    Contexto contexto{base, entorno, dialogs, reloj, impresora, carpeta};
    Arranque arranque(entorno, dialogs, carpeta);
    frmPrincipal ventana(contexto, arranque);
    conectarFormularios(ventana, contexto);
    if (arranque.iniciar() != FinArranque::Continuar) return 0;
    ventana.show();
    return app.exec();
}
