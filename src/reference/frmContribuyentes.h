#pragma once
// Subjects withheld from or perceived on, kept in Contribuyentes. A subject's number tells its
// jurisdiction, which decides how the number is checked and which type the subject is stored
// with; subjects not registered ("950") and foreigners ("999") are numbered by the system. A
// subject that any withholding names stays. As a pick list it hands back the chosen number, the
// ten digits.
//
//     frmContribuyentes form(contexto, ventana);           // maintenance
//     contexto.dialogs.abrirModal(form);
//
//     frmContribuyentes lista(contexto);                    // pick list
//     lista.mostrarSeleccionar();
//     contexto.dialogs.abrirModal(lista);
//     if (lista.seleccion()) ...                            // "0001234565"; nothing after Salir

#include "forms/formulario_de.h"
#include "reference/numeracion_sujetos.h"

class QCheckBox;
class QLabel;

class frmContribuyentes final : public FormularioDe<Contribuyente, contribuyenteDe> {
    Q_OBJECT
public:
    explicit frmContribuyentes(Contexto& contexto, QWidget* parent = nullptr);

    // The adds of a subject numbered by the system (buttons " Agregar No Inscripto" and
    // " Agregar Extranjero").
    void agregarNoInscripto() { agregarNumerado(SujetoNumerado::NoInscripto); }
    void agregarExtranjero() { agregarNumerado(SujetoNumerado::Extranjero); }

protected:
    void valoresIniciales() override;
    void mostrarNoEnlazados(const Contribuyente& sujeto) override;
    QString codigoSeleccionado(const Contribuyente& sujeto) const override;
    void completarValores(QVariantMap& valores) override;

private:
    enum class Alta { Tipeada, NoInscripto, Extranjero };

    // The parts of the window, in the order the constructor builds them.
    // The boxes' tips and the names of the check box and the foreigner's mark.
    void prepararCampos();
    // The fields in the frame's grid.
    void disponerCampos();
    // The adds of a subject numbered by the system. A foreigner can only be numbered so, and the
    // refusal of a typed "999" number sends the user to its button: it is shown.
    void crearBotonesAlta();
    // The checks of Grabar, in the order they are made.
    void ponerVerificaciones();
    // What keeps a subject from being deleted.
    void ponerGuardas();
    void agregarNumerado(SujetoNumerado clase);
    bool numeroAceptado();
    bool cuitLibre(const QString& nroContrib);
    void mskNroContribLostFocus();

    CajaMascara* mskNroContrib_;
    CajaMascara* mskCUIT_;
    CajaTexto* txtRazonSocial_;
    CajaTexto* txtDomicilio_;
    QCheckBox* chkConstancia_;
    QLabel* lblExtranjero_;
    // The kind of add the next Agregar starts, and the one in course with its system number.
    Alta proximaAlta_ = Alta::Tipeada;
    Alta altaEnCurso_ = Alta::Tipeada;
    std::optional<QString> numeroSistema_;
};
