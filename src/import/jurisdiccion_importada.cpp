#include "import/jurisdiccion_importada.h"

#include "common/digitos_verificadores.h"
#include "import/registros_importados.h"

RevisionJurisdiccion revisarJurisdiccion(const QString& jurisdiccion, const QString& inscripcion)
{
    if (jurisdiccion.size() != 3 || !campo_importado::soloDigitos(jurisdiccion))
        return RevisionJurisdiccion::JurisdiccionInvalida;
    if (jurisdiccion == QLatin1String("000"))
        return verificaDigitoInscripcion(inscripcion) ? RevisionJurisdiccion::Correcta
                                                        : RevisionJurisdiccion::DigitoInscripcion;
    if (jurisdiccion == QLatin1String("950")) return RevisionJurisdiccion::Correcta;
    if ((jurisdiccion > QLatin1String("900") && jurisdiccion < QLatin1String("925"))
        || jurisdiccion == QLatin1String("999"))
        return verificaDigitoConvenioMultilateral(inscripcion) ? RevisionJurisdiccion::Correcta
                                                                  : RevisionJurisdiccion::DigitoConvenio;
    return RevisionJurisdiccion::JurisdiccionInvalida;
}
