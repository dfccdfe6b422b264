#pragma once
// The main window: its caption, the two status bars that show the working environment, and the
// shutdown. Every other window opens over it.

#include <QMainWindow>

class Arranque;
class Entorno;
class QLabel;
class QStatusBar;

class frmPrincipal : public QMainWindow {
    Q_OBJECT
public:
    frmPrincipal(Entorno& entorno, Arranque& arranque, QWidget* parent = nullptr);

    // The fine as a percentage of the stamps' value.
    static constexpr float Porcentaje_Multa = 300.0F;

    QString textoPanel(const QString& clave) const;

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    void mostrarPanel(const QString& clave, const QString& texto);

    Entorno& entorno_;
    Arranque& arranque_;
    QStatusBar* StatusBar1_ = nullptr;
    QStatusBar* StatusBar2_ = nullptr;
    bool cerrado_ = false;
};
