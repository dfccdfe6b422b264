#pragma once
// The advances deducted from one receipt: each one paid to a collection agent (another, or the
// active agent itself) under that agent's receipt for it, and, where the regime's advances carry
// grain stamps, the advance's stamp and its waybill number. The advances' total is what the window
// hands back to the entry form, as the receipt's other withholdings. An advance under the active
// agent's own number has no receipt number ("0") and no amount; in the regime of stamped
// advances it says so to the entry form, and its stamp must lie in one of the agent's remittances.
//
//     frmAnticipos anticipos(contexto, detalleNuevo(idCabecera), entrada);
//     contexto.dialogs.abrirModal(anticipos);
//     const ResultadoDetalle r = anticipos.resultado();

#include "entry/detalle_comprobante.h"
#include "forms/formulario_de.h"

class QLabel;

class frmAnticipos final : public FormularioDe<Guia, guiaDe> {
    Q_OBJECT
public:
    frmAnticipos(Contexto& contexto, ComprobanteDetalle comprobante, QWidget* parent = nullptr);

    // Recomputes lblTotalGeneral from the receipt's rows.
    void actualizaTotalGeneral();
    ResultadoDetalle resultado() const { return {total_, mismoAgente_}; }

protected:
    void valoresIniciales() override;
    void completarValores(QVariantMap& valores) override;
    void grabado(const Guia& anticipo, bool agregando) override;
    void borrado(const Guia& anticipo) override;

private:
    // The parts of the window, in the order the constructor builds them.
    // The frame's labels and fields in its grid; the stamp's only where advances carry one.
    void disponerCampos();
    // "Total General:" under the grid.
    void ponerTotalGeneral();
    void enlazarCampos();
    void ponerVerificaciones();
    // What typing in, entering and leaving the boxes do.
    void conectarCampos();
    bool esAgenteActivo() const;
    // Hides the advance number and amount for an advance of the active agent; on leaving the
    // agent box also sets them to "0".
    void reglaAgentePropio(bool alSalir);
    Importe monto() const;
    QString porte() const;
    // The stamp checks of Grabar; false after telling the user.
    bool obleaSinUsar();
    bool obleaPropiaEnRemesa();

    ComprobanteDetalle comprobante_;
    bool conOblea_ = false;
    qint64 ultimoAgente_ = 0;
    bool mismoAgente_ = false;
    Importe total_;

    CajaMascara* mskNroAgente;
    CajaTexto* txtNroAnticipo;
    CajaTexto* mskMonto;
    CajaTexto* txtEstampilla;
    CajaTexto* txtPorte1;
    CajaTexto* txtPorte2;
    QLabel* lblNroGuiaPorte = nullptr;
    QLabel* lblImporteBruto = nullptr;
    QLabel* lblTotalGeneral = nullptr;
};
