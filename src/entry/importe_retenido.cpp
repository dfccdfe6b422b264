#include "entry/importe_retenido.h"

Importe importeRetenido(Importe bruto, Importe alicuota)
{
    return bruto.porcentajeEnCentavos(alicuota);
}

Importe retenidoNeto(Importe retenido, std::optional<Importe> otras)
{
    const Importe neto = retenido - otras.value_or(Importe());
    return neto > Importe() ? neto : Importe();
}
