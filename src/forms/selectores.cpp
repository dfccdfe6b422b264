#include "forms/selectores.h"

#include "platform/dialogs.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString inicialOHogar(const QString& carpeta)
{
    return carpeta.isEmpty() ? QDir::homePath() : carpeta;
}

QString conBarraFinal(QString carpeta)
{
    carpeta = QDir::fromNativeSeparators(carpeta);
    if (!carpeta.endsWith(QLatin1Char('/'))) carpeta += QLatin1Char('/');
    return carpeta;
}

} // namespace

QString frmAbrir::elegir(Dialogs& dialogs, const QString& carpetaInicial)
{
    QString inicial = inicialOHogar(carpetaInicial);
    for (;;) {
        const QString ruta =
            dialogs.elegirArchivo(kTitulo, inicial, QStringLiteral("Todos los archivos (*)"));
        if (ruta.isEmpty()) return {};
        if (!ruta.endsWith(QLatin1Char('/')) && !QFileInfo(ruta).isDir()) return ruta;
        dialogs.mostrar({QStringLiteral("¡Debe seleccionar un archivo!"), kTituloAplicacion,
                         Icono::Exclamacion});
        inicial = ruta;
    }
}

QString frmGuardarEn::elegir(Dialogs& dialogs, const QString& carpetaInicial)
{
    const QString inicial = inicialOHogar(carpetaInicial);
    for (;;) {
        const QString ruta = dialogs.elegirCarpeta(kTitulo, inicial);
        if (ruta.isEmpty()) return {};
        if (QFileInfo(ruta).isDir()) return conBarraFinal(ruta);
        // What the system says of a path that does not exist.
        dialogs.mostrar({QStringLiteral("No se encontró la ruta de acceso '%1'.")
                             .arg(QDir::toNativeSeparators(ruta)),
                         QStringLiteral("Error 76"), Icono::Critico});
    }
}
