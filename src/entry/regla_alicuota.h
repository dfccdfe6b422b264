#pragma once
// Which rate a receipt takes. The rate is looked up in `Alicuotas` by the active regime and a key
// type: the subject's own type, or a type that stands for an option ticked on the form
// (construction "8"/"9", insurance commission "5", milk and bee products "8"). A row that exists
// always wins; where there is none the regime's own rate applies (regimenes.h). Subjects of type
// "3" hold a certificate of non-withholding, which some regimes honour with a zero rate.

#include "common/regimenes.h"
#include "database/importe.h"

#include <QString>
#include <functional>
#include <optional>

class BaseDatos;

// The options ticked on the form; those the regime does not offer are never ticked.
using OpcionesAlicuota = OpcionesRegimen;

struct ResultadoAlicuota {
    Importe alicuota;
    // The zero rate was forced by the subject's certificate (type "3").
    bool exentoPorConstancia = false;
};

// The rate of `Alicuotas` for a regime and key type, if that row exists.
using BuscarAlicuota =
    std::function<std::optional<Importe>(const QString& regimen, const QString& tipo)>;

ResultadoAlicuota reglaAlicuota(const ReglasRegimen& regimen, const QString& tipoSujeto,
                                OpcionesAlicuota opciones, const BuscarAlicuota& buscar);

std::optional<Importe> buscarAlicuota(BaseDatos& base, const QString& regimen,
                                      const QString& tipo);
