#include "import/revision_retencion.h"

#include "import/jurisdiccion_importada.h"
#include "import/revision_sujeto.h"

#include <QDate>

namespace {

// Where the receipt's amount is the total of its detail rows valued by goods type, the whole of
// it is withheld: the rate is 100 and the record need not carry one.
bool alicuotaFija(const ReglasRegimen& reglas)
{
    return reglas.totalDetalle == TotalDetalle::ImporteBruto;
}

// The day as stored ("05"), when it is a day of the declaration's month.
std::optional<QString> diaDelMes(const QString& dia, int anio, int mes)
{
    const QString digitos = QString(dia).remove(QLatin1Char(' '));
    if (!campo_importado::soloDigitos(digitos)) return std::nullopt;
    const int numero = digitos.toInt();
    if (!QDate(anio, mes, numero).isValid()) return std::nullopt;
    return QStringLiteral("%1").arg(numero, 2, 10, QLatin1Char('0'));
}

} // namespace

bool controlDiferido(const ReglasRegimen& reglas)
{
    return reglas.totalDetalle == TotalDetalle::OtrasRetenciones;
}

bool retenidoMalCalculado(Importe bruto, Importe alicuota, Importe retenido)
{
    // In units of 10^-10: gross and rate in ten-thousandths multiply to 10^-8, and per cent
    // divides by 100.
    const __int128 esperado = __int128(bruto.diezmilesimos()) * alicuota.diezmilesimos();
    const __int128 diferencia = __int128(retenido.diezmilesimos()) * 1000000 - esperado;
    const __int128 decimo = 1000000000;
    return diferencia > decimo || diferencia < -decimo;
}

RevisionRetencion revisarRetencion(const RegistroRetencion& r, const ReglasRegimen& reglas,
                                   int anio, int mes,
                                   const ConsultasRetencion& consultas)
{
    RevisionRetencion v;
    if (!r.bruto || !r.retenido || (!alicuotaFija(reglas) && !r.alicuota) || r.controlEnCodigos()) {
        v.enFormato = false;
        v.hallazgos << hallazgo::Formato;
        return v;
    }
    auto fallo = [&](const char* mensaje) {
        v.hallazgos << QString::fromUtf8(mensaje);
        v.conError = true;
    };

    switch (revisarJurisdiccion(r.jurisdiccion, r.inscripcion)) {
    case RevisionJurisdiccion::Correcta:
        break;
    case RevisionJurisdiccion::DigitoInscripcion:
        fallo(": El dígito verificador del Nº de Inscripción no es correcto.");
        break;
    case RevisionJurisdiccion::DigitoConvenio:
        fallo(": El dígito verificador del Nº de Convenio Multilateral no es correcto.");
        break;
    case RevisionJurisdiccion::JurisdiccionInvalida:
        fallo(": La Jurisdicción indicada no es válida.");
        break;
    }
    if (!consultas.sujetoCargado) fallo(": El Nº de Inscripción no está cargado en el sistema.");

    const auto dia = diaDelMes(r.dia, anio, mes);
    v.dia = dia.value_or(QStringLiteral("00"));
    if (!dia) fallo(": El día no es correcto.");

    v.nroX = r.nroX;
    if (v.nroX.isEmpty()) {
        v.nroX = QStringLiteral("0");
        fallo(": Falta el Nº de Comprobante.");
    }

    v.concepto = r.concepto;
    if (!consultas.conceptoCargado) {
        v.concepto = QStringLiteral("00");
        fallo(": El código de concepto no está cargado en el sistema.");
    }

    v.bruto = *r.bruto;
    v.retenido = *r.retenido;
    if (alicuotaFija(reglas)) {
        v.alicuota = Importe::desdeEntero(100);
    } else {
        v.alicuota = *r.alicuota;
        if (!controlDiferido(reglas) && retenidoMalCalculado(v.bruto, v.alicuota, v.retenido)) {
            v.hallazgos << hallazgo::MalCalculado;
            v.conError = true;
        }
    }
    return v;
}
