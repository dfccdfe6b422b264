#pragma once
// A record form over a table with a typed row (database/filas.h). The skeleton's row hooks receive
// the row as the table's struct, read by the table's one reader, so that a form never reads a field
// by its name.
//
//     class frmAgentes final : public FormularioDe<Agente, agenteDe> { ... };

#include "database/filas.h"
#include "forms/formulario_registro.h"
#include "forms/grilla_registros.h"

#include <optional>

template <typename Fila, Fila (*leer)(const QSqlRecord&)>
class FormularioDe : public FormularioRegistro {
protected:
    using FormularioRegistro::FormularioRegistro;

    // ---- Row hooks. Those marked "in the transaction" may write; an ErrorMotor undoes everything.
    // The current row changed: unbound controls show it.
    virtual void mostrarNoEnlazados(const Fila& /*fila*/) {}
    // Grabar, in the transaction, after the row itself: the row as stored.
    virtual void despuesDeGrabar(const Fila& /*fila*/, bool /*agregando*/) {}
    // Grabar, once the row has landed: the environment and its panels.
    virtual void grabado(const Fila& /*fila*/, bool /*agregando*/) {}
    // Borrar: the question asked before deleting; the one set with setPreguntaBorrar unless a form
    // asks its own.
    virtual QString preguntaBorrar(const Fila& /*fila*/) const { return preguntaBorrarComun(); }
    // Borrar, in the transaction. The default deletes the row alone.
    virtual void borrarFila(qint64 id, const Fila& /*fila*/) { borrarSoloLaFila(id); }
    // Borrar, once the deletion has landed.
    virtual void borrado(const Fila& /*fila*/) {}
    // Seleccionar: the code handed back. A pick-list form gives it.
    virtual QString codigoSeleccionado(const Fila& /*fila*/) const { return {}; }

    // The grid's current row; nothing when the grid has none. Throws ErrorMotor.
    std::optional<Fila> filaActual() const
    {
        const auto registro = grilla().registroActual();
        if (!registro) return std::nullopt;
        return leer(*registro);
    }

private:
    void mostrarRegistro(const QSqlRecord& registro) final { mostrarNoEnlazados(leer(registro)); }
    void despuesDeGrabarRegistro(const QSqlRecord& grabado, bool agregando) final
    {
        despuesDeGrabar(leer(grabado), agregando);
    }
    void registroGrabado(const QSqlRecord& grabado, bool agregando) final
    {
        this->grabado(leer(grabado), agregando);
    }
    QString preguntaBorrarRegistro(const QSqlRecord& registro) const final
    {
        return preguntaBorrar(leer(registro));
    }
    void borrarRegistro(qint64 id, const QSqlRecord& registro) final
    {
        borrarFila(id, leer(registro));
    }
    void registroBorrado(const QSqlRecord& registro) final { borrado(leer(registro)); }
    QString codigoDelRegistro(const QSqlRecord& registro) const final
    {
        return codigoSeleccionado(leer(registro));
    }
};
