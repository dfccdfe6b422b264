#include "import/revision_sujeto.h"

#include "common/digitos_verificadores.h"
#include "database/codigos.h"
#include "import/jurisdiccion_importada.h"

namespace {

const QString kDescartada = QStringLiteral(" DESCARTADA: ");

bool prefijoAceptado(qint64 prefijo)
{
    for (const qint64 p : {20, 21, 23, 24, 27, 30, 33, 34})
        if (prefijo == p) return true;
    return false;
}

} // namespace

QString hallazgo::caracteresQuitados(const QStringList& campos)
{
    return QStringLiteral("Se quitaron caracteres no válidos ") + campos.join(QStringLiteral(" y "))
        + QLatin1Char('.');
}

RevisionSujeto revisarSujeto(const RegistroSujeto& s)
{
    RevisionSujeto r;
    r.nroContrib = s.jurisdiccion + s.inscripcion;
    auto descartar = [&](const char* motivo) {
        r.hallazgos << kDescartada + QString::fromUtf8(motivo);
        r.guardable = false;
    };

    // A subject number is its jurisdiction's digits and the inscription's: anything else in the
    // inscription can never be looked up again, so the line is refused as out of form.
    const bool inscripcionEnDigitos = campo_importado::soloDigitos(s.inscripcion);
    if (s.inscripcion == QLatin1String("0000000")) {
        descartar("El Nº de Inscripción no puede ser nulo.");
    } else if (!inscripcionEnDigitos) {
        r.hallazgos << hallazgo::Formato;
        r.guardable = false;
    }

    switch (revisarJurisdiccion(s.jurisdiccion, s.inscripcion)) {
    case RevisionJurisdiccion::Correcta:
        break;
    case RevisionJurisdiccion::DigitoInscripcion:
        if (inscripcionEnDigitos)
            r.hallazgos << hallazgo::Atencion
                    + QStringLiteral("El dígito verificador del Nº de Inscripción no es correcto.");
        break;
    case RevisionJurisdiccion::DigitoConvenio:
        if (inscripcionEnDigitos)
            r.hallazgos << hallazgo::Atencion
                    + QStringLiteral(
                        "El dígito verificador del Nº de Convenio Multilateral no es correcto.");
        break;
    case RevisionJurisdiccion::JurisdiccionInvalida:
        descartar("La Jurisdicción indicada no es válida.");
        break;
    }

    // The prefix is the numeric value of the first two characters; only 0 to 255 can be one.
    const qint64 prefijo = campo_importado::valorNumerico(s.cuit.left(2));
    if (s.cuit == QLatin1String("00000000000"))
        descartar("El Nº de C.U.I.T. no puede ser nulo.");
    else if (prefijo < 0 || prefijo > 255 || !prefijoAceptado(prefijo))
        descartar("Los prefijos válidos para el número de C.U.I.T. son: 20, 23, 27, 30 o 33.");
    else if (!verificaDigitoCUIT(s.cuit))
        descartar("El dígito verificador del Nº de C.U.I.T. no es correcto.");

    if (s.razonSocial.isEmpty()) descartar("Falta la Razón Social.");
    if (s.domicilio.isEmpty()) descartar("Falta el domicilio.");

    if (s.marcaTipo == QLatin1Char('3'))
        r.codTipo = tipo_sujeto::Constancia;
    else if (s.jurisdiccion == QLatin1String("000"))
        r.codTipo = tipo_sujeto::ObligadoDirecto;
    else if (s.jurisdiccion == QLatin1String("911"))
        r.codTipo = tipo_sujeto::ConvenioLocal;
    else
        r.codTipo = tipo_sujeto::ConvenioForaneo;
    return r;
}
