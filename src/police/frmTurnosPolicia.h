#pragma once
// The shifts of the police checkpoints ("Rendiciones Parciales Policía"): the list of the active
// declaration's shifts (or of every shift), the start of a shift of the active declaration at the
// clock's instant, the finish of the selected open shift with its stamp counts, and the printed
// rendition and deposit slip of the selected shift. Nothing here works before any stamp has been
// remitted.
//
//     frmTurnosPolicia turnos(contexto, servicios, ventana);
//     contexto.dialogs.abrirModal(turnos);

#include "database/filas.h"
#include "forms/protector.h"

#include <QDialog>
#include <functional>
#include <optional>

class GrillaRegistros;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
struct Contexto;

// The printed documents of a shift. Without one, its buttons stay disabled.
struct ServiciosTurnos {
    std::function<void(const Turno&)> rendicion;       // the detailed rendition
    std::function<void(const Turno&)> boletaDeposito;  // the deposit slip
};

class frmTurnosPolicia final : public QDialog {
    Q_OBJECT
public:
    frmTurnosPolicia(Contexto& contexto, ServiciosTurnos servicios, QWidget* parent = nullptr);

    void cmdIniciarTurnoClick();
    void cmdFinalizarClick();
    // The shift of the grid's current row.
    std::optional<Turno> turnoActual() const;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void crearPantalla();
    void primeraActivacion();
    // The active declaration's shifts, or every shift when the box is cleared; the last current.
    void listar();
    void dbgTurnosRowColChange();
    void imprimir(const std::function<void(const Turno&)>& documento);
    bool hayCabecera() const;

    Contexto& contexto_;
    ServiciosTurnos servicios_;
    Protector protegido_;
    bool primeraActivacion_ = true;

    QLabel* lblTurnos = nullptr;
    GrillaRegistros* dbgTurnos = nullptr;
    QCheckBox* chkTodasCabeceras = nullptr;
    QLabel* lblMensaje = nullptr;
    QPushButton* cmdIniciarTurno = nullptr;
    QPushButton* cmdFinalizar = nullptr;
    QPushButton* cmdVer = nullptr;
    QGroupBox* fraImprimir = nullptr;
    QPushButton* cmdRendicion = nullptr;
    QPushButton* cmdPago = nullptr;
    QPushButton* cmdSalir = nullptr;
};
