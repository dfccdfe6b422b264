#pragma once
// Concepts under which withholdings and perceptions are entered, kept in Conceptos. A concept is
// added or deleted, never changed; the reserved ones (97 and above) and those any withholding uses
// stay. As a pick list it hands back the chosen code, two digits.
//
//     frmConceptos form(contexto, ventana);                // maintenance
//     contexto.dialogs.abrirModal(form);
//
//     frmConceptos lista(contexto);                         // pick list
//     lista.mostrarSeleccionar();
//     contexto.dialogs.abrirModal(lista);
//     if (lista.seleccion()) ...                            // "05"; nothing after Salir

#include "forms/formulario_de.h"

class frmConceptos final : public FormularioDe<Concepto, conceptoDe> {
    Q_OBJECT
public:
    explicit frmConceptos(Contexto& contexto, QWidget* parent = nullptr);

protected:
    QString codigoSeleccionado(const Concepto& concepto) const override;

private:
    CajaTexto* mskCodConcepto_;
    CajaTexto* txtDescripcion_;
};
