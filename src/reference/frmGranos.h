#pragma once
// The grains list, a pick list for the interventions form: Seleccionar (or a double click) hands
// back the chosen grain's code with at least two digits ("05") and closes; Salir hands back
// nothing. The opener puts the code in its own field and looks it up itself.
//
//     frmGranos lista(contexto);
//     contexto.dialogs.abrirModal(lista);
//     if (lista.seleccion()) ...

#include "forms/protector.h"

#include <QDialog>
#include <optional>

class GrillaRegistros;
class QPushButton;
struct Contexto;

class frmGranos final : public QDialog {
    Q_OBJECT
public:
    explicit frmGranos(Contexto& contexto, QWidget* parent = nullptr);

    const std::optional<QString>& seleccion() const { return seleccion_; }
    void cmdSeleccionarClick();

private:
    Contexto& contexto_;
    GrillaRegistros* dbgGranos_;
    QPushButton* cmdSeleccionar_;
    QPushButton* cmdSalir_;
    Protector protegido_;
    std::optional<QString> seleccion_;
};
