#pragma once
// The shifts of the police checkpoints ("Rendiciones Parciales Policía"): the list of the active
// declaration's shifts (or of every shift), the start of a shift of the active declaration at the
// clock's instant, the finish of the selected open shift with its stamp counts, and the printed
// rendition and deposit slip of the selected shift. Nothing here works before any stamp has been
// remitted.
//
//     FrmTurnos_Policia turnos(contexto, servicios, ventana);
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

class FrmTurnos_Policia final : public QDialog {
    Q_OBJECT
public:
    FrmTurnos_Policia(Contexto& contexto, ServiciosTurnos servicios, QWidget* parent = nullptr);

    void Cmd_Iniciar_Turno_Click();
    void Cmd_Finalizar_Click();
    // The shift of the grid's current row.
    std::optional<Turno> turnoActual() const;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void crearPantalla();
    void primeraActivacion();
    // The active declaration's shifts, or every shift when the box is cleared; the last current.
    void listar();
    void DBG_Turnos_RowColChange();
    void imprimir(const std::function<void(const Turno&)>& documento);
    bool hayCabecera() const;

    Contexto& contexto_;
    ServiciosTurnos servicios_;
    Protector protegido_;
    bool primeraActivacion_ = true;

    QLabel* Label1 = nullptr;
    GrillaRegistros* DBG_Turnos = nullptr;
    QCheckBox* Chk_TodasCabeceras = nullptr;
    QLabel* Lbl_mensaje = nullptr;
    QPushButton* Cmd_Iniciar_Turno = nullptr;
    QPushButton* Cmd_Finalizar = nullptr;
    QPushButton* Cmd_Ver = nullptr;
    QGroupBox* Fra_imprimir = nullptr;
    QPushButton* Cmd_Rendicion = nullptr;
    QPushButton* cmdPago = nullptr;
    QPushButton* cmdSalir = nullptr;
};
