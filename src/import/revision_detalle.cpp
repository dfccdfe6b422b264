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
        v.hallazgos << hallazgo::Formato;
        v.conError = true;
        return v;
    }
    auto fallo = [&](const char* mensaje) {
        v.hallazgos << QString::fromUtf8(mensaje);
        v.conError = true;
    };
    // The goods type in the regime's class: its value, when stored.
    const int clase = reglas.claseTipos;
    auto tipoDeLaClase = [&](const char* noCargado, const char* otroValor, bool compararValor) {
        const auto valor = valorDeTipo(clase, n->tipo);
        if (!valor) fallo(noCargado);
        else if (compararValor && *valor != n->unitario) fallo(otroValor);
    };
    const bool propio = d.agente == agenteArchivo;

    Importe unitario = n->unitario;
    qint64 cantidad = n->cantidad;
    FilaDetalle& f = v.fila;
    f.nroAgente = d.agente;
    f.nroGuia = d.guia;
    f.tipo = n->tipo;
    f.nroAnticipo = d.anticipo;
    f.nroPorte = d.porte;

    try {
        switch (modo) {
        case ModoDetalle::Guias:
        case ModoDetalle::Obleas:
            if (n->anticipo != 0) fallo(": El Nº de Anticipo no es 00000000");
            if (n->agente != 0) fallo(": El Nº de Agente emisor no es 000000");
            if (modo == ModoDetalle::Guias) {
                if (n->cantidad <= 0) fallo(": la cantidad de animales es incorrecta");
                tipoDeLaClase(": El Nº de tipo de Ganado no está cargado en este sistema",
                              ": El valor unitario del Ganado no coincide al cargado en este sistema",
                              true);
            } else {
                if (n->cantidad != 1) fallo(": la cantidad de obleas es incorrecta. debe ser '001' ");
                tipoDeLaClase(": El Nº de tipo de cereal no está cargado en este sistema",
                              ": El valor unitario de la oblea no coincide al cargado en este sistema",
                              true);
                v.oblea = ControlOblea::Cualquiera;
            }
            f.total = unitario * cantidad;
            break;
        case ModoDetalle::Anticipos: {
            if (n->anticipo == 0) fallo(": El Nº de Anticipo no debe ser es 00000000");
            if (n->agente == 0) fallo(": El Nº de Agente emisor no debe ser 000000");
            const bool enImporte = n->cantidad == 0 && n->tipo == 0;
            if (!enImporte)
                tipoDeLaClase(": El Nº de tipo de Ganado no está cargado en este sistema",
                              ": El valor unitario del Ganado no coincide al cargado en este sistema",
                              true);
            // An advance given as an amount carries neither type nor quantity.
            f.total = enImporte ? unitario : unitario * cantidad;
            v.anticipos = unitario;
            f.nroGuia = QStringLiteral("0");
            f.tipo = 0;
            cantidad = 0;
            unitario = Importe();
            break;
        }
        case ModoDetalle::AnticiposConOblea:
        case ModoDetalle::ObleaZ:
            if (n->anticipo == 0 && !propio)
                fallo(": Cuando el Nº de Agente no es el mismo Agente de la cabecera, el el nº de "
                      "anticipo no debe ser 000000");
            if (modo == ModoDetalle::AnticiposConOblea) {
                if (n->cantidad == 0) fallo(": la cantidad de obleas no debe ser '000' ");
                tipoDeLaClase(": El Nº de tipo de Cereal no está cargado en este sistema",
                              ": El valor unitario de la oblea no coincide al cargado en este sistema",
                              !n->unitario.esCero());
            } else {
                if (n->cantidad != 1) fallo(": la cantidad de obleas debe ser '001' ");
                if (n->tipo != 26) fallo(": El Nº de tipo de Oblea debe ser 26");
                if (!n->unitario.esCero()) fallo(": El importe de la Oblea debe ser 0");
            }
            // The agent's own stamps carry no value; another agent's stamp is an advance.
            if (propio) unitario = Importe();
            else if (modo == ModoDetalle::AnticiposConOblea) v.anticipos = unitario;
            f.total = unitario * cantidad;
            v.oblea = propio ? ControlOblea::DelAgenteYRemesa : ControlOblea::DelAgente;
            break;
        case ModoDetalle::Alimentos:
            if (n->agente == 0) fallo(": No se indica la cantidad transportada");
            if (d.porte.trimmed().isEmpty()) fallo(": Falta Nº de Remito");
            tipoDeLaClase(": El Nº de tipo de Alimento no está cargado en este sistema",
                          ": El valor unitario del Alimento no coincide al cargado en este sistema",
                          true);
            cantidad = n->agente;
            f.nroAgente = QStringLiteral("0");
            f.nroGuia = QStringLiteral("0");
            f.nroAnticipo = QStringLiteral("0");
            f.total = unitario * cantidad;
            break;
        case ModoDetalle::Ninguno:
            break;
        }
    } catch (const ErrorMotor&) {
        // A total beyond any amount: the record cannot be stored.
        v.hallazgos << hallazgo::Formato;
        v.conError = true;
        v.anticipos = Importe();
        v.oblea = ControlOblea::Ninguno;
    }
    f.cantidad = cantidad;
    f.valorUnitario = unitario;
    return v;
}
