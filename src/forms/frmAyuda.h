#pragma once
// The help window: the text stored in Ayudas under Clave_Ayuda, at the place and size stored with
// it; without a row, a notice that there is no help for that screen.

#include <QDialog>

struct Contexto;
class QPlainTextEdit;
class QPushButton;

class frmAyuda : public QDialog {
    Q_OBJECT
public:
    explicit frmAyuda(Contexto& contexto, QWidget* parent = nullptr);

    static inline const QString kSinAyuda =
        QStringLiteral("No se dispone de ayuda para esta pantalla.");

    QString texto() const;

    // Escape acts as Cerrar.
    void reject() override;

private:
    void cmdCerrarClick();
    void guardarEdicion();

    Contexto& contexto_;
    QPlainTextEdit* txtAyuda_ = nullptr;
    QPushButton* cmdCerrar_ = nullptr;
    bool cerrando_ = false;
};

// Help windows are placed in twips, 1440 to the inch: lengths in twips in pixels of this screen,
// and back.
int twipsAPixeles(double twips);
double pixelesATwips(int pixeles);
