#include "shell/Frm_Actualizaciones.h"

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

Frm_Actualizaciones::Frm_Actualizaciones(Dialogs& dialogs, QWidget* parent)
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

QFrame* Frm_Actualizaciones::crearAviso()
{
    auto* Shape1 = marco("Shape1", this);
    auto* arriba = new QGridLayout(Shape1);
    auto* Image1 = etiqueta("Image1", QString(), Shape1);
    Image1->setPixmap(logoTarquel(72));
    arriba->addWidget(Image1, 0, 0, 3, 1, Qt::AlignTop);
    auto* Label4 = etiqueta("Label4", QStringLiteral("ACTUALIZACIONES"), Shape1);
    QFont titulo = Label4->font();
    titulo.setBold(true);
    titulo.setPointSize(titulo.pointSize() + 4);
    Label4->setFont(titulo);
    arriba->addWidget(Label4, 0, 1);
    arriba->addWidget(etiqueta("Label1",
                               QStringLiteral("Para ver en el Sitio Oficial de Tresvalle si hay alguna "
                                              "Actualización a nueva versión de este sistema,    haga "
                                              "click en :"),
                               Shape1),
                      1, 1);
    arriba->addLayout(crearEnlace(Shape1), 2, 1);
    arriba->addWidget(etiqueta("Label3",
                               QStringLiteral("Recuerde que antes de aplicar cualquier actualización, "
                                              "debe hacer un backup de la base de datos."),
                               Shape1),
                      3, 0, 1, 2);
    return Shape1;
}

QHBoxLayout* Frm_Actualizaciones::crearEnlace(QFrame* aviso)
{
    auto* enlace = new QHBoxLayout;
    auto* Label2 = etiqueta("Label2",
                            QStringLiteral("<a href=\"%1\">Sitio Oficial de la Orvalen - Página del "
                                           "Tarquel</a>")
                                .arg(organismo::PaginaActualizaciones),
                            aviso);
    Label2->setTextFormat(Qt::RichText);
    Label2->setOpenExternalLinks(false);
    Label2->setToolTip(organismo::PaginaActualizaciones);
    connect(Label2, &QLabel::linkActivated, this, [this] { Label2_Click(); });
    auto* cmdContribuyentes = new QToolButton(aviso);
    cmdContribuyentes->setObjectName(QStringLiteral("cmdContribuyentes"));
    cmdContribuyentes->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
    cmdContribuyentes->setToolTip(QStringLiteral("Dirección de la página"));
    connect(cmdContribuyentes, &QToolButton::clicked, this, [this] { cmdContribuyentes_Click(); });
    enlace->addWidget(Label2, 1);
    enlace->addWidget(cmdContribuyentes);
    return enlace;
}

QFrame* Frm_Actualizaciones::crearContacto()
{
    auto* Shape2 = marco("Shape2", this);
    auto* contacto = new QVBoxLayout(Shape2);
    contacto->addWidget(
        etiqueta("Label5", QStringLiteral("Para cualquier información comuníquese con"), Shape2));
    contacto->addWidget(etiqueta("Label6", organismo::Division, Shape2));
    contacto->addWidget(etiqueta("Label7", organismo::Telefono, Shape2));
    contacto->addWidget(etiqueta("Label8", organismo::Correo, Shape2));
    return Shape2;
}

QHBoxLayout* Frm_Actualizaciones::crearPie()
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

void Frm_Actualizaciones::Label2_Click()
{
    if (!dialogs_.abrirConEscritorio(organismo::PaginaActualizaciones))
        dialogs_.mostrar({QStringLiteral("No se pudo abrir el navegador con la página de "
                                         "actualizaciones:\n\n%1")
                              .arg(organismo::PaginaActualizaciones),
                          kTituloAplicacion, Icono::Exclamacion});
}

void Frm_Actualizaciones::cmdContribuyentes_Click()
{
    dialogs_.mostrar({QStringLiteral("La direccion es ") + organismo::PaginaSistema, kTituloAplicacion,
                      Icono::Informacion});
}
