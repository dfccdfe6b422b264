#pragma once
// The entry form of the general regimes: receipts valued by their gross amount and rate. As the
// regime table says, a regime offers the construction or the insurance commission option (each
// changes the rate looked up), or one "Z" stamp per receipt, checked against the agent's
// remittances; and accepts negative gross amounts or not.

#include "entry/formulario_retencion.h"

class CajaTexto;
class QCheckBox;
class QLabel;

class frmRetenciones final : public FormularioRetencion {
    Q_OBJECT
public:
    frmRetenciones(Contexto& contexto, ServiciosEntrada servicios, QWidget* parent = nullptr);

protected:
    void limpiarPropios() override;
    void limpiarFilaPropia() override;
    void mostrarFilaPropia(const Retencion& fila) override;
    OpcionesAlicuota opcionesAlicuota() const override;
    std::optional<ClaveRetencion> grabarRetencion() override;

private:
    void txtObleaLostFocus();
    bool conOblea() const;
    // The checks of a "Z" stamp; false after telling the user what is wrong.
    bool obleaAceptada(const QString& oblea);

    QCheckBox* chkRegimen7 = nullptr;
    QCheckBox* chkSedeTV = nullptr;
    QLabel* lblOblea = nullptr;
    CajaTexto* txtOblea = nullptr;
};
