#include "shell/frmPrincipal.h"

#include "common/contexto.h"
#include "database/entorno.h"
#include "forms/ayuda.h"
#include "forms/cursor_espera.h"
#include "platform/dialogs.h"
#include "platform/ventana_en_pantalla.h"
#include "shell/frmActualizaciones.h"
#include "shell/arranque.h"
#include "shell/compactacion.h"
#include "shell/estado_menus.h"
#include "shell/frmAcercaDe.h"
#include "shell/leame.h"
#include "shell/logo.h"
#include "shell/menu_principal.h"
#include "shell/sujetos_no_utilizados.h"
#include "shell/version.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QVBoxLayout>
#include <cmath>

namespace {

int pixeles(double twips)
{
    // The logo's frame is laid out in twips (1440 to the inch) at 96 dots per inch, so it keeps
    // its size in pixels whatever the screen.
    return static_cast<int>(std::lround(twips * 96.0 / 1440.0));
}

} // namespace

frmPrincipal::frmPrincipal(Contexto& contexto, Arranque& arranque, QWidget* parent)
    : QMainWindow(parent), contexto_(contexto), arranque_(arranque),
      paneles_(contexto.entorno)
{
    setObjectName(QStringLiteral("frmPrincipal"));
    setWindowTitle(QStringLiteral("Tarquel  -  Versión ") + versionPrograma());
    setWindowIcon(QIcon(logoTarquel(64)));
    resize(800, 560);

    construirMenus();
    construirCentro();
    instalarAyudaF1(*this, contexto_, [this] { return objectName(); });
    // The panels and the menus follow every change of the environment at once.
    connect(&contexto_.entorno, &Entorno::cambiado, this, &frmPrincipal::seguirEntorno);
    actualizarMenus();
    ajustarAPantalla(*this);
}

void frmPrincipal::construirMenus()
{
    for (const DefMenu& def : arbolMenus()) {
        QMenu* menu = menuBar()->addMenu(def.titulo);
        menu->setObjectName(def.nombre);
        menu->menuAction()->setObjectName(def.nombre);
        acciones_[def.nombre] = menu->menuAction();
        for (const DefItemMenu& item : def.items) {
            QAction* accion = item.esSeparador() ? menu->addSeparator() : menu->addAction(item.titulo);
            accion->setObjectName(item.nombre);
            acciones_[item.nombre] = accion;
            if (!item.esSeparador())
                connect(accion, &QAction::triggered, this,
                        [this, nombre = item.nombre] { ejecutar(nombre); });
        }
    }
}

void frmPrincipal::construirCentro()
{
    centro_ = new QWidget(this);
    centro_->installEventFilter(this);
    auto* columna = new QVBoxLayout(centro_);
    columna->setContentsMargins(0, 0, 0, 0);
    columna->setSpacing(0);
    columna->addStretch(1);

    // The logo and its raised frame are placed by hand on every resize, a little above the middle.
    cmdLogo_ = new QFrame(centro_);
    cmdLogo_->setObjectName(QStringLiteral("cmdLogo"));
    cmdLogo_->setFrameShape(QFrame::Panel);
    cmdLogo_->setFrameShadow(QFrame::Raised);
    cmdLogo_->setLineWidth(2);
    picLogo_ = new QLabel(centro_);
    picLogo_->setObjectName(QStringLiteral("picLogo"));
    picLogo_->setPixmap(logoTarquel(180));
    picLogo_->resize(180, 180);

    auto* lblAyuda = new QLabel(QStringLiteral("Presione F1 para obtener ayuda."), centro_);
    lblAyuda->setObjectName(QStringLiteral("lblAyuda"));
    lblAyuda->setContentsMargins(8, 4, 8, 4);
    columna->addWidget(lblAyuda);

    auto barra = [&](const char* nombre, std::initializer_list<QString> claves) {
        auto* estado = new QStatusBar(centro_);
        estado->setObjectName(QString::fromLatin1(nombre));
        estado->setSizeGripEnabled(false);
        // Without a size grip the last panel would run into the window's edge and lose its border.
        estado->setContentsMargins(0, 0, 2, 0);
        bool primero = true;
        for (const QString& clave : claves) {
            auto* etiqueta = new QLabel(paneles_.texto(clave), estado);
            etiqueta->setObjectName(clave);
            etiqueta->setToolTip(PanelesEstado::ayudaPanel(clave));
            etiqueta->setFrameShape(QFrame::Panel);
            etiqueta->setFrameShadow(QFrame::Sunken);
            estado->addWidget(etiqueta, primero ? 3 : 1);
            primero = false;
        }
        columna->addWidget(estado);
        return estado;
    };
    barraAgente_ = barra("StatusBar1", {panel::Agente, panel::Sucursal});
    barraDeclaracion_ =
        barra("StatusBar2", {panel::Regimen, panel::Mes, panel::Anio, panel::Rectifica});
    setCentralWidget(centro_);
}

void frmPrincipal::ubicarLogo()
{
    const double alto = centro_->height();
    const double ancho = centro_->width();
    const QSize logo = picLogo_->size();
    const int arriba = static_cast<int>(std::nearbyint((alto - logo.height() * 1.5) / 2));
    const int izquierda = static_cast<int>(std::nearbyint((ancho - logo.width() * 1.02) / 2));
    picLogo_->move(izquierda, arriba);
    // A frame of 100 twips on the top and left, 120 on the bottom and right.
    cmdLogo_->setGeometry(izquierda - pixeles(100), arriba - pixeles(100),
                          logo.width() + pixeles(220), logo.height() + pixeles(220));
    cmdLogo_->lower();
}

bool frmPrincipal::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == centro_ && evento->type() == QEvent::Resize) ubicarLogo();
    return QMainWindow::eventFilter(objeto, evento);
}

void frmPrincipal::setAbridor(const QString& item, Abridor abridor)
{
    abridores_[item] = std::move(abridor);
    actualizarMenus();
}

QAction* frmPrincipal::accion(const QString& nombre) const
{
    const auto it = acciones_.find(nombre);
    return it == acciones_.end() ? nullptr : it->second;
}

void frmPrincipal::actualizarMenus()
{
    const EstadoMenus estado = estadoMenus(entornoMenus(contexto_.entorno));
    for (const auto& [nombre, accion] : acciones_) {
        const auto regla = estado.find(nombre);
        if (regla == estado.end()) continue;
        const bool esMenu = accion->menu() != nullptr;
        const auto abridor = abridores_.find(nombre);
        const bool tieneComando = esMenu || accion->isSeparator() || esComandoPropio(nombre)
            || (abridor != abridores_.end() && abridor->second);
        const bool habilitado = regla->second.habilitado && tieneComando;
        // A menu's own widget rules its action: disabling and enabling the window again (as the
        // maintenance tasks do) must leave a disabled menu disabled.
        if (esMenu)
            accion->menu()->setEnabled(habilitado);
        else
            accion->setEnabled(habilitado);
        accion->setVisible(regla->second.visible);
    }
}

void frmPrincipal::ejecutar(const QString& item)
{
    Entorno& entorno = contexto_.entorno;
    try {
        if (item == QLatin1String("mnuLeame")) {
            mnuLeameClick();
        } else if (item == QLatin1String("mnuSalir")) {
            close();
            return;
        } else if (item == QLatin1String("mnuCompactDB")) {
            mnuCompactDBClick();
        } else if (item == QLatin1String("mnuEliminarSuj")) {
            mnuEliminarSujClick();
        } else if (item == QLatin1String("MnuActualizaciones")) {
            mnuActualizacionesClick();
        } else if (item == QLatin1String("MnuRemesas") && !entorno.agenteActual()) {
            contexto_.dialogs.mostrar({QStringLiteral("Aún no ha seleccionado el Agente"),
                                       kTituloAplicacion, Icono::Critico});
        } else if (const auto it = abridores_.find(item); it != abridores_.end() && it->second) {
            it->second();
        }
    } catch (const ErrorMotor& error) {
        // A form that failed on the database: say why; the program goes on.
        contexto_.dialogs.aviso(error.textoGuion());
    }
    if (!cerrado_) actualizarMenus();
}

void frmPrincipal::mnuLeameClick()
{
    mostrarLeame(contexto_.dialogs, contexto_.carpeta);
}

void frmPrincipal::mnuCompactDBClick()
{
    Dialogs& dialogs = contexto_.dialogs;
    const Mensaje pregunta{
        QStringLiteral("Este procedimiento compacta la base de datos depurándola de aquellos registros "
                       "que han sido eliminados, esto permite optimizar el espacio en disco y mejorar "
                       "la performance del sistema.\n"
                       "Aunque el procedimiento es suficientemente seguro, se recomienda tener una "
                       "copia de seguridad de la base."),
        QStringLiteral("Atención..."), Icono::Exclamacion, Botones::AceptarCancelar,
        Respuesta::Cancelar};
    if (dialogs.mostrar(pregunta) != Respuesta::Aceptar) return;

    std::optional<ResultadoCompactacion> resultado;
    {
        CursorEspera espera;
        frmAcercaDe progreso;
        progreso.setTarea(frmAcercaDe::kCompactando);
        progreso.EmpezarComp = true;
        progreso.setTrabajos(
            [&] { resultado = compactarBase(arranque_, contexto_.entorno); }, {});
        setEnabled(false);
        dialogs.abrirModal(progreso);
        setEnabled(true);
    }
    if (!resultado) return;
    if (resultado->error)
        dialogs.mostrar({QStringLiteral("No se pudo compactar la base de datos; se conserva el archivo "
                                        "'BDR.mdb' como estaba.\n\n")
                             + resultado->error->textoGuion(),
                         kTituloAplicacion, Icono::Critico});
    if (resultado->fin != FinArranque::Continuar) {
        terminar();
        return;
    }
    if (!resultado->compactada) return;
    const QLocale local;
    dialogs.mostrar({QStringLiteral("Base de datos compactada exitosamente.\n\n"
                                    "Tamaño anterior             %1 bytes\n"
                                    "Tamaño compactada     %2 bytes")
                         .arg(local.toString(resultado->tamanioAnterior),
                              local.toString(resultado->tamanioCompactada)),
                     kTituloAplicacion, Icono::Informacion});
}

void frmPrincipal::mnuEliminarSujClick()
{
    Dialogs& dialogs = contexto_.dialogs;
    if (!dialogs.preguntaSiNo(QStringLiteral("Esta función borrará todos los registros de sujetos "
                                             "que no estén asociados con ninguna "
                                             "Retención/Percepción.\n\n¿Confirma?"),
                              QStringLiteral("Atención..."), Respuesta::No, Icono::Pregunta))
        return;

    bool hecho = false;
    std::optional<ErrorMotor> falla;
    {
        CursorEspera espera;
        frmAcercaDe progreso;
        progreso.setTarea(frmAcercaDe::kEliminando);
        progreso.EliminarSuj = true;
        progreso.setTrabajos({}, [&] {
            try {
                eliminarSujetos(contexto_.base);
                hecho = true;
            } catch (const ErrorMotor& error) {
                falla = error;
            }
        });
        setEnabled(false);
        dialogs.abrirModal(progreso);
        setEnabled(true);
    }
    if (falla) {
        dialogs.mostrar({falla->textoGuion(), kTituloAplicacion, Icono::Critico});
        return;
    }
    if (!hecho) return;
    dialogs.mostrar({QStringLiteral("Se han eliminado todos los registros de sujetos que no estaban "
                                    "asociados con ninguna Retención/Percepción."),
                     kTituloAplicacion, Icono::Informacion});
}

void frmPrincipal::mnuActualizacionesClick()
{
    frmActualizaciones ventana(contexto_.dialogs);
    contexto_.dialogs.abrirModal(ventana);
}

void frmPrincipal::terminar()
{
    cerrado_ = true;
    close();
    // The run could not go on: the process ends as a refused start does.
    QCoreApplication::exit(1);
}

QString frmPrincipal::textoPanel(const QString& clave) const
{
    const auto* etiqueta = findChild<QLabel*>(clave);
    return etiqueta ? etiqueta->text() : QString();
}

void frmPrincipal::seguirEntorno()
{
    for (const QString& clave : {panel::Agente, panel::Sucursal, panel::Regimen, panel::Mes,
                                 panel::Anio, panel::Rectifica})
        if (auto* etiqueta = findChild<QLabel*>(clave))
            etiqueta->setText(paneles_.texto(clave));
    actualizarMenus();
}

void frmPrincipal::changeEvent(QEvent* evento)
{
    // Becoming active again, after any window shown over it has closed.
    if (evento->type() == QEvent::ActivationChange && isActiveWindow()) actualizarMenus();
    QMainWindow::changeEvent(evento);
}

void frmPrincipal::closeEvent(QCloseEvent* evento)
{
    // Closing the main window always ends the program, after saving the environment.
    if (!cerrado_) {
        cerrado_ = true;
        arranque_.cerrar();
    }
    evento->accept();
}
