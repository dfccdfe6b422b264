// tarquel_base_grande <ruta> [--semilla N]: writes the large agent's database at <ruta>. When the
// file is named BDR.mdb it also leaves an Entorno.mem beside it with the month in course active,
// so the folder can be opened at once: TARQUEL_DIR=<folder> build/tarquel

#include "base_grande.h"
#include "database/base_datos.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTextStream>
#include <exception>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList argumentos = app.arguments().mid(1);
    ParametrosBaseGrande parametros;
    QString ruta;
    for (qsizetype i = 0; i < argumentos.size(); ++i) {
        if (argumentos[i] == QLatin1String("--semilla") && i + 1 < argumentos.size())
            parametros.semilla = argumentos[++i].toULongLong();
        else if (ruta.isEmpty())
            ruta = argumentos[i];
        else
            ruta.clear(), i = argumentos.size();
    }
    if (ruta.isEmpty()) {
        err << "Uso: tarquel_base_grande <ruta> [--semilla N]\n";
        return 2;
    }
    try {
        QElapsedTimer reloj;
        reloj.start();
        generarBaseGrande(ruta, parametros);
        BaseDatos base;
        base.abrir(ruta);
        if (QFileInfo(ruta).fileName() == QLatin1String("BDR.mdb")
            && !QFileInfo::exists(QFileInfo(ruta).dir().filePath(QStringLiteral("Entorno.mem"))))
            escribirEntornoGrande(base, QFileInfo(ruta).absolutePath());
        err << "Base generada en " << ruta << " (" << reloj.elapsed() / 1000.0 << " s):\n";
        for (const char* tabla : {"Contribuyentes", "Cabeceras", "Retenciones", "Retenciones_B",
                                  "Guias", "Remesas"})
            err << "  " << tabla << ": "
                << base.valor(QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(tabla)).toLongLong()
                << '\n';
        err << "  último comprobante de la sucursal " << base_grande::kSucursal << ": "
            << base.valor(QStringLiteral("SELECT Nro_Comprobante FROM Sucursales WHERE Sucursal = ?"),
                          {QString::fromLatin1(base_grande::kSucursal)})
                   .toString()
            << '\n';
    } catch (const std::exception& e) {
        err << "No se pudo generar la base: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
