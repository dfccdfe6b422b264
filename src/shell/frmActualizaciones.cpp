#include "shell/frmActualizaciones.h"

#include "platform/dialogs.h"
#include "shell/logo.h"
#include "shell/textos_organismo.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QLabel* etiqueta(const char* nombre, const QString& texto, QWidget* padre)
{
    auto* l = new QLabel(texto, padre);
    l->setObjectName(QString::fromLatin1(nombre));
    l->setWordWrap(true);
    return l;
}

QFrame* marco(const char* nombre, QWidget* padre)
{
    auto* f = new QFrame(padre);
    f->setObjectName(QString::fromLatin1(nombre));
    f->setFrameShape(QFrame::Box);
    f->setFrameShadow(QFrame::Sunken);
    return f;
}

} // namespace

frmActualizaciones::frmActualizaciones(Dialogs& dialogs, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("Frm_Actualizaciones"));
    setWindowTitle(QStringLiteral("Actualizaciones"));

    auto* columna = new QVBoxLayout(this);
    columna->addWidget(crearAviso());
    columna->addWidget(crearContacto());
    columna->addLayout(crearPie());

    // A fixed border: the height the wrapped texts need at the window's width.
    setFixedSize(520, columna->totalHeightForWidth(520));
}

QFrame* frmActualizaciones::crearAviso()
{
    auto* marcoAviso = marco("Shape1", this);
    auto* arriba = new QGridLayout(marcoAviso);
    auto* imgLogo = etiqueta("Image1", QString(), marcoAviso);
    imgLogo->setPixmap(logoTarquel(72));
    arriba->addWidget(imgLogo, 0, 0, 3, 1, Qt::AlignTop);
    auto* lblTitulo = etiqueta("Label4", QStringLiteral("ACTUALIZACIONES"), marcoAviso);
    QFont titulo = lblTitulo->font();
    titulo.setBold(true);
    titulo.setPointSize(titulo.pointSize() + 4);
    lblTitulo->setFont(titulo);
    arriba->addWidget(lblTitulo, 0, 1);
    arriba->addWidget(etiqueta("Label1",
                               QStringLiteral("Para ver en el Sitio Oficial de Tresvalle si hay alguna "
                                              "Actualización a nueva versión de este sistema,    haga "
                                              "click en :"),
                               marcoAviso),
                      1, 1);
    arriba->addLayout(crearEnlace(marcoAviso), 2, 1);
    arriba->addWidget(etiqueta("Label3",
                               QStringLiteral("Recuerde que antes de aplicar cualquier actualización, "
                                              "debe hacer un backup de la base de datos."),
                               marcoAviso),
                      3, 0, 1, 2);
    return marcoAviso;
}

QHBoxLayout* frmActualizaciones::crearEnlace(QFrame* aviso)
{
    auto* enlace = new QHBoxLayout;
    auto* lblEnlace = etiqueta("Label2",
                            QStringLiteral("<a href=\"%1\">Sitio Oficial de la Orvalen - Página del "
                                           "Tarquel</a>")
                                .arg(organismo::PaginaActualizaciones),
                            aviso);
    lblEnlace->setTextFormat(Qt::RichText);
    lblEnlace->setOpenExternalLinks(false);
    lblEnlace->setToolTip(organismo::PaginaActualizaciones);
    connect(lblEnlace, &QLabel::linkActivated, this, [this] { lblEnlaceClick(); });
    auto* cmdContribuyentes = new QToolButton(aviso);
    cmdContribuyentes->setObjectName(QStringLiteral("cmdContribuyentes"));
    cmdContribuyentes->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
    cmdContribuyentes->setToolTip(QStringLiteral("Dirección de la página"));
    connect(cmdContribuyentes, &QToolButton::clicked, this, [this] { cmdContribuyentesClick(); });
    enlace->addWidget(lblEnlace, 1);
    enlace->addWidget(cmdContribuyentes);
    return enlace;
}

QFrame* frmActualizaciones::crearContacto()
{
    auto* marcoContacto = marco("Shape2", this);
    auto* contacto = new QVBoxLayout(marcoContacto);
    contacto->addWidget(etiqueta(
        "Label5", QStringLiteral("Para cualquier información comuníquese con"), marcoContacto));
    contacto->addWidget(etiqueta("Label6", organismo::Division, marcoContacto));
    contacto->addWidget(etiqueta("Label7", organismo::Telefono, marcoContacto));
    contacto->addWidget(etiqueta("Label8", organismo::Correo, marcoContacto));
    return marcoContacto;
}

QHBoxLayout* frmActualizaciones::crearPie()
{
    auto* pie = new QHBoxLayout;
    auto* firma = new QVBoxLayout;
    auto* lblCompanyProduct = etiqueta("lblCompanyProduct", organismo::Nombre, this);
    QFont negrita = lblCompanyProduct->font();
    negrita.setBold(true);
    lblCompanyProduct->setFont(negrita);
    auto* lblLicenseTo = etiqueta("lblLicenseTo", organismo::Ministerio, this);
    lblCompanyProduct->setWordWrap(false);
    lblLicenseTo->setWordWrap(false);
    firma->addWidget(lblCompanyProduct);
    firma->addWidget(lblLicenseTo);
    pie->addLayout(firma, 1);
    auto* cmdSalir = new QPushButton(QStringLiteral("&Salir"), this);
    cmdSalir->setObjectName(QStringLiteral("cmdSalir"));
    connect(cmdSalir, &QPushButton::clicked, this, &QDialog::accept);
    pie->addWidget(cmdSalir, 0, Qt::AlignBottom);
    return pie;
}

void frmActualizaciones::lblEnlaceClick()
{
    dialogs_.abrirConEscritorio(organismo::PaginaActualizaciones,
                                {QStringLiteral("No se pudo abrir el navegador con la página de "
                                                "actualizaciones:\n\n%1")
                                     .arg(organismo::PaginaActualizaciones),
                                 kTituloAplicacion, Icono::Exclamacion});
}

void frmActualizaciones::cmdContribuyentesClick()
{
    dialogs_.mostrar({QStringLiteral("La direccion es ") + organismo::PaginaSistema, kTituloAplicacion,
                      Icono::Informacion});
}
