// tarquel_objetivos: the goals of the large agent's database, each as the median of several
// repetitions against its baseline measured in the same run, then a table of goals met.
//
//   tarquel_objetivos [--repeticiones N] [--perfil] [Google Benchmark flags]
//
// --perfil also prints, for each path, the statements where its time goes and their plans.

#include "carpetas_bench.h"
#include "objetivos.h"
#include "traza_sqlite.h"

#include <QApplication>
#include <QLocale>
#include <QTextStream>
#include <cstring>
#include <exception>

int main(int argc, char** argv)
{
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Argentina));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && std::strcmp(argv[1], "--hijo-archivo") == 0) {
        QCoreApplication app(argc, argv);
        return objetivo_archivo::hijo(app.arguments().mid(1));
    }
    if (argc > 1 && std::strcmp(argv[1], "--hijo-importacion") == 0) {
        QCoreApplication app(argc, argv);
        return objetivo_importacion::hijo(app.arguments().mid(1));
    }
    if (argc > 1 && std::strcmp(argv[1], "--hijo-impresion") == 0) {
        QApplication app(argc, argv);
        return objetivo_impresion::hijo(app.arguments().mid(1));
    }
    if (argc > 1 && std::strcmp(argv[1], "--hijo-boleta") == 0) {
        QApplication app(argc, argv);
        return objetivo_boleta::hijo(app.arguments().mid(1));
    }
    if (argc > 1 && std::strcmp(argv[1], "--hijo-arranque") == 0) {
        QApplication app(argc, argv);
        return objetivo_arranque::hijo(app.arguments().mid(1));
    }

    // Our own flags go before Google Benchmark reads the rest.
    int repeticiones = 5;
    bool perfil = false;
    int quedan = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--repeticiones") == 0 && i + 1 < argc)
            repeticiones = std::max(1, std::atoi(argv[++i]));
        else if (std::strcmp(argv[i], "--perfil") == 0)
            perfil = true;
        else
            argv[quedan++] = argv[i];
    }
    argc = quedan;

    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    try {
        for (const Objetivo& o : objetivos()) o.registrar(repeticiones);
        Medianas medianas;
        benchmark::RunSpecifiedBenchmarks(&medianas);
        if (perfil) {
            QTextStream(stdout) << "\nDónde va el tiempo (sentencias del motor por camino):\n";
            for (const Objetivo& o : objetivos()) o.perfilar();
        }
        std::vector<FilaObjetivo> tabla;
        for (const Objetivo& o : objetivos()) o.informar(medianas, tabla);
        imprimirTabla(tabla);
    } catch (const std::exception& e) {
        QTextStream(stderr) << "Falló: " << e.what() << '\n';
        liberarFixturas();
        return 1;
    }
    liberarFixturas();
    benchmark::Shutdown();
    return 0;
}
