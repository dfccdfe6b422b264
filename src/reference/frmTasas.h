#pragma once
// Monthly interest rates for late payment, kept in Tasas: each in force from its validity date
// until the day before the next one. The payment slips read them to charge interest.
//
//     frmTasas form(contexto, ventana);
//     contexto.dialogs.abrirModal(form);

#include "forms/formulario_registro.h"

class frmTasas final : public FormularioRegistro {
    Q_OBJECT
public:
    explicit frmTasas(Contexto& contexto, QWidget* parent = nullptr);

protected:
    void valoresIniciales() override;

private:
    // The rate box holds a rate not above the maximum; otherwise says why and answers false.
    bool revisarTasa();

    CajaTexto* txtFecha_;
    CajaTexto* txtTasa_;
};
