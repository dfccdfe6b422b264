#pragma once
// The update notice: where new versions are published, a reminder to back up first, the agency's
// contact lines, and a link that opens the update page in the desktop's browser.

#include <QDialog>

class Dialogs;

class Frm_Actualizaciones : public QDialog {
    Q_OBJECT
public:
    explicit Frm_Actualizaciones(Dialogs& dialogs, QWidget* parent = nullptr);

    void Label2_Click();
    void cmdContribuyentes_Click();

private:
    Dialogs& dialogs_;
};
