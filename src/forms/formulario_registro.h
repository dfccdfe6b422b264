#pragma once
// The skeleton of every record form: a read-only grid over one table, an edit frame for the current
// row, and the record buttons. The form is either browsing (grid live, frame locked) or editing a
// new or an existing row (frame live, grid locked). Grabar runs the form's checks in order and stops
// at the first that fails; the row and the writes that go with it land in one transaction. Borrar
// runs the form's guards, asks, and deletes. A header click re-orders the grid or says it cannot.
//
// A concrete form only declares: its table and filter, its grid columns, its edit fields and which
// fields they store, its key fields, its checks and guards, its texts, and the hooks where it does
// more (an agent's first branch, the environment after an activation or a deletion). The hooks that
// receive a row are those of FormularioDe, which a form derives from with its table's typed row.

#include "forms/campos_edicion.h"
#include "forms/edicion.h"
#include "forms/modelo_grilla.h"
#include "forms/protector.h"
#include "platform/dialogs.h"

#include <QDialog>
#include <QSqlRecord>
#include <QVariantMap>
#include <functional>
#include <optional>
#include <vector>

class BaseDatos;
class ErrorMotor;
class Entorno;
class GrillaRegistros;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLayout;
class QPushButton;
class QVBoxLayout;
struct Contexto;

class FormularioRegistro : public QDialog {
    Q_OBJECT
public:
    using Modo = Edicion;

    // Picker mode: the opener shows Seleccionar before it shows the form.
    void mostrarSeleccionar();
    // The code handed back by Seleccionar (or a double click in picker mode); nothing after Salir.
    const std::optional<QString>& seleccion() const { return seleccion_; }
    Modo modo() const { return modo_; }

protected:
    struct Opciones {
        QString nombre{};           // the form's name, also its help key ("frmAgentes")
        QString titulo{};           // caption
        QString tabla{};            // the table it keeps
        QString nombreGrilla{};     // "dbgAgentes"
        QString nombreMarco{};      // "fraAgente"
        QString ayudaGrilla{};      // the grid's tooltip
        bool conOrden = true;       // whether it shows the order label lblOrden
        bool femenino = false;      // its noun is feminine: "  Ordenadas por:"
        bool modificar = true;      // whether it has Modificar
        bool borrar = true;         // whether it has Borrar
        bool ayuda = true;          // whether F1 opens its help
        QString textoModificar = QStringLiteral("&Modificar");
        bool activar = false;       // chooses an element of the environment
        bool seleccionar = false;   // serves as a pick list
        // A header without an order of its own re-reads the list in its current order, silently,
        // instead of saying that it has no order.
        bool releerSinOrden = false;
    };

    // A check of Grabar. `cumple` may explain a refusal itself (the identifier checks do); then
    // `mensaje` is empty. Otherwise `mensaje` is shown with the exclamation icon under `titulo`.
    struct Verificacion {
        std::function<bool()> cumple;
        QString mensaje;
        QWidget* foco = nullptr;
        QString titulo = QStringLiteral("Atención");
    };

    // A guard of Borrar: when `impide` answers true, `motivo` is shown and nothing is deleted.
    struct Guarda {
        std::function<bool()> impide;
        QString motivo;
        QString titulo = QStringLiteral("Imposible eliminar el registro");
        Icono icono = Icono::Informacion;
    };

    FormularioRegistro(Contexto& contexto, Opciones opciones, QWidget* parent = nullptr);

    // ---- What a form declares, in its constructor.
    void setFiltro(const QString& filtro, const QVariantList& valores);
    // The grid's columns. A form none of whose columns can be ordered gives its fixed order.
    void setColumnas(std::vector<ColumnaGrilla> columnas, const QString& ordenFijo = {});
    // The edit frame's layout, where the form places its labels and fields.
    QGridLayout* rejilla() const { return rejilla_; }
    QLabel* etiqueta(const QString& texto, QWidget* control) const;
    // Edit boxes in the frame; an amount box takes the locale's decimal separator.
    CajaTexto* caja(const QString& nombre, CajaTexto::Tipo tipo, int largo);
    CajaMascara* mascara(const QString& nombre, const QString& mascara);
    // Fields stored from the edit controls.
    void enlazar(const QString& campo, CajaTexto* caja);
    void enlazar(const QString& campo, CajaMascara* caja);
    void enlazar(const QString& campo, std::function<QVariant()> leer,
                 std::function<void(const QVariant&)> mostrar);
    // Key fields, locked while modifying so that a row's key never changes.
    void setClaves(std::vector<QWidget*> claves) { claves_ = std::move(claves); }
    void setFocos(QWidget* alAgregar, QWidget* alModificar);
    void setVerificaciones(std::vector<Verificacion> verificaciones);
    void setGuardas(std::vector<Guarda> guardas);
    void setPreguntaBorrar(const QString& pregunta) { preguntaBorrar_ = pregunta; }
    // The first line of the duplicate-key message and the field that gets the focus.
    void setClaveRepetida(const QString& primeraLinea, QWidget* foco);
    // A row of the form's own between the grid and the edit frame (a count of the rows).
    void agregarBajoLaGrilla(QLayout* fila);
    // Further add buttons, which follow Agregar's state.
    void agregarBotonAlta(QPushButton* boton);
    // A control of the form's own below the edit frame (a total), live whatever the state.
    void agregarAlPie(QWidget* control);
    // The first activation: the grid in its first order (or the fixed one), on its last row.
    // A form calls it last in its constructor.
    void iniciar();

    // ---- Hooks without a row. The hooks that receive the row are FormularioDe's.
    // Agregar: defaults once the bound fields are blank.
    virtual void valoresIniciales() {}
    // Grabar: values of unbound and computed fields, by the fields that store them.
    virtual void completarValores(QVariantMap& /*valores*/) {}
    // Borrar left no row: unbound controls.
    virtual void sinFilas() {}
    // The form has just switched to browsing, adding or modifying (its controls already follow).
    virtual void ajustarAlModo(Modo /*modo*/) {}
    // Activar: makes the current row's element the active one of the environment.
    virtual void activar() {}

    // ---- Helpers for the hooks and checks.
    // Runs an operation; a database failure is told in the record forms' shape.
    const Protector& protegido() const { return protegido_; }
    // The question set with setPreguntaBorrar.
    const QString& preguntaBorrarComun() const { return preguntaBorrar_; }
    // Deletes the row known by `id` alone.
    void borrarSoloLaFila(qint64 id);
    // Shows a failed check's message and focuses its field; always false.
    bool falla(QWidget* foco, const QString& mensaje,
               const QString& titulo = QStringLiteral("Atención"));
    void enfocar(QWidget* control);
    Contexto& contexto() const { return contexto_; }
    BaseDatos& base() const;
    Entorno& entorno() const;
    Dialogs& dialogs() const;
    GrillaRegistros& grilla() const { return *grilla_; }
    QGroupBox* marco() const { return marco_; }

    // ---- The operations of the buttons.
    void cmdAgregarClick();
    void cmdModificarClick();
    void cmdGrabarClick();
    void cmdCancelarClick();
    void cmdBorrarClick();
    void cmdActivarClick();
    void cmdSeleccionarClick();
    void cmdSalirClick();
    // The switch between browsing and editing: grid, frame, buttons, frame caption, key fields.
    void habilitarEdicion(Modo modo);
    // Re-orders the grid by the column, or says that it cannot.
    void grillaHeadClick(int columna);


public:
    // Salir, Escape and the window's close button do nothing while a row is being edited.
    void reject() override;

private:
    // The row hooks over the row as the table gives it (the current row, the row as stored by
    // Grabar, the row Borrar deletes). FormularioDe reads it into the table's struct and hands it to
    // its own hooks, which are the ones a form overrides.
    virtual void mostrarRegistro(const QSqlRecord& /*registro*/) {}
    virtual void despuesDeGrabarRegistro(const QSqlRecord& /*grabado*/, bool /*agregando*/) {}
    virtual void registroGrabado(const QSqlRecord& /*grabado*/, bool /*agregando*/) {}
    virtual QString preguntaBorrarRegistro(const QSqlRecord& /*registro*/) const
    {
        return preguntaBorrar_;
    }
    virtual void borrarRegistro(qint64 id, const QSqlRecord& /*registro*/) { borrarSoloLaFila(id); }
    virtual void registroBorrado(const QSqlRecord& /*registro*/) {}
    // The default is the first column's value.
    virtual QString codigoDelRegistro(const QSqlRecord& registro) const;

    QPushButton* boton(const QString& nombre, const QString& texto, QVBoxLayout* columna);
    void crearPantalla();
    void trasConsultar();
    void mostrarFilaActual();
    void grillaRowColChange();
    void grillaDblClick();
    qint64 guardar(const QVariantMap& valores);

    struct CampoEnlazado {
        QString campo;
        std::function<QVariant()> leer;
        std::function<void(const QVariant&)> mostrar;  // a null value blanks the control
    };

    Contexto& contexto_;
    Opciones opciones_;
    Protector protegido_;
    QString ordenFijo_;
    GrillaRegistros* grilla_ = nullptr;
    QLabel* lblOrden_ = nullptr;
    QGroupBox* marco_ = nullptr;
    QGridLayout* rejilla_ = nullptr;
    QVBoxLayout* izquierda_ = nullptr;
    QVBoxLayout* columnaAltas_ = nullptr;
    QPushButton* cmdAgregar_ = nullptr;
    QPushButton* cmdModificar_ = nullptr;
    QPushButton* cmdBorrar_ = nullptr;
    QPushButton* cmdGrabar_ = nullptr;
    QPushButton* cmdCancelar_ = nullptr;
    QPushButton* cmdActivar_ = nullptr;
    QPushButton* cmdSeleccionar_ = nullptr;
    QPushButton* cmdSalir_ = nullptr;
    std::vector<QPushButton*> altas_;
    std::vector<CampoEnlazado> enlazados_;
    std::vector<QWidget*> claves_;
    QWidget* focoAgregar_ = nullptr;
    QWidget* focoModificar_ = nullptr;
    QWidget* focoClave_ = nullptr;
    std::vector<Verificacion> verificaciones_;
    std::vector<Guarda> guardas_;
    QString preguntaBorrar_;
    QString claveRepetida_;
    Modo modo_ = Modo::Navegando;
    qint64 idEditado_ = 0;
    std::optional<QString> seleccion_;
};
