#include "import/frmImportar.h"

#include "common/contexto.h"
#include "database/entorno.h"
#include "import/corrida_importacion.h"
#include "platform/dialogs.h"
#include "forms/ayuda.h"
#include "forms/cursor_espera.h"
#include "forms/selectores.h"

#include <QApplication>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

QString documentoInstrucciones(ModoImportacion modo)
{
    return modo == ModoImportacion::Sujetos ? QStringLiteral("Importar_Sujetos.doc")
                                            : QStringLiteral("Importar_DDJJ.doc");
}

frmImportar::frmImportar(Contexto& contexto, const QString& titulo, AbrirDocumento abrirDocumento,
                         QWidget* parent)
    : QDialog(parent), contexto_(contexto), abrirDocumento_(std::move(abrirDocumento))
{
    setObjectName(QStringLiteral("frmImportar"));
    setWindowTitle(titulo);
    crearPantalla();
    cmdBuscar->setFocus();
    qApp->installEventFilter(this);
}

void frmImportar::crearPantalla()
{
    lblArchivo = new QLabel(QStringLiteral(" Archivo origen de datos:"), this);
    lblArchivo->setObjectName(QStringLiteral("Label1"));

    txtArchivo = new QLineEdit(this);
    txtArchivo->setObjectName(QStringLiteral("txtArchivo"));
    txtArchivo->setToolTip(QStringLiteral("Tipee el path completo del archivo a importar o utilize "
                                          "el botón 'Buscar' para seleccionarlo."));
    connect(txtArchivo, &QLineEdit::textChanged, this, &frmImportar::txtArchivoChange);
    lblArchivo->setBuddy(txtArchivo);

    auto boton = [this](const char* nombre, const char* texto, void (frmImportar::*accion)()) {
        auto* b = new QPushButton(QString::fromUtf8(texto), this);
        b->setObjectName(QString::fromLatin1(nombre));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, accion);
        return b;
    };
    cmdBuscar = boton("cmdBuscar", "&Buscar...", &frmImportar::cmdBuscarClick);

    txtInfo = new QPlainTextEdit(this);
    txtInfo->setObjectName(QStringLiteral("txtInfo"));
    txtInfo->setReadOnly(true);
    txtInfo->setToolTip(QStringLiteral("Detalle de la importación."));
    txtInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtInfo->setMinimumSize(520, 260);

    prgImportacion = new QProgressBar(this);
    prgImportacion->setObjectName(QStringLiteral("prgImportacion"));
    prgImportacion->setRange(0, 100);
    prgImportacion->setValue(0);
    prgImportacion->setVisible(false);

    cmdImportar = boton("cmdImportar", "&Importar", &frmImportar::cmdImportarClick);
    cmdImportar->setEnabled(false);
    cmdInstrucciones =
        boton("cmdInstrucciones", "I&nstrucciones...", &frmImportar::cmdInstruccionesClick);
    cmdCerrar = boton("cmdCerrar", "&Cerrar", &frmImportar::reject);

    auto* archivo = new QHBoxLayout;
    archivo->addWidget(lblArchivo);
    archivo->addWidget(txtArchivo, 1);
    archivo->addWidget(cmdBuscar);

    auto* botones = new QHBoxLayout;
    botones->addStretch(1);
    for (QPushButton* b : {cmdImportar, cmdInstrucciones, cmdCerrar}) botones->addWidget(b);

    auto* columna = new QVBoxLayout(this);
    columna->addLayout(archivo);
    columna->addWidget(txtInfo, 1);
    columna->addWidget(prgImportacion);
    columna->addLayout(botones);

    // Buscar comes first in the tab order.
    setTabOrder(cmdBuscar, txtArchivo);
    setTabOrder(txtArchivo, cmdImportar);
    setTabOrder(cmdImportar, cmdInstrucciones);
    setTabOrder(cmdInstrucciones, cmdCerrar);
}

void frmImportar::cmdBuscarClick()
{
    const QString elegido = frmAbrir::elegir(contexto_.dialogs);
    txtArchivo->setText(elegido);
    txtArchivoLostFocus();
}

// Any edit of the file's name asks for a new check.
void frmImportar::txtArchivoChange()
{
    txtInfo->clear();
    cmdImportar->setEnabled(false);
    plan_.reset();
}

void frmImportar::txtArchivoLostFocus()
{
    if (importando_ || txtArchivo->text().isEmpty()) return;
    // A check that stands is not made again (nor its question asked again) just because the
    // focus went through the box.
    if (cmdImportar->isEnabled() && plan_) return;
    verificar();
}

bool frmImportar::verificar()
{
    auto resultado = verificarArchivo(contexto_.base, contexto_.dialogs,
                                      contexto_.entorno.nombresMeses(), modo(), txtArchivo->text());
    if (auto* rechazo = std::get_if<RechazoImportacion>(&resultado)) {
        mostrarRechazo(contexto_.dialogs, *rechazo);
        txtInfo->clear();
        cmdImportar->setEnabled(false);
        return false;
    }
    plan_ = std::get<PlanImportacion>(std::move(resultado));
    txtInfo->setPlainText(plan_->texto);
    cmdImportar->setEnabled(true);
    return true;
}

void frmImportar::agregarInfo(const QString& texto)
{
    txtInfo->moveCursor(QTextCursor::End);
    txtInfo->insertPlainText(texto);
    txtInfo->moveCursor(QTextCursor::End);
}

void frmImportar::progreso(int valor)
{
    prgImportacion->setValue(valor);
    // The window repaints while it reads, but takes no input until the run ends.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void frmImportar::cmdImportarClick()
{
    // Trying again after a run that kept nothing: the file and the declaration may have changed
    // since they were checked, so they are checked anew first.
    if (!plan_ && (txtArchivo->text().isEmpty() || !verificar())) return;
    agregarInfo(QStringLiteral("\n\n   Importando...\n\n"));
    txtInfo->repaint();
    cmdImportar->setEnabled(false);
    importando_ = true;
    prgImportacion->setValue(0);
    prgImportacion->setVisible(true);
    ResultadoImportacion resultado;
    {
        const CursorEspera espera;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        // The summary is in the window before the final message names the log.
        OpcionesImportacion opciones;
        opciones.progreso = [this](int valor) { progreso(valor); };
        opciones.resumen = [this](const QString& texto) { agregarInfo(texto); };
        resultado =
            importarArchivo(contexto_.base, contexto_.dialogs, contexto_.carpeta, *plan_, opciones);
    }
    importando_ = false;
    prgImportacion->setVisible(false);
    // A new run needs a new check: the file or the declaration may have changed.
    plan_.reset();
    if (!resultado.completa) {
        // The window says how the run ended, and Importar tries again.
        agregarInfo(QStringLiteral("   No se importó nada: %1\n").arg(resultado.falla));
        cmdImportar->setEnabled(true);
        return;
    }
    // The active branch and declaration are read again: the run moved the branch's counter and
    // marked the declaration as imported.
    contexto_.entorno.releerSucursal();
    contexto_.entorno.releerCabecera();
}

void frmImportar::cmdInstruccionesClick()
{
    if (abrirDocumento_) abrirDocumento_(documentoInstrucciones(modo()));
}

void frmImportar::reject()
{
    if (importando_) return;
    QDialog::reject();
}

bool frmImportar::eventFilter(QObject* objeto, QEvent* evento)
{
    auto* control = qobject_cast<QWidget*>(objeto);
    if (!control || control->window() != this) return QDialog::eventFilter(objeto, evento);

    if (evento->type() == QEvent::KeyRelease) {
        const auto* tecla = static_cast<QKeyEvent*>(evento);
        if (tecla->key() == Qt::Key_F1 && !tecla->isAutoRepeat() && !importando_) {
            mostrarAyuda(contexto_, windowTitle());
            return true;
        }
    } else if (evento->type() == QEvent::FocusIn && control == txtArchivo) {
        txtArchivo->selectAll();
    } else if (evento->type() == QEvent::FocusOut && control == txtArchivo) {
        // A message box or another window taking the focus is not the user leaving the box.
        const auto razon = static_cast<QFocusEvent*>(evento)->reason();
        if (razon != Qt::ActiveWindowFocusReason && razon != Qt::PopupFocusReason)
            txtArchivoLostFocus();
    }
    return QDialog::eventFilter(objeto, evento);
}

void abrirFrmImportar(Contexto& contexto, QWidget* ventana, const QString& titulo,
                      AbrirDocumento abrirDocumento)
{
    frmImportar formulario(contexto, titulo, std::move(abrirDocumento), ventana);
    contexto.dialogs.abrirModal(formulario);
}
