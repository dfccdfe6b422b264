#include "platform/qt_dialogs.h"

#include "platform/ventana_en_pantalla.h"
#include "platform/windows_1252.h"

#include <QApplication>
#include <algorithm>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

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

Respuesta QtDialogs::mostrar(const Mensaje& mensaje)
{
    QMessageBox caja(iconoQt(mensaje.icono), mensaje.titulo, mensaje.texto, QMessageBox::NoButton,
                     QApplication::activeWindow());
    QPushButton* aceptar = nullptr;
    QPushButton* cancelar = nullptr;
    QPushButton* si = nullptr;
    QPushButton* no = nullptr;
    switch (mensaje.botones) {
    case Botones::Aceptar:
        aceptar = caja.addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole);
        break;
    case Botones::AceptarCancelar:
        aceptar = caja.addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole);
        cancelar = caja.addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole);
        break;
    case Botones::SiNo:
        si = caja.addButton(QStringLiteral("&Sí"), QMessageBox::YesRole);
        no = caja.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
        caja.setEscapeButton(no);
        break;
    }
    switch (mensaje.porDefecto) {
    case Respuesta::Aceptar: if (aceptar) caja.setDefaultButton(aceptar); break;
    case Respuesta::Cancelar: if (cancelar) caja.setDefaultButton(cancelar); break;
    case Respuesta::Si: if (si) caja.setDefaultButton(si); break;
    case Respuesta::No: if (no) caja.setDefaultButton(no); break;
    }
    caja.exec();
    const auto* pulsado = caja.clickedButton();
    if (pulsado == si) return Respuesta::Si;
    if (pulsado == no) return Respuesta::No;
    if (pulsado == cancelar) return Respuesta::Cancelar;
    if (mensaje.botones == Botones::SiNo) return Respuesta::No;
    return pulsado == aceptar ? Respuesta::Aceptar : Respuesta::Cancelar;
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

QString QtDialogs::elegirArchivo(const QString& titulo, const QString& carpetaInicial,
                                 const QString& filtro)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), titulo, carpetaInicial,
                                        filtro);
}

QString QtDialogs::elegirCarpeta(const QString& titulo, const QString& carpetaInicial)
{
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), titulo,
                                             carpetaInicial);
}

QString QtDialogs::elegirArchivoGuardar(const QString& titulo, const QString& propuesto,
                                       const QString& filtro)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), titulo, propuesto, filtro);
}

int QtDialogs::abrirModal(QDialog& formulario)
{
    ajustarAPantalla(formulario);
    return formulario.exec();
}

bool QtDialogs::abrirConEscritorio(const QString& rutaODireccion)
{
    const QUrl url = QFileInfo::exists(rutaODireccion) ? QUrl::fromLocalFile(rutaODireccion)
                                                       : QUrl(rutaODireccion);
    return QDesktopServices::openUrl(url);
}
