#include "app/sesion_grafica.h"

#include <QRegularExpression>
#include <QString>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>
#include <vector>

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

// What Qt said while the application was being made: heard afterwards when it was made, or read
// for the cause when it could not be.
struct Aviso {
    QtMsgType tipo;
    const char* categoria;
    QString texto;
};
std::vector<Aviso> avisos;

// The platform plugin Qt did not find ("xcb"), when that is why no window opens. Qt says it in
// English ("Could not find the Qt platform plugin ..."), then that reinstalling may help.
QString complementoQueFalta()
{
    static const QRegularExpression noEncontrado(
        QStringLiteral("Could not find the Qt platform plugin \"([^\"]*)\""));
    for (const Aviso& a : avisos)
        if (const QRegularExpressionMatch m = noEncontrado.match(a.texto); m.hasMatch())
            return m.captured(1);
    return {};
}

[[noreturn]] void noAbrioLaPantalla()
{
    QTextStream err(stderr);
    if (const QString complemento = complementoQueFalta(); !complemento.isEmpty()) {
        err << "Tarquel no puede abrir su ventana: falta el complemento de Qt para la pantalla ('"
            << complemento
            << "').\nInstálelo con el paquete qt6-qpa-plugins (como administrador: apt-get "
               "install qt6-qpa-plugins) y vuelva a iniciar el programa.\n";
    } else {
        err << kNecesitaSesion << " No pudo abrir su ventana en la pantalla '" << pantalla()
            << "'.\nInícielo desde el menú del escritorio, o desde una terminal abierta dentro del "
               "escritorio.\n";
    }
    err.flush();
    // The toolkit is halfway through starting: nothing of it may run any more.
    std::_Exit(1);
}

void vigilar(QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto)
{
    if (tipo == QtFatalMsg) noAbrioLaPantalla();
    avisos.push_back({tipo, contexto.category, texto});
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

VigilanciaPantalla::VigilanciaPantalla() : anterior_(qInstallMessageHandler(vigilar)) {}

VigilanciaPantalla::~VigilanciaPantalla()
{
    qInstallMessageHandler(anterior_);
    // The window opened: what Qt said meanwhile goes where it always goes.
    for (const Aviso& a : avisos)
        qt_message_output(a.tipo, QMessageLogContext(nullptr, 0, nullptr, a.categoria), a.texto);
    avisos.clear();
}
