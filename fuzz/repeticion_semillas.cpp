// The seeds of a fuzz target replayed as an ordinary test, with any compiler: each file named on
// the command line, or found in a folder named there, goes once to the target's entry point. A
// seed that breaks what the target checks aborts, and the test fails with it.

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo);

int main(int argc, char** argv)
{
    QStringList semillas;
    for (int i = 1; i < argc; ++i) {
        const QString ruta = QFile::decodeName(argv[i]);
        if (!QFileInfo(ruta).isDir()) {
            semillas << ruta;
            continue;
        }
        QDirIterator recorrido(ruta, QDir::Files, QDirIterator::Subdirectories);
        while (recorrido.hasNext()) semillas << recorrido.next();
    }
    semillas.sort();
    if (semillas.isEmpty()) {
        std::fprintf(stderr, "no hay semillas\n");
        return 1;
    }
    for (const QString& ruta : semillas) {
        QFile semilla(ruta);
        if (!semilla.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "no se puede leer %s\n", qPrintable(ruta));
            return 1;
        }
        const QByteArray bytes = semilla.readAll();
        std::printf("%s\n", qPrintable(ruta));
        std::fflush(stdout);
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()),
                               size_t(bytes.size()));
    }
    std::printf("%lld semillas\n", static_cast<long long>(semillas.size()));
    return 0;
}
