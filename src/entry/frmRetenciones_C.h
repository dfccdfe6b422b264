#pragma once
// The entry form of the police checkpoints. A receipt records the stamps an officer sold (entered
// in the receipt's detail window), their total as its amount, the officer, and the fine due on
// them; saving it files the fine under the declaration's open shift. The form works only while
// the declaration has an open shift and stamps have been remitted. A saved receipt is final: the
// form never annuls nor corrects one.

#include "entry/formulario_retencion.h"

class CajaTexto;
class QGroupBox;
class QLabel;
class QPushButton;

class frmRetenciones_C final : public FormularioRetencion {
    Q_OBJECT
public:
    frmRetenciones_C(Contexto& contexto, ServiciosEntrada servicios, QWidget* parent = nullptr);

    // The key under which the detail window keeps the rows of the receipt being entered.
    const QString& Nro_Comprobante_actual() const { return nroComprobanteActual_; }

protected:
    void antesDeNueva() override;
    void limpiarPropios() override;
    void alLimpiarFila() override;
    void alMostrarFila(const Retencion& fila) override;
    void alBuscarSujeto(const std::optional<Sujeto>& sujeto, bool editando) override;
    void alCalcularImporteRet(Importe retenido) override;
    std::optional<ClaveRetencion> grabarRetencion() override;
    void primeraActivacion() override;

private:
    void Cmd_Guias_Click();
    void CmdPolicia_Click();
    void MaskCodPolicia_LostFocus();
    // Closes the form once the message that explains why has been read.
    void cerrarAlAbrir(const QString& texto, const QString& titulo);
    // The summary the user confirms before a receipt is stored for good.
    QString confirmacion() const;

    AbrirDetalle detalle_;
    std::function<std::optional<QString>()> selectorPolicia_;
    QString nroComprobanteActual_;
    QString CUIT_Contribuyente;
    std::optional<Importe> totalObleas_;  // the stamps' total the detail window handed back
    Importe multa_;

    QGroupBox* Fra_con_guias = nullptr;
    QPushButton* Cmd_Guias = nullptr;
    QLabel* LblImporte_o_otros_pagos = nullptr;
    QLabel* LblImporte = nullptr;
    QLabel* Lbl_total_retencion = nullptr;
    QGroupBox* Fra_Policia = nullptr;
    CajaTexto* MaskCodPolicia = nullptr;
    QPushButton* CmdPolicia = nullptr;
    QLabel* LblPolicia = nullptr;
    QLabel* LblMulta = nullptr;
};
