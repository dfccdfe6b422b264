#pragma once
// The detail rows of one receipt whose amount is the value of the goods transported: livestock
// guides, grain stamps with their waybill number, or food concepts with the number of their own
// receipt, as the active regime keeps them. Each row names a goods type of the regime's class; its
// unit value times the quantity is the row's total, and the rows' total is what the window hands
// back to the entry form that opened it, as the receipt's amount.
//
// The window works on the rows of the receipt it is given: those of the receipt being entered
// (pending number "0") or those of a saved receipt. Salir (or closing it) leaves it; the opener
// then reads resultado().
//
//     frmGuias guias(contexto, detalleNuevo(idCabecera), entrada);
//     contexto.dialogs.abrirModal(guias);
//     const ResultadoDetalle r = guias.resultado();

#include "common/regimenes.h"
#include "entry/detalle_comprobante.h"
#include "forms/formulario_de.h"

class QLabel;
class QPushButton;

class frmGuias final : public FormularioDe<Guia, guiaDe> {
    Q_OBJECT
public:
    frmGuias(Contexto& contexto, ComprobanteDetalle comprobante, QWidget* parent = nullptr);

    // Guides, stamps or food concepts, as the active regime keeps its detail rows.
    ModoDetalle modoDetalle() const { return modo_; }
    // Recomputes lblTotalGeneral from the receipt's rows.
    void actualizaTotalGeneral();
    ResultadoDetalle resultado() const { return {total_, false}; }

protected:
    void valoresIniciales() override;
    void mostrarNoEnlazados(const Guia& guia) override;
    void completarValores(QVariantMap& valores) override;
    void grabado(const Guia& guia, bool agregando) override;
    void borrado(const Guia& guia) override;
    void sinFilas() override;
    void ajustarAlModo(Modo modo) override;

private:
    // The parts of the window, in the order the constructor builds them.
    // The frame's buttons and labels, captioned for the mode.
    void crearRotulos();
    // The fields in the frame's grid, with their widths.
    void disponerCampos();
    // "Total General:" under the grid.
    void ponerTotalGeneral();
    void aplicarModo();
    void enlazarCampos();
    void ponerVerificaciones();
    // What the user types, as each box keeps it; what leaving a box and the concepts button do.
    void conectarCampos();
    // The goods type of the concept box: its description, unit value and the row's total.
    void buscarTipo();
    void cmdConceptosClick();
    Importe cantidad() const;
    bool porteCompleto() const;
    // The stamp checks of Grabar; false after telling the user.
    bool obleaSinUsar();
    bool obleaEnRemesa();
    bool letraDelConcepto();
    void mostrarImporte(QLabel* etiqueta, Importe valor);

    ComprobanteDetalle comprobante_;
    ModoDetalle modo_ = ModoDetalle::Ninguno;
    int clase_ = 0;
    QString palabra_;
    Importe valorUnitario_;
    Importe totalFila_;
    Importe total_;

    CajaTexto* mskCodConcepto;
    CajaTexto* txtCantidad;
    CajaTexto* txtNroGuia;
    CajaTexto* txtPorte1;
    CajaTexto* txtPorte2;
    QPushButton* cmdConceptos = nullptr;
    QLabel* lblDescConcepto = nullptr;
    QLabel* lblPunitario = nullptr;
    QLabel* lblTotal = nullptr;
    QLabel* lblRotuloTotal = nullptr;
    QLabel* lblCantidad = nullptr;
    QLabel* lblNroGuiaPorte = nullptr;
    QLabel* lblPorte = nullptr;
    QLabel* lblGuion = nullptr;
    QLabel* lblTotalGeneral = nullptr;
};
