#pragma once
// The entry form of the general regimes ("01" to "08" and "14"): receipts valued by their gross
// amount and rate. Regime "01" offers the construction option, "07" and "08" the insurance
// commission option (each changes the rate looked up), "14" one "Z" stamp per receipt, checked
// against the agent's remittances. Negative gross amounts are accepted in "06" and "14" only.

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
    void completarNueva() override;
    void alLimpiarFila() override;
    void alMostrarFila(const QSqlRecord& fila) override;
    OpcionesAlicuota opcionesAlicuota() const override;
    bool admiteNegativos() const override;
    std::optional<ClaveRetencion> grabarRetencion() override;
    void alSalirDe(QWidget* campo) override;

private:
    void txtOblea_LostFocus();
    bool conOblea() const;
    // The stamp checks of regime "14"; false after telling the user what is wrong.
    bool obleaAceptada(const QString& oblea);

    QCheckBox* chkRegimen7 = nullptr;
    QCheckBox* chkSedeTV = nullptr;
    QLabel* lblOblea = nullptr;
    CajaTexto* txtOblea = nullptr;
};
