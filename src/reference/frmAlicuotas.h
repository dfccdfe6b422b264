#pragma once
// Rates of withholding or perception, in percent, by regime and subject type, kept in Alicuotas;
// the entry forms take a receipt's rate from here. The rates of the regimes the agency fixes
// (regimenes.h) cannot be saved here (they may be deleted; the next start writes them again).
//
//     frmAlicuotas form(contexto, ventana);
//     contexto.dialogs.abrirModal(form);

#include "forms/formulario_de.h"

class QComboBox;
class QLabel;

class frmAlicuotas final : public FormularioDe<Alicuota, alicuotaDe> {
    Q_OBJECT
public:
    explicit frmAlicuotas(Contexto& contexto, QWidget* parent = nullptr);

protected:
    void valoresIniciales() override;
    void mostrarNoEnlazados(const Alicuota& alicuota) override;
    void completarValores(QVariantMap& valores) override;
    void sinFilas() override;

private:
    // The regime box as it is left: "5" becomes "05", and its description shows. Throws
    // ErrorMotor.
    void buscarRegimen();
    // The rate box as it is left: blank becomes "0", a valid rate shows with two decimals; false,
    // after saying why, when it holds no rate.
    bool revisarAlicuota();

    CajaTexto* txtCodReg_;
    QLabel* lblDescReg_;
    QComboBox* cboTipo_;
    CajaTexto* txtAlic_;
};
