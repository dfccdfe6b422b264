#pragma once
// The interventions of the checkpoint officers on grain transport, for the active declaration:
// per waybill and grain, the stamp of the load (none for incoming goods), the officer, the date
// within the declaration's month, the sender's CUIT and the origin. Officers and grains are picked
// from their lists; neither needs to be known to be recorded.
//
//     frmIntervenciones form(contexto, ventana);   // with a declaration active
//     contexto.dialogs.abrirModal(form);

#include "forms/formulario_de.h"

#include <optional>

class QCheckBox;
class QLabel;
class QPushButton;

class frmIntervenciones final : public FormularioDe<Intervencion, intervencionDe> {
    Q_OBJECT
public:
    explicit frmIntervenciones(Contexto& contexto, QWidget* parent = nullptr);

    // Counts the declaration's interventions into lblTotalGeneral.
    void actualizaTotalGeneral();

protected:
    void valoresIniciales() override;
    void mostrarNoEnlazados(const Intervencion& intervencion) override;
    void completarValores(QVariantMap& valores) override;
    void grabado(const Intervencion& intervencion, bool agregando) override;
    void borrado(const Intervencion& intervencion) override;

private:
    // The parts of the window, in the order the constructor builds them.
    // The boxes' own settings and the names of the labels and the check box.
    void prepararCampos();
    // The fields in the frame's grid, with their widths.
    void disponerCampos();
    // The count of the declaration's interventions, beside the grid.
    void ponerCantidad();
    // Each field to its column of `Intervenciones`.
    void enlazarCampos();
    // The checks of Grabar, in the order they are made.
    void ponerVerificaciones();
    // What typing in and leaving the boxes, and the two list buttons, do.
    void conectarCampos();

    void cmdPoliciaClick();
    void cmdGranosClick();
    void maskCodPoliciaLostFocus();
    void maskGranoLostFocus();
    void txtNroGuiaLostFocus();
    void txtPorte1LostFocus();
    void txtPorte2LostFocus();
    // The checks of Grabar on the stamp; false after telling the user what is wrong.
    bool obleaCompleta();
    bool fechaDeLaDeclaracion();

    // The declaration active when the form opened, whose interventions it keeps.
    std::optional<Cabecera> cabecera_;
    qint64 idCabecera_ = 0;

    CajaTexto* txtFecha_;
    CajaTexto* maskCodPolicia_;
    QPushButton* cmdPolicia_;
    QLabel* lblPolicia_;
    CajaTexto* txtNroGuia_;
    CajaTexto* txtPorte1_;
    CajaTexto* txtPorte2_;
    CajaTexto* maskGrano_;
    QPushButton* cmdGranos_;
    QLabel* lblGrano_;
    CajaMascara* mskCUIT_;
    CajaTexto* txtProcedencia_;
    QCheckBox* chkConstancia_;
    QLabel* lblTotalGeneral_;
};
