#include "import/revision_detalle.h"

#include "database/error_motor.h"
#include "import/revision_sujeto.h"

namespace {

// The numbers of the record, when every field the regime reads as a number is one.
struct Numeros {
    qint64 anticipo = 0;
    qint64 agente = 0;  // in "15" the quantity transported
    qint64 tipo = 0;
    qint64 cantidad = 0;
    Importe unitario;
};

std::optional<Numeros> numeros(const RegistroDetalle& d, ModoDetalle modo)
{
    using campo_importado::entero;
    Numeros n;
    const auto agente = entero(d.agente);
    const auto tipo = entero(d.tipo);
    if (!agente || !tipo || !d.unitario) return std::nullopt;
    n.agente = *agente;
    n.tipo = *tipo;
    n.unitario = *d.unitario;
    if (modo == ModoDetalle::Alimentos) return n;
    const auto anticipo = entero(d.anticipo);
    const auto cantidad = entero(d.cantidad);
    if (!anticipo || !cantidad) return std::nullopt;
    n.anticipo = *anticipo;
    n.cantidad = *cantidad;
    return n;
}

void fallo(RevisionDetalle& v, const char* mensaje)
{
    v.hallazgos << QString::fromUtf8(mensaje);
    v.conError = true;
}

// A record that cannot be read or stored: it adds nothing to its receipt and checks no stamp.
void fallaDeFormato(RevisionDetalle& v)
{
    v.hallazgos << hallazgo::Formato;
    v.conError = true;
    v.anticipos = Importe();
    v.oblea = ControlOblea::Ninguno;
}

// The record's goods type in the regime's class, with the unit value the record gives it.
struct TipoDelRegistro {
    const ValorDeTipo& valorDeTipo;
    int clase = 0;
    qint64 tipo = 0;
    Importe unitario;
};

// A finding when the type is not stored or, when `compararValor`, when its stored value is not
// the record's.
void revisarTipo(RevisionDetalle& v, const TipoDelRegistro& t, const char* noCargado,
                 const char* otroValor, bool compararValor)
{
    const auto valor = t.valorDeTipo(t.clase, t.tipo);
    if (!valor) fallo(v, noCargado);
    else if (compararValor && *valor != t.unitario) fallo(v, otroValor);
}

// The row as the record gives it, before what its regime changes.
FilaDetalle filaDelRegistro(const RegistroDetalle& d, const Numeros& n)
{
    FilaDetalle f;
    f.nroAgente = d.agente;
    f.nroGuia = d.guia;
    f.tipo = n.tipo;
    f.nroAnticipo = d.anticipo;
    f.nroPorte = d.porte;
    f.cantidad = n.cantidad;
    f.valorUnitario = n.unitario;
    return f;
}

// Guides and grain stamps are the agent's own: no advance, no issuing agent.
void revisarSinAnticipo(RevisionDetalle& v, const Numeros& n)
{
    if (n.anticipo != 0) fallo(v, ": El Nº de Anticipo no es 00000000");
    if (n.agente != 0) fallo(v, ": El Nº de Agente emisor no es 000000");
}

// "09": a livestock guide.
void revisarGuia(RevisionDetalle& v, const Numeros& n, const TipoDelRegistro& tipo)
{
    revisarSinAnticipo(v, n);
    if (n.cantidad <= 0) fallo(v, ": la cantidad de animales es incorrecta");
    revisarTipo(v, tipo, ": El Nº de tipo de Ganado no está cargado en este sistema",
                ": El valor unitario del Ganado no coincide al cargado en este sistema", true);
    v.fila.total = n.unitario * n.cantidad;
}

// "10": one grain stamp.
void revisarOblea(RevisionDetalle& v, const Numeros& n, const TipoDelRegistro& tipo)
{
    revisarSinAnticipo(v, n);
    if (n.cantidad != 1) fallo(v, ": la cantidad de obleas es incorrecta. debe ser '001' ");
    revisarTipo(v, tipo, ": El Nº de tipo de cereal no está cargado en este sistema",
                ": El valor unitario de la oblea no coincide al cargado en este sistema", true);
    v.oblea = ControlOblea::Cualquiera;
    v.fila.total = n.unitario * n.cantidad;
}

// "11", "16": an advance paid to another agent, by goods type and quantity or as an amount.
void revisarAnticipo(RevisionDetalle& v, const Numeros& n, const TipoDelRegistro& tipo)
{
    if (n.anticipo == 0) fallo(v, ": El Nº de Anticipo no debe ser es 00000000");
    if (n.agente == 0) fallo(v, ": El Nº de Agente emisor no debe ser 000000");
    const bool enImporte = n.cantidad == 0 && n.tipo == 0;
    if (!enImporte)
        revisarTipo(v, tipo, ": El Nº de tipo de Ganado no está cargado en este sistema",
                    ": El valor unitario del Ganado no coincide al cargado en este sistema", true);
    // An advance given as an amount carries neither type nor quantity.
    FilaDetalle& f = v.fila;
    f.total = enImporte ? n.unitario : n.unitario * n.cantidad;
    v.anticipos = n.unitario;
    f.nroGuia = QStringLiteral("0");
    f.tipo = 0;
    f.cantidad = 0;
    f.valorUnitario = Importe();
}

// "12", "14": another agent's stamp comes under that agent's advance.
void revisarAnticipoDeLaOblea(RevisionDetalle& v, const Numeros& n, bool propio)
{
    if (n.anticipo == 0 && !propio)
        fallo(v, ": Cuando el Nº de Agente no es el mismo Agente de la cabecera, el el nº de "
                 "anticipo no debe ser 000000");
}

// The agent's own stamps carry no value; another agent's stamp is an advance where the regime's
// stamps are (`esAnticipo`).
void valuarOblea(RevisionDetalle& v, bool propio, bool esAnticipo)
{
    FilaDetalle& f = v.fila;
    if (propio) f.valorUnitario = Importe();
    else if (esAnticipo) v.anticipos = f.valorUnitario;
    f.total = f.valorUnitario * f.cantidad;
    v.oblea = propio ? ControlOblea::DelAgenteYRemesa : ControlOblea::DelAgente;
}

// "12": advances with their grain stamps.
void revisarAnticipoConOblea(RevisionDetalle& v, const Numeros& n, bool propio,
                             const TipoDelRegistro& tipo)
{
    revisarAnticipoDeLaOblea(v, n, propio);
    if (n.cantidad == 0) fallo(v, ": la cantidad de obleas no debe ser '000' ");
    revisarTipo(v, tipo, ": El Nº de tipo de Cereal no está cargado en este sistema",
                ": El valor unitario de la oblea no coincide al cargado en este sistema",
                !n.unitario.esCero());
    valuarOblea(v, propio, true);
}

// "14": the single stamp, of type 26 and no value.
void revisarObleaZ(RevisionDetalle& v, const Numeros& n, bool propio)
{
    revisarAnticipoDeLaOblea(v, n, propio);
    if (n.cantidad != 1) fallo(v, ": la cantidad de obleas debe ser '001' ");
    if (n.tipo != 26) fallo(v, ": El Nº de tipo de Oblea debe ser 26");
    if (!n.unitario.esCero()) fallo(v, ": El importe de la Oblea debe ser 0");
    valuarOblea(v, propio, false);
}

// "15": food transported under its remito; the agent's field holds the quantity.
void revisarAlimento(RevisionDetalle& v, const RegistroDetalle& d, const Numeros& n,
                     const TipoDelRegistro& tipo)
{
    if (n.agente == 0) fallo(v, ": No se indica la cantidad transportada");
    if (d.porte.trimmed().isEmpty()) fallo(v, ": Falta Nº de Remito");
    revisarTipo(v, tipo, ": El Nº de tipo de Alimento no está cargado en este sistema",
                ": El valor unitario del Alimento no coincide al cargado en este sistema", true);
    FilaDetalle& f = v.fila;
    f.cantidad = n.agente;
    f.nroAgente = QStringLiteral("0");
    f.nroGuia = QStringLiteral("0");
    f.nroAnticipo = QStringLiteral("0");
    f.total = f.valorUnitario * f.cantidad;
}

} // namespace

RevisionDetalle revisarDetalle(const RegistroDetalle& d, const ReglasRegimen& reglas,
                               const QString& agenteArchivo, const ValorDeTipo& valorDeTipo)
{
    RevisionDetalle v;
    const ModoDetalle modo = reglas.detalle;
    const auto n = numeros(d, modo);
    if (!n || d.controlEnCodigos()) {
        // A number field that holds no number (or a code with a control character) fails the
        // record, never the whole run.
        fallaDeFormato(v);
        return v;
    }
    v.fila = filaDelRegistro(d, *n);
    const TipoDelRegistro tipo{valorDeTipo, reglas.claseTipos, n->tipo, n->unitario};
    const bool propio = d.agente == agenteArchivo;
    try {
        switch (modo) {
        case ModoDetalle::Guias: revisarGuia(v, *n, tipo); break;
        case ModoDetalle::Obleas: revisarOblea(v, *n, tipo); break;
        case ModoDetalle::Anticipos: revisarAnticipo(v, *n, tipo); break;
        case ModoDetalle::AnticiposConOblea: revisarAnticipoConOblea(v, *n, propio, tipo); break;
        case ModoDetalle::ObleaZ: revisarObleaZ(v, *n, propio); break;
        case ModoDetalle::Alimentos: revisarAlimento(v, d, *n, tipo); break;
        case ModoDetalle::Ninguno: break;
        }
    } catch (const ErrorMotor&) {
        // A total beyond any amount: the record cannot be stored.
        fallaDeFormato(v);
    }
    return v;
}
