#pragma once
// The declarations form. The opener tells it its mode (modos_cabeceras.h), which gives its caption,
// the months it lists and the buttons it shows. The grid shows
// the months; the current row is the declaration every button acts on. Each button calls the
// declarations core, which asks and tells the user what it does; the form then shows the rows as
// they now stand and keeps its buttons in step. In the maintenance mode the form also edits the
// year and month of a new or an existing month, browsing and editing in turn as a record form does.
//
//     abrirFrmCabeceras(contexto, &ventana, ModoCabeceras::Emision, accionesPolicia);

#include "declarations/modos_cabeceras.h"
#include "forms/edicion.h"
#include "forms/protector.h"

#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

class CajaMascara;
class GrillaRegistros;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
struct Contexto;

class frmCabeceras final : public QDialog {
    Q_OBJECT
public:
    // The police regime's own buttons of the emit mode ("Interv. Realizadas" and "D.&Jurada
    // Policía"). Their work belongs to that regime, a later layer: the opener hands it in. Each
    // gets the selected declaration and answers whether its row changed. While a hook is empty
    // its button is shown disabled.
    struct AccionesPolicia {
        std::function<bool(Contexto&, qint64)> intervenciones;
        std::function<bool(Contexto&, qint64)> declaracionPolicia;
    };

    frmCabeceras(Contexto& contexto, ModoCabeceras modo, QWidget* parent = nullptr);

    void setAccionesPolicia(AccionesPolicia acciones);

    ModoCabeceras modo() const { return modo_; }
    bool editando() const { return edicion_ != Edicion::Navegando; }

    // Salir, Escape and the window's close button do nothing while a month is being edited.
    void reject() override;

private:
    // ---- The widgets, in frmCabeceras_pantalla.cpp.
    void crearPantalla();
    void crearGrilla();
    void crearMarco();
    void crearProgreso();
    void crearBotones();
    QPushButton* boton(const QString& nombre, const QString& texto,
                       void (frmCabeceras::*accion)());

    // ---- The rows.
    void primeraActivacion();
    // Runs the mode's query again; `id` becomes current when still listed, otherwise the row at
    // `posicion` (the one after a deleted row, or the last).
    void volverAConsultar(std::optional<qint64> id, int posicion);
    void consultar();
    void mostrarFila();
    void vaciarCajas();
    void sinFilas();
    std::optional<qint64> idSeleccionado() const;
    bool hayFilas() const;

    // ---- Operations: the buttons, the grid's events and the boxes'.
    void habilitarEdicion();
    void cmdCrearClick();
    void cmdModificarClick();
    void cmdGrabarClick();
    void cmdCancelarClick();
    void cmdBorrarClick();
    void cmdActivarClick();
    bool activar();
    void cmdRectificarClick();
    void cmdDeshacerClick();
    void cmdDecJuradaClick();
    void cmdPagoClick();
    void cmdIntervencionesClick();
    void cmdDDJJPoliciaClick();
    void cmdSalirClick();
    void dbgCabecerasDblClick();
    void dbgCabecerasHeadClick();
    void dbgCabecerasRowColChange();
    void mskAnioLostFocus();
    void mskMesLostFocus();
    void accionPolicia(const std::function<bool(Contexto&, qint64)>& accion);
    void progreso(int valor);
    void ocultarProgreso();

    Contexto& contexto_;
    ModoCabeceras modo_;
    // Runs an operation; an unexpected database failure ends it with its message.
    Protector protegido_;
    Edicion edicion_ = Edicion::Navegando;
    qint64 idEditado_ = 0;
    // Months an action took out of the mode's rows (a rectified month in the rectification mode):
    // they stay listed, as they now stand, until the form closes.
    std::vector<qint64> conservadas_;
    bool progresoVisible_ = false;
    AccionesPolicia policia_;

    GrillaRegistros* dbgCabeceras = nullptr;
    QGroupBox* fraCabecera = nullptr;
    CajaMascara* mskAnio = nullptr;
    CajaMascara* mskMes = nullptr;
    QLabel* lblEstadoDescripcion = nullptr;
    QProgressBar* barraProgreso = nullptr;
    QLabel* lblProcesando = nullptr;
    QPushButton* cmdCrear = nullptr;
    QPushButton* cmdModificar = nullptr;
    QPushButton* cmdBorrar = nullptr;
    QPushButton* cmdRectificar = nullptr;
    QPushButton* cmdGrabar = nullptr;
    QPushButton* cmdDeshacer = nullptr;
    QPushButton* cmdIntervenciones = nullptr;
    QPushButton* cmdCancelar = nullptr;
    QPushButton* cmdDecJurada = nullptr;
    QPushButton* cmdActivar = nullptr;
    QPushButton* cmdPago = nullptr;
    QPushButton* cmdSalir = nullptr;
    QPushButton* cmdDDJJPolicia = nullptr;
};

// Opens the form modally over `ventana` in `modo`, its police buttons doing `policia`.
void abrirFrmCabeceras(Contexto& contexto, QWidget* ventana, ModoCabeceras modo,
                       frmCabeceras::AccionesPolicia policia);
