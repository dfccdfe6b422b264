#pragma once
// Agents: the collection agents kept in Agentes, and the choice of the active agent. A new agent
// gets its branch "0000" in the same save; an agent that has issued nothing can be deleted with its
// branch and declarations; Activar makes the agent and its first branch active.
//
//     frmAgentes form(contexto, ventana);
//     contexto.dialogs.abrirModal(form);

#include "forms/formulario_de.h"

class QComboBox;

class frmAgentes final : public FormularioDe<Agente, agenteDe> {
    Q_OBJECT
public:
    explicit frmAgentes(Contexto& contexto, QWidget* parent = nullptr);

protected:
    void valoresIniciales() override;
    void mostrarNoEnlazados(const Agente& agente) override;
    void completarValores(QVariantMap& valores) override;
    void despuesDeGrabar(const Agente& agente, bool agregando) override;
    void grabado(const Agente& agente, bool agregando) override;
    QString preguntaBorrar(const Agente& agente) const override;
    void borrarFila(qint64 id, const Agente& agente) override;
    void borrado(const Agente& agente) override;
    void activar() override;

private:
    bool esActivo(const QString& nroAgente) const;

    CajaMascara* mskNroAgente_;
    CajaMascara* mskCUIT_;
    CajaTexto* txtRazonSocial_;
    CajaTexto* txtDomicilio_;
    CajaTexto* txtLocalidad_;
    QComboBox* cboIVA_;
};
