#pragma once
// Branches of the active agent, each with the counter of the last receipt it issued, and the
// choice of the active branch. The counter starts at "00000000" and is never typed here; a branch
// that has declarations cannot be deleted.
//
//     frmSucursales form(contexto, ventana);
//     contexto.dialogs.abrirModal(form);

#include "forms/formulario_de.h"

class frmSucursales final : public FormularioDe<Sucursal, sucursalDe> {
    Q_OBJECT
public:
    explicit frmSucursales(Contexto& contexto, QWidget* parent = nullptr);

protected:
    void completarValores(QVariantMap& valores) override;
    void grabado(const Sucursal& sucursal, bool agregando) override;
    QString preguntaBorrar(const Sucursal& sucursal) const override;
    void borrado(const Sucursal& sucursal) override;
    void activar() override;

private:
    bool esActiva(const QString& sucursal) const;

    // The rows shown are always those of the agent active when the form opened.
    QString agente_;
    CajaTexto* mskSucursal_;
    CajaTexto* mskNroComprobante_;
    CajaTexto* txtDescripcion_;
    CajaTexto* txtLocalidad_;
};
