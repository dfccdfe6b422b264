#pragma once
// Due dates of the monthly declarations, kept in Vencimientos by year and month; the payment
// slips charge interest from them. Agregar proposes the month after the latest one stored.
//
//     frmVencimientos form(contexto, ventana);
//     contexto.dialogs.abrirModal(form);

#include "forms/formulario_registro.h"

class frmVencimientos final : public FormularioRegistro {
    Q_OBJECT
public:
    explicit frmVencimientos(Contexto& contexto, QWidget* parent = nullptr);

protected:
    void valoresIniciales() override;

private:
    // Month and year as their boxes leave them: "4" becomes "04", a blank year "0000".
    void completarMesYAnio();

    CajaTexto* txtMes_;
    CajaTexto* txtAnio_;
    CajaTexto* txtFecha_;
};
