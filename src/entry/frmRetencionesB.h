#pragma once
// The entry form of the regimes whose receipts carry detail rows. In the regimes of guides, stamps
// and food concepts the user types neither concept nor amount: the receipt's amount is the total
// of its rows, entered in their window; in the advance regimes the receipt is valued by its gross
// amount and rate, and the advances entered in their window are deducted from what it withholds.
// The regime table says which; the windows of the rows come from the opener (ServiciosEntrada).
// Saving stores the receipt, its rows and its other withholdings in one transaction.

#include "entry/detalle_comprobante.h"
#include "entry/formulario_retencion.h"
#include "entry/grabacion_retenciones.h"

class QCheckBox;
class QLabel;
class QPushButton;

class frmRetencionesB final : public FormularioRetencion {
    Q_OBJECT
public:
    frmRetencionesB(Contexto& contexto, ServiciosEntrada servicios, QWidget* parent = nullptr);

    // The receipt whose detail rows the detail window shows: the one being entered ("0") or the
    // one under correction.
    const ComprobanteDetalle& nroComprobanteActual() const { return comprobante_; }

protected:
    void antesDeNueva() override;
    void limpiarPropios() override;
    void mostrarFilaPropia(const Retencion& fila) override;
    void tomarSujeto(const std::optional<Sujeto>& sujeto, bool editando) override;
    OpcionesAlicuota opcionesAlicuota() const override;
    void tomarAlicuota(const ResultadoAlicuota& resultado) override;
    void tomarImporteRet(Importe retenido) override;
    void prepararCorreccion(const Retencion& fila) override;
    std::optional<ClaveRetencion> grabarRetencion() override;

private:
    void crearDetalle();
    void cmdGuiasClick();
    void setImporteDetalle(std::optional<Importe> valor, const QString& texto);
    // The checks of Grabar before anything is written; false after telling the user why.
    bool detalleAceptado();
    bool seguirSinAnticipos(const QString& pregunta);
    // The receipt's amounts, rate and concept as the regime stores them.
    std::optional<DatosRetencion> datosAGrabar();

    AbrirDetalle abrirDetalle_;
    ComprobanteDetalle comprobante_;
    // lblImporte's value: the detail total or the advances deducted; none while it is blank.
    std::optional<Importe> importeDetalle_;
    bool mismoAgente = false;
    bool exentoPorConstancia = false;

    QWidget* fraConConcepto = nullptr;  // what the frame adds to the concept block
    QCheckBox* chkPagoLactea = nullptr;
    QLabel* lblTotalRetencion = nullptr;
    QWidget* fraConGuias = nullptr;
    QPushButton* cmdGuias = nullptr;
    QLabel* lblImporteOtrosPagos = nullptr;
    QLabel* lblImporte = nullptr;
};
