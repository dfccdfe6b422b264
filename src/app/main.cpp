// The executable: `tarquel` starts the program on its data folder, making the folder and its
// database on the first start; `tarquel --crear-base` makes the database of a new install there and
// exits. Here the application is made, in Spanish, with the Qt versions of the ports; the run itself
// is the Programa's.

#include "app/programa.h"
#include "app/sesion_grafica.h"
#include "database/error_motor.h"
#include "platform/carpeta_programa.h"
#include "platform/locale_numeros.h"
#include "platform/qt_dialogs.h"
#include "platform/traduccion_qt.h"
#include "shell/base_nueva.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>
#include <optional>

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
    // Numbers and dates as the user writes them; Argentine Spanish where the system sets no locale.
    fijarLocaleDeNumeros();
    for (int i = 1; i < argc; ++i) {
        if (QString::fromLocal8Bit(argv[i]) == QLatin1String("--crear-base")) {
            QCoreApplication app(argc, argv);
            return crearBase();
        }
    }

    if (!haySesionGrafica()) {
        avisarSinSesionGrafica();
        return Programa::kRechazo;
    }
    std::optional<VigilanciaPantalla> vigilancia(std::in_place);
    QApplication app(argc, argv);
    vigilancia.reset();
    // Qt's own dialogs (file choosers, print preview) speak Spanish like the rest of the program.
    instalarTraduccionQt();
    QApplication::setApplicationName(QStringLiteral("Tarquel"));

    QtDialogs dialogs;
    Programa programa(dialogs, carpetaPrograma());
    if (const std::optional<int> fin = programa.iniciar()) return *fin;
    return app.exec();
}
