#include "platform/qt_dialogs.h"

#include "platform/lista_archivos.h"
#include "platform/ventana_en_pantalla.h"
#include "platform/windows_1252.h"

#include <QApplication>
#include <algorithm>
#include <QDialog>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

namespace {

QMessageBox::Icon iconoQt(Icono icono)
{
    switch (icono) {
    case Icono::Informacion: return QMessageBox::Information;
    case Icono::Exclamacion: return QMessageBox::Warning;
    case Icono::Critico: return QMessageBox::Critical;
    case Icono::Pregunta: return QMessageBox::Question;
    case Icono::Ninguno: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

int anchoParaTitulo(const QString& titulo)
{
    // Title bars draw their text bold and usually a little larger than the windows' own; beside
    // it stand the window's icon and its buttons.
    QFont fuente = QApplication::font();
    fuente.setBold(true);
    fuente.setPointSizeF(fuente.pointSizeF() * 1.15);
    constexpr int kIconoYBotones = 160;
    return QFontMetrics(fuente).horizontalAdvance(titulo) + kIconoYBotones;
}

namespace {

// A short text would leave a box too narrow for its title, which the title bar then cuts. The
// boxes size themselves to their layouts when shown: the room is a spacer across the layout.
void reservarAnchoDeTitulo(QLayout* disposicion, const QString& titulo)
{
    if (!disposicion) return;
    auto* espacio =
        new QSpacerItem(anchoParaTitulo(titulo), 0, QSizePolicy::Minimum, QSizePolicy::Fixed);
    if (auto* rejilla = qobject_cast<QGridLayout*>(disposicion))
        rejilla->addItem(espacio, rejilla->rowCount(), 0, 1, rejilla->columnCount());
    else
        disposicion->addItem(espacio);
}

} // namespace

BotonesMensaje prepararCajaMensaje(QMessageBox& caja, const Mensaje& mensaje)
{
    caja.setIcon(iconoQt(mensaje.icono));
    caja.setWindowTitle(mensaje.titulo);
    caja.setText(mensaje.texto);
    BotonesMensaje b;
    switch (mensaje.botones) {
    case Botones::Aceptar:
        b.aceptar = caja.addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole);
        break;
    case Botones::AceptarCancelar:
        b.aceptar = caja.addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole);
        b.cancelar = caja.addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole);
        break;
    case Botones::SiNo:
        b.si = caja.addButton(QStringLiteral("&Sí"), QMessageBox::YesRole);
        b.no = caja.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
        caja.setEscapeButton(b.no);
        break;
    }
    switch (mensaje.porDefecto) {
    case Respuesta::Aceptar: if (b.aceptar) caja.setDefaultButton(b.aceptar); break;
    case Respuesta::Cancelar: if (b.cancelar) caja.setDefaultButton(b.cancelar); break;
    case Respuesta::Si: if (b.si) caja.setDefaultButton(b.si); break;
    case Respuesta::No: if (b.no) caja.setDefaultButton(b.no); break;
    }
    reservarAnchoDeTitulo(caja.layout(), mensaje.titulo);
    return b;
}

Respuesta QtDialogs::mostrar(const Mensaje& mensaje)
{
    QMessageBox caja(QApplication::activeWindow());
    const BotonesMensaje b = prepararCajaMensaje(caja, mensaje);
    caja.exec();
    const auto* pulsado = caja.clickedButton();
    if (pulsado == b.si) return Respuesta::Si;
    if (pulsado == b.no) return Respuesta::No;
    if (pulsado == b.cancelar) return Respuesta::Cancelar;
    if (mensaje.botones == Botones::SiNo) return Respuesta::No;
    return pulsado == b.aceptar ? Respuesta::Aceptar : Respuesta::Cancelar;
}

void prepararCajaTexto(QInputDialog& caja, const QString& texto, const QString& titulo,
                       const QString& inicial, int largoMaximo)
{
    caja.setWindowTitle(titulo);
    caja.setLabelText(texto);
    caja.setTextValue(inicial);
    caja.setOkButtonText(QStringLiteral("Aceptar"));
    caja.setCancelButtonText(QStringLiteral("Cancelar"));
    // Long prompts wrap instead of stretching the box across the screen.
    for (auto* etiqueta : caja.findChildren<QLabel*>()) {
        etiqueta->setWordWrap(true);
        etiqueta->setMaximumWidth(480);
    }
    if (auto* linea = caja.findChild<QLineEdit*>()) {
        if (largoMaximo > 0) linea->setMaxLength(largoMaximo);
        // A pasted tab or line end becomes a blank, as in every other text box.
        QObject::connect(linea, &QLineEdit::textChanged, linea, [linea](const QString& t) {
            if (std::none_of(t.begin(), t.end(), [](QChar c) { return esControl(c.unicode()); }))
                return;
            const int cursor = linea->cursorPosition();
            linea->setText(sinControles(t));
            linea->setCursorPosition(std::min<int>(cursor, int(linea->text().size())));
        });
    }
    reservarAnchoDeTitulo(caja.layout(), titulo);
}

namespace {

std::optional<QString> pedirEnCaja(const QString& texto, const QString& titulo,
                                   const QString& inicial, int largoMaximo)
{
    QInputDialog caja(QApplication::activeWindow());
    prepararCajaTexto(caja, texto, titulo, inicial, largoMaximo);
    if (caja.exec() != QDialog::Accepted) return std::nullopt;
    return caja.textValue();
}

} // namespace

std::optional<QString> QtDialogs::pedirTexto(const QString& texto, const QString& titulo,
                                             const QString& inicial)
{
    return pedirEnCaja(texto, titulo, inicial, 0);
}

std::optional<QString> QtDialogs::pedirTextoHasta(const QString& texto, const QString& titulo,
                                                  int largoMaximo)
{
    return pedirEnCaja(texto, titulo, QString(), largoMaximo);
}

void prepararSelector(QFileDialog& selector)
{
    // Qt's own chooser on every desktop: it speaks the program's language, as the desktop's may not.
    selector.setOption(QFileDialog::DontUseNativeDialog);
    selector.setProxyModel(new ListaArchivos(&selector));
}

namespace {

QString elegirCon(QFileDialog& selector)
{
    prepararSelector(selector);
    if (selector.exec() != QDialog::Accepted) return {};
    return selector.selectedFiles().value(0);
}

} // namespace

QString QtDialogs::elegirArchivo(const QString& titulo, const QString& carpetaInicial,
                                 const QString& filtro)
{
    QFileDialog selector(QApplication::activeWindow(), titulo, carpetaInicial, filtro);
    selector.setFileMode(QFileDialog::ExistingFile);
    return elegirCon(selector);
}

QString QtDialogs::elegirCarpeta(const QString& titulo, const QString& carpetaInicial)
{
    QFileDialog selector(QApplication::activeWindow(), titulo, carpetaInicial);
    selector.setFileMode(QFileDialog::Directory);
    selector.setOption(QFileDialog::ShowDirsOnly);
    return elegirCon(selector);
}

QString QtDialogs::elegirArchivoGuardar(const QString& titulo, const QString& propuesto,
                                       const QString& filtro)
{
    // The proposed path gives the folder shown and the name typed in.
    QFileDialog selector(QApplication::activeWindow(), titulo, propuesto, filtro);
    selector.setAcceptMode(QFileDialog::AcceptSave);
    return elegirCon(selector);
}

int QtDialogs::abrirModal(QDialog& formulario)
{
    ajustarAPantalla(formulario);
    return formulario.exec();
}

void QtDialogs::abrirConEscritorio(const QString& rutaODireccion, const Mensaje& siNoSeAbre)
{
    // The message is shown by these dialogs, which outlive every opener they started.
    abridor_.abrir(rutaODireccion, [this, siNoSeAbre] { mostrar(siNoSeAbre); });
}
