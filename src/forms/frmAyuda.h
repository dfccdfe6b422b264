#pragma once
// The help window: the text stored in Ayudas under the key of the screen that asked for help, at
// the place and size stored with it; without a row, a notice that there is no help for that
// screen (an editable window is left empty). An editable window stores its text, place and size
// under its key when it closes, or deletes the row when its text was emptied.

#include <QDialog>

struct Contexto;
class QPlainTextEdit;
class QPushButton;

class frmAyuda : public QDialog {
    Q_OBJECT
public:
    frmAyuda(Contexto& contexto, const QString& clave, bool editable = false,
             QWidget* parent = nullptr);

    static inline const QString kSinAyuda =
        QStringLiteral("No se dispone de ayuda para esta pantalla.");

    const QString& clave() const { return clave_; }
    QString texto() const;

    // Escape acts as Cerrar.
    void reject() override;

private:
    void cmdCerrarClick();
    void guardarEdicion();

    Contexto& contexto_;
    const QString clave_;
    const bool editable_;
    QPlainTextEdit* txtAyuda_ = nullptr;
    QPushButton* cmdCerrar_ = nullptr;
    bool cerrando_ = false;
};

// Help windows are placed in twips, 1440 to the inch: lengths in twips in pixels of this screen,
// and back.
int twipsAPixeles(double twips);
double pixelesATwips(int pixeles);
