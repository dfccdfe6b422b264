#pragma once
// The entry form of the police checkpoints. A receipt records the stamps an officer sold (entered
// in the receipt's detail window), their total as its amount, the officer, and the fine due on
// them; saving it files the fine under the declaration's open shift. The form works only while
// the declaration has an open shift and stamps have been remitted. A saved receipt is final: the
// form never annuls nor corrects one.

#include "entry/formulario_retencion.h"

#include <memory>

class CajaTexto;
class QGroupBox;
class QLabel;
class QPushButton;

class frmRetencionesC final : public FormularioRetencion {
    Q_OBJECT
public:
    frmRetencionesC(Contexto& contexto, ServiciosEntrada servicios, QWidget* parent = nullptr);

    // The key under which the detail window keeps the rows of the receipt being entered.
    const QString& nroComprobanteActual() const { return nroComprobanteActual_; }

protected:
    void antesDeNueva() override;
    void limpiarPropios() override;
    void limpiarFilaPropia() override;
    void mostrarFilaPropia(const Retencion& fila) override;
    void tomarSujeto(const std::optional<Sujeto>& sujeto, bool editando) override;
    void tomarImporteRet(Importe retenido) override;
    std::optional<ClaveRetencion> grabarRetencion() override;
    void primeraActivacion() override;

private:
    void cmdGuiasClick();
    void cmdPoliciaClick();
    void maskCodPoliciaLostFocus();
    // Closes the form once the message that explains why has been read.
    void cerrarAlAbrir(const QString& texto, const QString& titulo);
    // The summary the user confirms before a receipt is stored for good.
    QString confirmacion() const;

    AbrirDetalle detalle_;
    std::function<std::optional<QString>()> selectorPolicia_;
    QString nroComprobanteActual_;
    QString cuitContribuyente;
    std::optional<Importe> totalObleas_;  // the stamps' total the detail window handed back
    Importe multa_;

    QGroupBox* fraConGuias = nullptr;
    QPushButton* cmdGuias = nullptr;
    QLabel* lblImporteOtrosPagos = nullptr;
    QLabel* lblImporte = nullptr;
    QLabel* lblTotalRetencion = nullptr;
    QGroupBox* fraPolicia = nullptr;
    CajaTexto* maskCodPolicia = nullptr;
    QPushButton* cmdPolicia = nullptr;
    QLabel* lblPolicia = nullptr;
    QLabel* lblMulta = nullptr;
};

// The police regime's entry form, as the entry opener is handed it.
std::unique_ptr<FormularioRetencion> crearFrmRetencionesC(Contexto& contexto,
                                                          ServiciosEntrada servicios,
                                                          QWidget* ventana);
