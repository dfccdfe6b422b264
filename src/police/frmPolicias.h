#pragma once
// The police officers of the checkpoints, kept in Policias: document, name, file number and bank
// account. An officer who has collected a fine stays. As a pick list it hands back the chosen
// officer's code with at least two digits ("07", "123").
//
//     frmPolicias form(contexto, ventana);                 // maintenance
//     contexto.dialogs.abrirModal(form);
//
//     frmPolicias lista(contexto);                          // pick list
//     lista.mostrarSeleccionar();
//     contexto.dialogs.abrirModal(lista);
//     if (lista.seleccion()) ...

#include "forms/formulario_de.h"

class QComboBox;

class frmPolicias final : public FormularioDe<Policia, policiaDe> {
    Q_OBJECT
public:
    explicit frmPolicias(Contexto& contexto, QWidget* parent = nullptr);

protected:
    void valoresIniciales() override;
    QString codigoSeleccionado(const Policia& policia) const override;

private:
    QComboBox* cboTipos_;
    CajaTexto* txtNroDoc_;
    CajaTexto* txtNyApellido_;
    CajaTexto* txtLegajo_;
    CajaTexto* txtCuentaBanco_;
};
