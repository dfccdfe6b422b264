#pragma once
// The regimes list: the collection regimes in code order, from which the user makes one the
// active regime. It changes the environment, never the table.
//
//     frmRegimenes form(contexto, ventana);
//     contexto.dialogs.abrirModal(form);

#include "forms/protector.h"

#include <QDialog>

class GrillaRegistros;
class QPushButton;
struct Contexto;

class frmRegimenes final : public QDialog {
    Q_OBJECT
public:
    explicit frmRegimenes(Contexto& contexto, QWidget* parent = nullptr);

    // Makes the current regime active; the list stays open.
    void cmdActivarClick();

private:
    Contexto& contexto_;
    GrillaRegistros* dbgRegimenes_;
    QPushButton* cmdActivar_;
    QPushButton* cmdSalir_;
    Protector protegido_;
};
