#include "shell/frmAcercaDe.h"

#include "platform/dialogs.h"
#include "shell/logo.h"
#include "shell/textos_organismo.h"
#include "shell/version.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QLabel* etiqueta(const char* nombre, const QString& texto, QWidget* padre)
{
    auto* l = new QLabel(texto, padre);
    l->setObjectName(QString::fromLatin1(nombre));
    return l;
}

} // namespace

frmAcercaDe::frmAcercaDe(QWidget* parent, int msCierre)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmAcercaDe"));
    setModal(true);

    auto* exterior = new QVBoxLayout(this);
    exterior->setContentsMargins(6, 6, 6, 6);
    recuadro_ = new QFrame(this);
    recuadro_->setObjectName(QStringLiteral("Frame1"));
    recuadro_->setFrameShape(QFrame::Box);
    recuadro_->installEventFilter(this);
    exterior->addWidget(recuadro_);

    auto* columna = new QVBoxLayout(recuadro_);
    columna->setContentsMargins(18, 14, 18, 14);

    auto* cabeza = new QHBoxLayout;
    cabeza->setSpacing(18);
    auto* imgLogo = etiqueta("imgLogo", QString(), recuadro_);
    imgLogo->setPixmap(logoTarquel(110));
    cabeza->addWidget(imgLogo, 0, Qt::AlignTop);

    auto* producto = new QVBoxLayout;
    auto* lblProductName = etiqueta("lblProductName", QStringLiteral("Tarquel"), recuadro_);
    QFont titulo(QStringLiteral("Bookman Old Style"));
    titulo.setStyleHint(QFont::Serif);
    titulo.setPointSize(30);
    titulo.setBold(true);
    lblProductName->setFont(titulo);
    producto->addWidget(lblProductName);
    producto->addWidget(
        etiqueta("lblVersion", QStringLiteral("Versión ") + versionPrograma(), recuadro_));
    producto->addWidget(etiqueta("lblPlatform", organismo::Plataforma, recuadro_));
    producto->addStretch(1);
    cabeza->addLayout(producto, 1);
    columna->addLayout(cabeza);
    columna->addSpacing(10);

    auto* lblCompanyProduct = etiqueta("lblCompanyProduct", organismo::Nombre, recuadro_);
    QFont negrita = lblCompanyProduct->font();
    negrita.setBold(true);
    negrita.setPointSize(negrita.pointSize() + 3);
    lblCompanyProduct->setFont(negrita);
    columna->addWidget(lblCompanyProduct);
    columna->addWidget(etiqueta("lblLicenseTo", organismo::Ministerio, recuadro_));
    columna->addWidget(etiqueta("lblCompany", organismo::Gobierno, recuadro_));
    auto* lblCopyright = etiqueta("lblCopyright", organismo::Derechos, recuadro_);
    QFont chica = lblCopyright->font();
    chica.setPointSize(qMax(7, chica.pointSize() - 1));
    lblCopyright->setFont(chica);
    columna->addWidget(lblCopyright);
    columna->addSpacing(10);

    lblTarea_ = etiqueta("lblTarea", kCargando, recuadro_);
    QFont tarea = lblTarea_->font();
    tarea.setBold(true);
    lblTarea_->setFont(tarea);
    lblTarea_->setAlignment(Qt::AlignCenter);
    // The blink hides the text; the space it takes stays, so the window does not jump.
    QSizePolicy politica = lblTarea_->sizePolicy();
    politica.setRetainSizeWhenHidden(true);
    lblTarea_->setSizePolicy(politica);
    columna->addWidget(lblTarea_);

    relojParpadeo_ = new QTimer(this);
    relojParpadeo_->setObjectName(QStringLiteral("Timer1"));
    relojParpadeo_->setInterval(250);
    connect(relojParpadeo_, &QTimer::timeout, this, &frmAcercaDe::pulsoParpadeo);
    relojParpadeo_->start();

    relojCierre_ = new QTimer(this);
    relojCierre_->setObjectName(QStringLiteral("Timer"));
    relojCierre_->setInterval(msCierre);
    connect(relojCierre_, &QTimer::timeout, this, [this] { close(); });
    relojCierre_->start();

    setFixedSize(sizeHint().expandedTo(QSize(460, 0)));
}

void frmAcercaDe::setTarea(const QString& texto)
{
    lblTarea_->setText(texto);
}

QString frmAcercaDe::tarea() const
{
    return lblTarea_->text();
}

void frmAcercaDe::setTrabajos(std::function<void()> compactar, std::function<void()> eliminar)
{
    compactar_ = std::move(compactar);
    eliminar_ = std::move(eliminar);
}

void frmAcercaDe::pulsoParpadeo()
{
    if (EmpezarComp) {
        EmpezarComp = false;
        ejecutar(compactar_);
    } else if (EliminarSuj) {
        EliminarSuj = false;
        ejecutar(eliminar_);
    }
    lblTarea_->setVisible(!lblTarea_->isVisible());
}

void frmAcercaDe::ejecutar(const std::function<void()>& trabajo)
{
    // The task puts the load text back itself, so that the window may close when it ends.
    if (trabajo) trabajo();
    setTarea(kCargando);
    accept();
}

bool frmAcercaDe::puedeCerrar() const
{
    return lblTarea_->text() == kCargando;
}

void frmAcercaDe::done(int resultado)
{
    if (!puedeCerrar()) return;
    relojParpadeo_->stop();
    relojCierre_->stop();
    QDialog::done(resultado);
}

void frmAcercaDe::keyPressEvent(QKeyEvent*)
{
    close();
}

void frmAcercaDe::closeEvent(QCloseEvent* evento)
{
    if (!puedeCerrar()) {
        evento->ignore();
        return;
    }
    QDialog::closeEvent(evento);
}

bool frmAcercaDe::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == recuadro_ && evento->type() == QEvent::MouseButtonPress) {
        close();
        return true;
    }
    return QDialog::eventFilter(objeto, evento);
}

void mostrarPresentacion(Dialogs& dialogs)
{
    frmAcercaDe presentacion;
    dialogs.abrirModal(presentacion);
}
