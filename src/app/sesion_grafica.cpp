#include "app/sesion_grafica.h"

#include <QString>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>

namespace {

const QString kNecesitaSesion =
    QStringLiteral("Tarquel necesita una sesión gráfica: es un programa de ventanas.");

// The screen Qt was to open, as the session names it.
QString pantalla()
{
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (!qEnvironmentVariableIsEmpty(variable)) return qEnvironmentVariable(variable);
    return {};
}

QtMessageHandler manejadorAnterior = nullptr;

void noAbrioLaPantalla(QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto)
{
    if (tipo != QtFatalMsg) {
        if (manejadorAnterior) manejadorAnterior(tipo, contexto, texto);
        return;
    }
    QTextStream err(stderr);
    err << kNecesitaSesion << " No pudo abrir su ventana en la pantalla '" << pantalla()
        << "'.\nDetalle del sistema: " << texto << '\n';
    err.flush();
    // The toolkit is halfway through starting: nothing of it may run any more.
    std::_Exit(1);
}

} // namespace

bool haySesionGrafica()
{
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

void avisarSinSesionGrafica()
{
    QTextStream(stderr)
        << kNecesitaSesion
        << " No encontró ninguna pantalla donde abrirlas (DISPLAY y WAYLAND_DISPLAY están vacías).\n"
           "Inícielo desde el menú del escritorio, o desde una terminal abierta dentro del "
           "escritorio.\n";
}

VigilanciaPantalla::VigilanciaPantalla() : anterior_(qInstallMessageHandler(noAbrioLaPantalla))
{
    manejadorAnterior = anterior_;
}

VigilanciaPantalla::~VigilanciaPantalla()
{
    qInstallMessageHandler(anterior_);
    manejadorAnterior = nullptr;
}
