#pragma once
// The import window. Its caption tells it its mode, given by the opener: "Importar Sujetos"
// imports subjects, "Importar DDJJ" a declaration. The user names the file (typed, or chosen with
// Buscar); the window checks it at once and only then enables Importar. The run shows its
// progress and ends with its summary in the window; a run that kept nothing ends with its cause
// there ("No se importó nada: ...") and leaves Importar on, to check the file again and try once
// more. Instrucciones opens the document that describes the mode's file.
//
//     abrirFrmImportar(contexto, &ventana, kTituloImportarDDJJ, abrirDocumento);

#include "import/verificacion_importacion.h"

#include <QDialog>
#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
struct Contexto;

// Opens a document the program ships, by its file name ("Importar_DDJJ.doc"), and tells the user
// when it cannot.
using AbrirDocumento = std::function<void(const QString& nombre)>;

// The instructions document of a mode.
QString documentoInstrucciones(ModoImportacion modo);

class frmImportar final : public QDialog {
    Q_OBJECT
public:
    frmImportar(Contexto& contexto, const QString& titulo, AbrirDocumento abrirDocumento,
                QWidget* parent = nullptr);

    ModoImportacion modo() const { return modoImportacion(windowTitle()); }
    bool importando() const { return importando_; }

    // Closing does nothing while a run is under way.
    void reject() override;

protected:
    // F1, and the file box's focus coming and going, reach the form first.
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void crearPantalla();

    void cmdBuscarClick();
    void txtArchivoChange();
    void txtArchivoLostFocus();
    // The check of the file named in the box: a plan, its text in the window and Importar on; or
    // the refusal said and Importar off.
    bool verificar();
    void cmdImportarClick();
    void cmdInstruccionesClick();
    void agregarInfo(const QString& texto);
    void progreso(int valor);

    Contexto& contexto_;
    AbrirDocumento abrirDocumento_;
    std::optional<PlanImportacion> plan_;
    bool importando_ = false;

    QLabel* lblArchivo = nullptr;
    QLineEdit* txtArchivo = nullptr;
    QPushButton* cmdBuscar = nullptr;
    QPlainTextEdit* txtInfo = nullptr;
    QProgressBar* prgImportacion = nullptr;
    QPushButton* cmdImportar = nullptr;
    QPushButton* cmdInstrucciones = nullptr;
    QPushButton* cmdCerrar = nullptr;
};

// Shows the window modally over `ventana` through the dialogs port.
void abrirFrmImportar(Contexto& contexto, QWidget* ventana, const QString& titulo,
                      AbrirDocumento abrirDocumento);
