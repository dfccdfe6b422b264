#pragma once
// The update notice: where new versions are published, a reminder to back up first, the agency's
// contact lines, and a link that opens the update page in the desktop's browser.

#include <QDialog>

class Dialogs;
class QFrame;
class QHBoxLayout;

class frmActualizaciones : public QDialog {
    Q_OBJECT
public:
    explicit frmActualizaciones(Dialogs& dialogs, QWidget* parent = nullptr);

    void lblEnlaceClick();
    void cmdContribuyentesClick();

private:
    // The parts of the window, top to bottom: the notice with the link to the update page, the
    // agency's contact lines, and the agency's name with Salir.
    QFrame* crearAviso();
    QHBoxLayout* crearEnlace(QFrame* aviso);
    QFrame* crearContacto();
    QHBoxLayout* crearPie();

    Dialogs& dialogs_;
};
