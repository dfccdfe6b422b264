#pragma once
// The life of a declaration (`Cabeceras.Estado`): the states it passes through and what each one
// allows. A declaration made on the declarations form starts empty, one made by the import starts
// open; the first receipt opens an empty one; a closing operation closes it; rectifying opens a
// closed one again under the next number. Receipts go only into the active declaration and only a
// declaration not closed is activated, so a closed one takes no change until it is rectified. The
// stored codes are those of database/codigos.h; what a state allows, and what it is called, is
// asked here rather than read from its code.

#include <QString>
#include <QVariantList>

#include <optional>

struct Cabecera;

// What is done to a declaration.
enum class AccionCabecera {
    Modificar,          // its year and month changed on the declarations form
    Borrar,             // deleted on the declarations form (it must also have no rows)
    Activar,            // made the declaration the entry forms save receipts into
    PrimerComprobante,  // the first receipt saved into it on an entry form
    Importar,           // the import adds its rows to the month's existing declaration
    Cerrar,             // D.Jurada, B. de Pago or Interv. Realizadas
    Rectificar,         // rectified under the next number
    Deshacer,           // an imported declaration undone with its rows (it must be untouched)
};

class EstadoCabecera {
public:
    enum Valor {
        Vacia,     // created, no receipt yet
        Abierta,   // has receipts, imported or rectified
        Cerrada,   // closed by one of the closing operations
        Anulada,   // a name only: nothing writes it
        Otro,      // a code that names none of them
    };

    EstadoCabecera(Valor valor) : valor_(valor) {}
    // The state a stored code names. The code is read as a number, as the state names are.
    static EstadoCabecera deCodigo(const QString& codigo);
    static EstadoCabecera de(const Cabecera& cabecera);
    // The state a new declaration starts in: empty when made on the form ("M"), open when made by
    // the import ("I").
    static EstadoCabecera inicial(const QString& origen);

    Valor valor() const { return valor_; }
    // The stored code; empty for Otro, which is never written.
    QString codigo() const;
    // What the state is called: "Vacía", "Abierta", "Cerrada", "Anulada"; empty for Otro. A
    // receipt's state reads by the same names: its annulled "4" is "Anulada", its valid "5" none.
    QString nombre() const;
    bool cerrada() const { return valor_ == Cerrada; }

    bool admite(AccionCabecera accion) const;
    // The state the action leaves; none when the action is refused or deletes the declaration.
    std::optional<EstadoCabecera> tras(AccionCabecera accion) const;

    // The condition on `Estado` that lists the declarations admitting the action, with its values;
    // an empty condition for an action every state admits.
    struct Filtro {
        QString condicion;
        QVariantList valores;
    };
    static Filtro filtro(AccionCabecera accion);

    bool operator==(const EstadoCabecera&) const = default;

private:
    Valor valor_;
};
