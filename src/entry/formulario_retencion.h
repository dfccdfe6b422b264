#pragma once
// The frame the three entry forms share: the grid over the active declaration's receipts, the
// entry frame for one receipt below it, and the buttons Nueva, Corregir, Anular, Imprimir
// Comprob., Grabar, Cancelar and Salir. The form is either browsing (grid live, frame locked) or
// editing a new receipt or a correction (frame live, grid and other actions locked); the entry
// frame's caption says which, and is empty while browsing. What differs by regime (negative
// amounts, options, stamps, the proposed concept) the frame asks the regime table.
//
// The frame does what the three forms do alike: the mode switch, Nueva, Cancelar, Salir, sorting
// by column header, showing the current row, the subject lookup with its rate and the withheld
// amount, the day, concept, gross amount and external number checks, the pickers, Corregir,
// Anular, F1. A form adds its own controls below the common ones and fills the hooks: what Nueva
// proposes, what a row shows besides the common fields, the options that change the rate, and
// Grabar's checks and writes.

#include "common/regimenes.h"
#include "database/importe.h"
#include "entry/consultas_entrada.h"
#include "entry/regla_alicuota.h"
#include "entry/servicios_entrada.h"
#include "forms/edicion.h"
#include "forms/protector.h"
#include "platform/dialogs.h"

#include <QDialog>
#include <functional>
#include <optional>

class CajaMascara;
class CajaTexto;
class ErrorMotor;
class GrillaRegistros;
class NumeracionAgotada;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
struct Contexto;

// What sets an entry form apart from the general regimes' without any code of its own: the formats
// of its amounts and how it moves the focus. A form gives them to the frame once.
struct RasgosEntrada {
    QString mascaraRetenido = QStringLiteral("###,###,##0.00");
    QString mascaraRetenidoVacio = QStringLiteral("#,##0.00");
    QString mascaraBrutoVista = QStringLiteral(" #,##0.00");
    QString mascaraBrutoEscrito = QStringLiteral("########0.00");
    bool enfocarDiaEnNueva = true;         // Nueva puts the focus on the day
    bool avisarSoloEditando = false;       // the not-registered warning only while editing
    bool admiteMenos = true;               // "-" can be typed in the gross amount at all
    bool enfocarBrutoTrasSelector = true;  // after the subjects picker, on to the amount
};

class FormularioRetencion : public QDialog {
    Q_OBJECT
public:
    static inline const QString kTituloNueva = QStringLiteral(" Nueva Ret./Perc. ");
    static inline const QString kTituloCorregir =
        QStringLiteral(" Corregir Ret./Perc. Importada con Error ");

    // The form's own name: its help key and the name its receipts print under.
    const QString& nombreFormulario() const { return nombre_; }
    // True while a receipt is entered or corrected.
    bool editando() const { return edicion_ != Edicion::Navegando; }
    // True while a new receipt is entered.
    bool agregando() const { return edicion_ == Edicion::Agregando; }
    // The grid's current receipt; nothing when the declaration has none.
    const std::optional<Retencion>& filaActual() const { return actual_; }

protected:
    using Rasgos = RasgosEntrada;

    FormularioRetencion(Contexto& contexto, ServiciosEntrada servicios, QString nombre,
                        QWidget* parent, Rasgos rasgos = {});

    const Rasgos& rasgos() const { return rasgos_; }

    // ---- Hooks of each form, where it does more than the frame.
    // Nueva: before anything else (the detail forms drop abandoned detail rows here).
    virtual void antesDeNueva() {}
    // Nueva: the form's own fields cleared, before the common ones.
    virtual void limpiarPropios() {}
    // Row change: before it is known whether there is a row.
    virtual void limpiarFilaPropia() {}
    // Row change: what the form shows of the current row besides the common fields.
    virtual void mostrarFilaPropia(const Retencion& /*fila*/) {}
    // Subject lookup: the subject found (or not), before the name and the rate are shown.
    virtual void tomarSujeto(const std::optional<Sujeto>& /*sujeto*/, bool /*editando*/) {}
    virtual OpcionesAlicuota opcionesAlicuota() const { return {}; }
    // The rate rule's result, once the rate is shown.
    virtual void tomarAlicuota(const ResultadoAlicuota& /*resultado*/) {}
    // The withheld amount was computed and shown.
    virtual void tomarImporteRet(Importe /*retenido*/) {}
    // Corregir: before the row is opened for editing.
    virtual void prepararCorreccion(const Retencion& /*fila*/) {}
    // Grabar: the checks and the writes. The saved receipt, or nothing when a check refused it or
    // the writes failed (the form then stays editing; the hook has told the user why).
    virtual std::optional<ClaveRetencion> grabarRetencion() = 0;
    // The first time the form is shown: the receipts ordered by day.
    virtual void primeraActivacion();

    // ---- Operations of the form, named as its event handlers.
    // The grid, the frame and the buttons as the form's state wants them.
    void habilitarEdicion();
    void cmdAgregarClick();
    void cmdCorregirClick();
    void cmdAnularClick();
    void cmdReimprimirClick();
    void cmdGrabarClick();
    void cmdCancelarClick();
    void cmdSalirClick();
    void cmdContribuyentesClick();
    void cmdConceptosClick();
    void dbgRetencionesHeadClick(int columna);
    void dbgRetencionesRowColChange();
    void mskNroContribLostFocus();
    void mskDiaLostFocus();
    void mskCodConceptoLostFocus();
    void mskImpBruLostFocus();
    void txtNroXLostFocus();
    void calcularImporteRet();

    // ---- Helpers for the forms.
    Contexto& contexto() const { return contexto_; }
    // A field of the form's own whose leaving runs `alSalir` while a receipt is edited, as the
    // frame does for the common fields.
    void vigilar(QWidget* campo, std::function<void()> alSalir);
    // Runs an operation; a database failure is reported instead of escaping the event loop.
    const Protector& protegido() const { return protegido_; }
    void mostrarErrorGrabacion(const ErrorMotor& error);
    // The branch has no number left for the receipt: nothing was stored.
    void mostrarNumeracionAgotada(const NumeracionAgotada& agotada);
    // Whether the subject typed is a known one; false after telling the user it is not.
    bool sujetoCargado();
    // Shows a refusal (OK button) and puts the focus on `foco`.
    void rehusar(QWidget* foco, const QString& texto, const QString& titulo, Icono icono);
    QString regimen() const;
    // The rules of the active regime.
    const ReglasRegimen& reglas() const { return reglas_; }
    bool admiteNegativos() const { return reglas_.admiteNegativos; }
    QString nroContrib() const;
    QString dia() const;
    QString codConcepto() const;
    // The gross amount as typed, whatever the field shows while it has no focus.
    QString textoBruto() const;
    void setBruto(const QString& texto);
    Importe alicuota() const { return alicuota_; }
    void setAlicuota(Importe alicuota);
    QString hoy() const;

    bool pendientePrimeraActivacion = true;
    std::optional<qint64> marcaGrilla;

    GrillaRegistros* dbgRetenciones = nullptr;
    QLabel* lblOrden = nullptr;
    QPushButton* cmdAgregar = nullptr;
    QPushButton* cmdCorregir = nullptr;
    QPushButton* cmdAnular = nullptr;
    QPushButton* cmdReimprimir = nullptr;
    QPushButton* cmdGrabar = nullptr;
    QPushButton* cmdCancelar = nullptr;
    QPushButton* cmdSalir = nullptr;
    QGroupBox* fraRetencion = nullptr;
    CajaMascara* mskNroContrib = nullptr;
    QPushButton* cmdContribuyentes = nullptr;
    QLabel* lblRazonSocial = nullptr;
    CajaTexto* mskDia = nullptr;
    CajaTexto* txtNroX = nullptr;
    QLabel* lblEstado = nullptr;
    // The concept, gross amount, rate and withheld amount: the detail forms show or hide them
    // together by regime.
    QWidget* bloqueConcepto = nullptr;
    CajaTexto* mskCodConcepto = nullptr;
    QPushButton* cmdConceptos = nullptr;
    QLabel* lblDescConcepto = nullptr;
    QLineEdit* mskImpBru = nullptr;
    QLabel* lblAlicuota = nullptr;
    QLabel* lblImporteRet = nullptr;
    // Rows of the entry frame; a form appends its own from row `primeraFilaLibre`.
    QGridLayout* rejilla = nullptr;
    int primeraFilaLibre = 0;

    void showEvent(QShowEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void crearPantalla();
    void crearGrilla();
    void crearMarco();
    // The entry frame's rows: the subject, the day with the external number and the state, and
    // the concept block with the amounts and the rate; the block's grid is returned to be lined up
    // with the frame's.
    void crearFilaSujeto();
    void crearFilaDia();
    QGridLayout* crearBloqueConcepto();
    void alinearColumnas(QGridLayout* bloque);
    // What leaving each field and the two list buttons do.
    void vigilarCampos();
    void crearBotones();
    void mostrarCampos(const std::optional<Retencion>& fila);
    // Runs the query again in the current order and makes the row `marca` current (the last row
    // when it is not there); nothing is current when the declaration has no receipt.
    void reconsultar(std::optional<qint64> marca);
    void resaltarFila(bool resaltar);
    bool puedeImprimir() const;
    // Leaves the entry frame's field that has the focus, as a click on Grabar does; false when the
    // field refused its value and kept the focus.
    bool dejarCampoEnCurso();
    std::optional<qint64> marcaDe(const ClaveRetencion& clave);

    Contexto& contexto_;
    ServiciosEntrada servicios_;
    QString nombre_;
    Rasgos rasgos_;
    ReglasRegimen reglas_;
    Protector protegido_;
    Edicion edicion_ = Edicion::Navegando;
    bool preparandoNueva_ = false;  // Nueva is blanking the frame: no field is being left
    QString orden_;
    std::optional<Retencion> actual_;
    Importe alicuota_;
    QString brutoEscrito_;
};
