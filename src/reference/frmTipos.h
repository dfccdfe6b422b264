#pragma once
// Goods types, kept in Tipos by class: 1 the livestock of the guides, 2 the stamp types of the
// grain regimes, 3 the food-transport concepts. Each is valued by its unit value. One form serves
// the three classes: its opener chooses one with setearSeleccion before showing it (0 lists
// them all). A type any detail row uses stays. As a pick list it hands back the chosen code with
// at least two digits ("03").
//
//     frmTipos form(contexto, ventana);                     // maintenance of a class
//     form.setearSeleccion(claseTipos(item));
//     contexto.dialogs.abrirModal(form);
//
//     frmTipos lista(contexto);                             // pick list
//     lista.setearSeleccion(clase);
//     lista.mostrarSeleccionar();
//     contexto.dialogs.abrirModal(lista);
//     if (lista.seleccion()) ...                            // "03"; nothing after Salir

#include "forms/formulario_de.h"

class frmTipos final : public FormularioDe<Tipo, tipoDe> {
    Q_OBJECT
public:
    explicit frmTipos(Contexto& contexto, QWidget* parent = nullptr);

    // Chooses the class the form lists and stores: 0 every class, 1 to 3 one of them, with the
    // caption that names it. Another value is remembered as the class to store but changes
    // neither the list nor the caption.
    void setearSeleccion(int tipoSeleccion);
    int clase() const { return clase_; }

protected:
    void completarValores(QVariantMap& valores) override;
    QString codigoSeleccionado(const Tipo& tipo) const override;

private:
    void ponerGuarda();

    int clase_ = 0;
    CajaTexto* mskTipo_;
    CajaTexto* txtDescripcion_;
    CajaTexto* txtValor_;
};
