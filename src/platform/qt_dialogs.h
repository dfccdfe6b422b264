#pragma once
// The real dialogs: Qt's message boxes, input boxes and file choosers, with Spanish buttons, and the
// desktop's opener.

#include "platform/abridor_escritorio.h"
#include "platform/dialogs.h"

class QFileDialog;
class QInputDialog;
class QMessageBox;
class QPushButton;
class QWidget;

class QtDialogs final : public Dialogs {
public:
    Respuesta mostrar(const Mensaje& mensaje) override;
    std::optional<QString> pedirTexto(const QString& texto, const QString& titulo,
                                      const QString& inicial) override;
    std::optional<QString> pedirTextoHasta(const QString& texto, const QString& titulo,
                                           int largoMaximo) override;
    QString elegirArchivo(const QString& titulo, const QString& carpetaInicial,
                          const QString& filtro) override;
    QString elegirCarpeta(const QString& titulo, const QString& carpetaInicial) override;
    QString elegirArchivoGuardar(const QString& titulo, const QString& propuesto,
                                 const QString& filtro) override;
    int abrirModal(QDialog& formulario) override;
    void abrirConEscritorio(const QString& rutaODireccion, const Mensaje& siNoSeAbre) override;

private:
    AbridorEscritorio abridor_;
};

// Sets up an input box: title (with the width to show it whole), prompt, initial text, Spanish
// buttons and, when `largoMaximo` is above 0, a text box that takes no more characters than that,
// typed or pasted.
void prepararCajaTexto(QInputDialog& caja, const QString& texto, const QString& titulo,
                       const QString& inicial, int largoMaximo = 0);

// The width a box needs for the desktop's title bar to show its whole title.
int anchoParaTitulo(const QString& titulo);

// The buttons a message box was given; the others are null.
struct BotonesMensaje {
    QPushButton* aceptar = nullptr;
    QPushButton* cancelar = nullptr;
    QPushButton* si = nullptr;
    QPushButton* no = nullptr;
};

// Sets up a message box: icon, title, text, Spanish buttons with the default one, and a width that
// shows the whole title.
BotonesMensaje prepararCajaMensaje(QMessageBox& caja, const Mensaje& mensaje);

// Sets up a file or folder chooser: Qt's own, its list in the program's locale.
void prepararSelector(QFileDialog& selector);
