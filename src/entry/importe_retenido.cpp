#include "entry/importe_retenido.h"

Importe importeRetenido(Importe bruto, Importe alicuota)
{
    // Ten-thousandths times ten-thousandths of a percent: cents are the product over 10^8, rounded
    // once, so that 0.99 at 0.5 % (0.00495) gives 0.00 and never 0.01.
    __int128 producto = static_cast<__int128>(bruto.diezmilesimos()) * alicuota.diezmilesimos();
    const bool negativo = producto < 0;
    if (negativo) producto = -producto;
    constexpr __int128 divisor = 100000000;
    __int128 centavos = producto / divisor;
    if ((producto % divisor) * 2 >= divisor) ++centavos;
    return Importe::desdeCentavos(static_cast<qint64>(negativo ? -centavos : centavos));
}

Importe retenidoNeto(Importe retenido, std::optional<Importe> otras)
{
    const Importe neto = retenido - otras.value_or(Importe());
    return neto > Importe() ? neto : Importe();
}
