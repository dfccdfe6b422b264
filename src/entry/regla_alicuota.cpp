#include "entry/regla_alicuota.h"

#include "database/base_datos.h"

namespace {

const QString kConstancia = QStringLiteral("3");

bool es(const QString& valor, const char* codigo)
{
    return valor == QLatin1String(codigo);
}

} // namespace

ResultadoAlicuota reglaAlicuota(TipoFormulario formulario, const QString& regimen,
                                const QString& tipoSujeto, OpcionesAlicuota opciones,
                                const BuscarAlicuota& buscar)
{
    const QString& t = tipoSujeto;
    const ResultadoAlicuota exento{Importe(), true};

    if (formulario == TipoFormulario::Detalle && es(regimen, "11") && t == kConstancia)
        return exento;

    QString clave;
    if (formulario == TipoFormulario::General && es(regimen, "01")) {
        if (opciones.construccion)
            clave = (es(t, "0") || es(t, "1")) ? QStringLiteral("8") : QStringLiteral("9");
        else
            clave = t;
    } else if (formulario == TipoFormulario::Detalle && es(regimen, "11")) {
        clave = opciones.lactea ? QStringLiteral("8") : t;
    } else {
        clave = opciones.seguros ? QStringLiteral("5") : t;
    }

    if (const auto fila = buscar(regimen, clave)) return {*fila, false};

    if (formulario != TipoFormulario::Detalle) return {};
    if (es(regimen, "09")) return t == kConstancia ? exento : ResultadoAlicuota{Importe::desdeEntero(100)};
    if (es(regimen, "10")) return {Importe::desdeEntero(100)};
    // Regime "12" honours the certificate like "09" and "16"; every other subject pays one half
    // per cent.
    if (es(regimen, "12")) return t == kConstancia ? exento : ResultadoAlicuota{Importe::desdeCentavos(50)};
    if (es(regimen, "16") && t == kConstancia) return exento;
    return {};
}

std::optional<Importe> buscarAlicuota(BaseDatos& base, const QString& regimen, const QString& tipo)
{
    const auto fila = base.fila(
        QStringLiteral("SELECT Alicuota FROM Alicuotas WHERE Cod_Regimen = ? AND Cod_Tipo = ?"),
        {regimen, tipo});
    if (!fila) return std::nullopt;
    return Importe::desdeColumna(fila->value(0));
}
