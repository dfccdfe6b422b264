#include "entry/regla_alicuota.h"

#include "database/base_datos.h"
#include "database/codigos.h"

namespace {

// The key type that stands for each option.
const QString kConstruccionSinIva = QStringLiteral("8");  // subjects of types "0" and "1"
const QString kConstruccion = QStringLiteral("9");
const QString kLactea = QStringLiteral("8");
const QString kSeguros = QStringLiteral("5");

QString claveDeTipo(const ReglasRegimen& r, const QString& t, OpcionesAlicuota opciones)
{
    if (r.opciones.construccion) {
        if (!opciones.construccion) return t;
        return t == tipo_sujeto::ObligadoDirecto || t == tipo_sujeto::ConvenioLocal
                   ? kConstruccionSinIva
                   : kConstruccion;
    }
    if (r.opciones.lactea) return opciones.lactea ? kLactea : t;
    return opciones.seguros ? kSeguros : t;
}

} // namespace

ResultadoAlicuota reglaAlicuota(const ReglasRegimen& r, const QString& tipoSujeto,
                                OpcionesAlicuota opciones, const BuscarAlicuota& buscar)
{
    const QString& t = tipoSujeto;
    const ResultadoAlicuota exento{Importe(), true};

    if (r.constancia == Constancia::Exime && t == tipo_sujeto::Constancia) return exento;
    if (const auto fila = buscar(r.codigo, claveDeTipo(r, t, opciones))) return {*fila, false};
    if (r.constancia == Constancia::EximeSinFila && t == tipo_sujeto::Constancia) return exento;
    return {r.alicuotaSinFila.value_or(Importe())};
}

std::optional<Importe> buscarAlicuota(BaseDatos& base, const QString& regimen, const QString& tipo)
{
    const auto fila = base.fila(
        QStringLiteral("SELECT Alicuota FROM Alicuotas WHERE Cod_Regimen = ? AND Cod_Tipo = ?"),
        {regimen, tipo});
    if (!fila) return std::nullopt;
    return Importe::desdeColumna(fila->value(0));
}
