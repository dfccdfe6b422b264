#include "shell/frmPrincipal.h"

#include "database/entorno.h"
#include "shell/arranque.h"
#include "shell/version.h"

#include <QCloseEvent>
#include <QLabel>
#include <QStatusBar>
#include <QVBoxLayout>

frmPrincipal::frmPrincipal(Entorno& entorno, Arranque& arranque, QWidget* parent)
    : QMainWindow(parent), entorno_(entorno), arranque_(arranque)
{
    setObjectName(QStringLiteral("frmPrincipal"));
    setWindowTitle(QStringLiteral("Tarquel  -  Versión ") + versionPrograma());
    resize(800, 560);

    auto* central = new QWidget(this);
    auto* columna = new QVBoxLayout(central);
    columna->setContentsMargins(0, 0, 0, 0);
    columna->setSpacing(0);
    columna->addStretch(1);

    auto* lblAyuda = new QLabel(QStringLiteral("Presione F1 para obtener ayuda."), central);
    lblAyuda->setObjectName(QStringLiteral("lblAyuda"));
    lblAyuda->setContentsMargins(8, 4, 8, 4);
    columna->addWidget(lblAyuda);

    auto barra = [&](const char* nombre, std::initializer_list<QString> claves) {
        auto* estado = new QStatusBar(central);
        estado->setObjectName(QString::fromLatin1(nombre));
        estado->setSizeGripEnabled(false);
        bool primero = true;
        for (const QString& clave : claves) {
            auto* etiqueta = new QLabel(entorno_.textoPanel(clave), estado);
            etiqueta->setObjectName(clave);
            etiqueta->setToolTip(Entorno::ayudaPanel(clave));
            etiqueta->setFrameShape(QFrame::Panel);
            etiqueta->setFrameShadow(QFrame::Sunken);
            estado->addWidget(etiqueta, primero ? 3 : 1);
            primero = false;
        }
        columna->addWidget(estado);
        return estado;
    };
    StatusBar1_ = barra("StatusBar1", {panel::Agente, panel::Sucursal});
    StatusBar2_ = barra("StatusBar2", {panel::Regimen, panel::Mes, panel::Anio, panel::Rectifica});
    setCentralWidget(central);

    connect(&entorno_, &Entorno::panelCambiado, this, &frmPrincipal::mostrarPanel);
}

QString frmPrincipal::textoPanel(const QString& clave) const
{
    const auto* etiqueta = findChild<QLabel*>(clave);
    return etiqueta ? etiqueta->text() : QString();
}

void frmPrincipal::mostrarPanel(const QString& clave, const QString& texto)
{
    if (auto* etiqueta = findChild<QLabel*>(clave)) etiqueta->setText(texto);
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
