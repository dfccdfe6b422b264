#include "carpetas_bench.h"

#include "base_grande.h"
#include "database/base_suministrada.h"

#include <QDir>
#include <QFile>
#include <QTextStream>
#include <map>
#include <vector>
#include <stdexcept>

const QString& rutaBaseGrande()
{
    static const QString ruta = [] {
        QTextStream(stderr) << "Base grande en " << carpetaCacheBench()
                            << " (la primera vez se genera: unos segundos)...\n";
        return baseGrandeEnCache(carpetaCacheBench());
    }();
    return ruta;
}

QString CarpetaBench::base() const
{
    return QDir(ruta()).filePath(QStringLiteral("BDR.mdb"));
}

std::unique_ptr<CarpetaBench> CarpetaBench::grande()
{
    std::unique_ptr<CarpetaBench> carpeta(new CarpetaBench);
    if (!QFile::copy(rutaBaseGrande(), carpeta->base()))
        throw std::runtime_error("no se pudo copiar la base grande");
    BaseDatos base;
    base.abrir(carpeta->base());
    escribirEntornoGrande(base, carpeta->ruta());
    return carpeta;
}

std::unique_ptr<CarpetaBench> CarpetaBench::vacia()
{
    std::unique_ptr<CarpetaBench> carpeta(new CarpetaBench);
    DialogosGuionados silencio;
    crearBaseInstalada(carpeta->base(), silencio);
    QFile entorno(QDir(carpeta->ruta()).filePath(QStringLiteral("Entorno.mem")));
    if (!entorno.open(QIODevice::WriteOnly)) throw std::runtime_error("Entorno.mem");
    return carpeta;
}

namespace {

std::map<QString, std::unique_ptr<CarpetaBench>> copias;
std::vector<std::function<void()>> liberaciones;

} // namespace

CarpetaBench& copiaGrande(const QString& nombre)
{
    std::unique_ptr<CarpetaBench>& copia = copias[nombre];
    if (!copia) copia = CarpetaBench::grande();
    return *copia;
}

void alLiberar(std::function<void()> liberar)
{
    liberaciones.push_back(std::move(liberar));
}

void liberarFixturas()
{
    while (!liberaciones.empty()) {
        const auto liberar = std::move(liberaciones.back());
        liberaciones.pop_back();
        liberar();
    }
    copias.clear();
}

SesionBench::SesionBench(const QString& carpeta)
{
    contexto.carpeta = carpeta;
    entorno.cargarValoresFijos();
    base.abrir(QDir(carpeta).filePath(QStringLiteral("BDR.mdb")));
}

void SesionBench::activar(qint64 idCabecera)
{
    entorno.restaurar(idCabecera, QString(), QString(), QString());
    if (!entorno.cabeceraActual()) throw std::runtime_error("no existe la declaración");
}
