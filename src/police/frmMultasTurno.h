#pragma once
// The confirmation of a shift's finish: per stamp type what the shift began with, what arrived
// by remittances, what was sold and what is left, and the list of the fines collected in it with
// their stamps. Confirmar asks for the end instant read from the clock; the opener then reads
// confirma() and, when true, the instant the user accepted.
//
//     frmMultasTurno dialogo(contexto, turno, borrador, ventana);
//     contexto.dialogs.abrirModal(dialogo);
//     if (dialogo.confirma()) finalizarTurno(base, turno.codTurno, dialogo.vfD(), dialogo.vHD());

#include "database/filas.h"
#include "forms/protector.h"

#include <QDate>
#include <QDialog>
#include <QTime>
#include <array>
#include <functional>

class GrillaRegistros;
class QLabel;
class QPushButton;
struct Contexto;

class frmMultasTurno final : public QDialog {
    Q_OBJECT
public:
    // `borrador` prints the draft rendition of the shift; without it its button stays disabled.
    frmMultasTurno(Contexto& contexto, const Turno& turno,
                   std::function<void(const Turno&)> borrador, QWidget* parent = nullptr);

    bool confirma() const { return confirma_; }
    const QDate& vfD() const { return vfD_; }
    const QTime& vHD() const { return vHD_; }

    void cmdConfirmarClick();
    void cmdDescartarClick();

private:
    void crearPantalla();
    void mostrarConteos();

    Contexto& contexto_;
    Turno turno_;
    std::function<void(const Turno&)> borrador_;
    Protector protegido_;
    bool confirma_ = false;
    QDate vfD_;
    QTime vHD_;

    QLabel* lblCartelFinal = nullptr;
    std::array<QLabel*, 4> lblIni{};
    std::array<QLabel*, 4> lblNuevas{};
    std::array<QLabel*, 4> lblVendidas{};
    std::array<QLabel*, 4> lblFinal{};
    GrillaRegistros* dbgTurnos = nullptr;
    QPushButton* cmdConfirmar = nullptr;
    QPushButton* cmdDescartar = nullptr;
    QPushButton* cmdRendicion = nullptr;
    QPushButton* cmdSalir = nullptr;
};
