#pragma once
// Agents: the collection agents kept in Agentes, and the choice of the active agent. A new agent
// gets its branch "0000" in the same save; an agent that has issued nothing can be deleted with its
// branch and declarations; Activar makes the agent and its first branch active.
//
//     frmAgentes form(contexto, ventana);
//     contexto.dialogs.abrirModal(form);

#include "forms/formulario_registro.h"

class QComboBox;

class frmAgentes final : public FormularioRegistro {
    Q_OBJECT
public:
    explicit frmAgentes(Contexto& contexto, QWidget* parent = nullptr);

protected:
    void valoresIniciales() override;
    void mostrarNoEnlazados(const QSqlRecord& fila) override;
    void completarValores(QVariantMap& valores) override;
    void despuesDeGrabar(const QVariantMap& valores, bool agregando) override;
    void grabado(const QVariantMap& valores, bool agregando) override;
    QString preguntaBorrar(const QSqlRecord& fila) const override;
    void borrarFila(qint64 id, const QSqlRecord& fila) override;
    void borrado(const QSqlRecord& fila) override;
    void Activar() override;

private:
    bool esActivo(const QString& nroAgente) const;

    CajaMascara* mskNroAgente_;
    CajaMascara* mskCUIT_;
    CajaTexto* txtRazonSocial_;
    CajaTexto* txtDomicilio_;
    CajaTexto* txtLocalidad_;
    QComboBox* cboIVA_;
};
