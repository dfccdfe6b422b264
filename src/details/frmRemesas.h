#pragma once
// The stamp remittances the agency delivered to the active agent: each one contiguous range of
// stamps of one type, registered only when the control number typed matches the one computed from
// its figures, and never changed or deleted afterwards. "Consultar StocK" tells how many stamps of
// each type the agent's active branch has left in the active regime.
//
//     frmRemesas form(contexto, ventana);
//     contexto.dialogs.abrirModal(form);

#include "forms/formulario_de.h"

class QLabel;

class frmRemesas final : public FormularioDe<Remesa, remesaDe> {
    Q_OBJECT
public:
    explicit frmRemesas(Contexto& contexto, QWidget* parent = nullptr);

protected:
    void completarValores(QVariantMap& valores) override;
    void grabado(const Remesa& remesa, bool agregando) override;
    void ajustarAlModo(Modo modo) override;

private:
    // The parts of the window, in the order the constructor builds them.
    // The active agent's box, read-only, and the stamp types the type box takes.
    void prepararCampos();
    // The fields in the frame's grid.
    void disponerCampos();
    // "Consultar StocK", beside the add button.
    void crearBotonStock();
    // Each field to its column of `Remesas`.
    void enlazarCampos();
    // The checks of Grabar, in the order they are made.
    void ponerVerificaciones();

    // Whether the typed control number is the remittance's; false after telling the user.
    bool controlCorrecto();
    bool remesaNueva();
    void cmdStockClick();

    QString agente_;  // the agent active when the form opened
    QLineEdit* txtAgente_;
    CajaTexto* txtRemesa_;
    CajaTexto* txtTipo_;
    CajaTexto* txtDesde_;
    CajaTexto* txtHasta_;
    CajaTexto* txtControl_;
    QLabel* lblControl_ = nullptr;
};
