#pragma once
// "Consulta de Retenciones/Percepciones por Declaración": a read-only browser over every
// declaration in the database, whatever is active. The upper grid lists the declarations; the
// lower one the withholdings of the current declaration, all concepts or one, with their count and
// totals. Beside it the user gathers receipt numbers to print in one batch; the listing of the
// current declaration prints too. The window writes nothing but the scratch rows of its prints.
//
//     frmRetxCab form(contexto, &ventana);
//     contexto.dialogs.abrirModal(form);

#include "database/filas.h"
#include "forms/protector.h"

#include <QDialog>
#include <optional>

class GrillaRegistros;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QListWidget;
class QPushButton;
class QVBoxLayout;
struct Contexto;

class frmRetxCab final : public QDialog {
    Q_OBJECT
public:
    explicit frmRetxCab(Contexto& contexto, QWidget* parent = nullptr);

private:
    // ---- The widgets, in frmRetxCab_pantalla.cpp.
    void crearPantalla();
    // The parts of the window, top to bottom, each into the layout that holds it: the
    // declarations grid, the concept choice, the withholdings grid with the arrows and the print
    // list beside it, the count and totals and the buttons under it.
    void crearCabeceras(QVBoxLayout* principal);
    void crearConcepto(QVBoxLayout* principal);
    void crearRetenciones(QHBoxLayout* medio);
    void crearFlechas(QHBoxLayout* medio);
    void crearLista(QHBoxLayout* medio);
    void crearCifras(QHBoxLayout* pie);
    void crearBotones(QHBoxLayout* pie);
    QPushButton* boton(const char* nombre, const QString& texto, const QString& ayuda,
                       void (frmRetxCab::*accion)());

    // ---- What the window does.
    void formActivate();
    void cbxConceptoClick(int item);
    void dbgCabecerasHeadClick(int columna);
    void dbgCabecerasRowColChange();
    void dbgRetencionesHeadClick(int columna);
    void cmdAgregarClick();
    void cmdAgregarTClick();
    void cmdSacarClick();
    void cmdSacarTClick();
    void cmdImprimirClick();
    void cmdImprimirCClick();
    // The lower grid on the withholdings of no declaration.
    void sinDeclaracion();
    // The three list buttons follow whether the print list has entries.
    void habilitarLista();

    Contexto& contexto_;
    Protector protegido_;
    int ordenRetenciones_;
    std::optional<QString> conceptoFiltro_;  // none: every concept
    bool primeraActivacion_ = true;
    bool moviendo_ = false;                   // a re-sort is placing the current declaration
    std::optional<Cabecera> cabecera_;        // the current declaration

    GrillaRegistros* dbgCabeceras = nullptr;
    GrillaRegistros* dbgRetenciones = nullptr;
    QComboBox* cbxConcepto = nullptr;
    QLabel* lblCabeceras = nullptr;
    QLabel* lblRetenciones = nullptr;
    QLabel* lblCantidad = nullptr;
    QLabel* lblTotBruto = nullptr;
    QLabel* lblTotRetenido = nullptr;
    QListWidget* lstComprob = nullptr;
    QPushButton* cmdAgregar = nullptr;
    QPushButton* cmdAgregarT = nullptr;
    QPushButton* cmdSacar = nullptr;
    QPushButton* cmdSacarT = nullptr;
    QPushButton* cmdImprimir = nullptr;
    QPushButton* cmdImprimirC = nullptr;
    QPushButton* cmdSalir = nullptr;
};
