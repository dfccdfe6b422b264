#include "shell/base_nueva.h"

#include "database/base_suministrada.h"
#include "database/error_motor.h"
#include "platform/archivos_privados.h"
#include "platform/dialogs.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The seeds of a new install announce every row they add; nobody needs to hear it.
class SinAvisos final : public Dialogs {
public:
    Respuesta mostrar(const Mensaje& mensaje) override { return mensaje.porDefecto; }
    std::optional<QString> pedirTexto(const QString&, const QString&, const QString&) override
    {
        return std::nullopt;
    }
    QString elegirArchivo(const QString&, const QString&, const QString&) override { return {}; }
    QString elegirCarpeta(const QString&, const QString&) override { return {}; }
    int abrirModal(QDialog&) override { return 0; }
    void abrirConEscritorio(const QString&, const Mensaje&) override {}
};

} // namespace

bool esCarpetaNueva(const QString& carpeta)
{
    const QDir dir(carpeta);
    return !QFileInfo::exists(dir.filePath(QStringLiteral("BDR.mdb")))
        && !QFileInfo::exists(dir.filePath(QStringLiteral("Entorno.mem")));
}

void prepararCarpetaNueva(const QString& carpeta)
{
    if (!crearCarpetaPrivada(carpeta))
        throw ErrorMotor(errores::AccesoArchivo,
                         QStringLiteral("No se pudo crear la carpeta de datos '%1'.")
                             .arg(QDir::toNativeSeparators(carpeta)));
    const QDir dir(carpeta);
    SinAvisos sinAvisos;
    crearBaseInstalada(dir.filePath(QStringLiteral("BDR.mdb")), sinAvisos);
    crearArchivoVacio(dir.filePath(QStringLiteral("Entorno.mem")));
}
