#pragma once
// The main window: its caption, the menu bar from which every function is reached, the two status
// bars that show the working environment, F1 help and the shutdown. Every other window opens over
// it. The menus are set from the environment each time the window becomes active and after every
// command.

#include "shell/paneles_estado.h"

#include <QMainWindow>
#include <functional>
#include <map>

class Arranque;
struct Contexto;
class QAction;
class QFrame;
class QLabel;
class QStatusBar;

class frmPrincipal : public QMainWindow {
    Q_OBJECT
public:
    frmPrincipal(Contexto& contexto, Arranque& arranque, QWidget* parent = nullptr);

    // What a menu item does when the form it opens belongs to another part of the program. An
    // item that opens another form stays disabled until it is given one.
    using Abridor = std::function<void()>;
    void setAbridor(const QString& item, Abridor abridor);

    // A menu (its action) or an item, by name; null for an unknown name.
    QAction* accion(const QString& nombre) const;
    // Runs a menu item's command, as a click does.
    void ejecutar(const QString& item);
    // Sets every menu and item from the environment.
    void actualizarMenus();

    QString textoPanel(const QString& clave) const;

protected:
    void changeEvent(QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void construirMenus();
    void construirCentro();
    void ubicarLogo();
    // The panels and the menus as the environment now stands.
    void seguirEntorno();

    void mnuLeameClick();
    void mnuCompactDBClick();
    void mnuEliminarSujClick();
    void mnuActualizacionesClick();
    // Ends the run at once, without saving the environment (the database could not be reopened).
    void terminar();

    Contexto& contexto_;
    Arranque& arranque_;
    // The window is made before the environment is first set, so its panels see every change.
    PanelesEstado paneles_;
    std::map<QString, QAction*> acciones_;
    std::map<QString, Abridor> abridores_;
    QWidget* centro_ = nullptr;
    QLabel* picLogo_ = nullptr;
    QFrame* cmdLogo_ = nullptr;
    QStatusBar* barraAgente_ = nullptr;
    QStatusBar* barraDeclaracion_ = nullptr;
    bool cerrado_ = false;
};
