// The checks of a subject line: each finding in its order, whether the subject is stored, and its
// type.

#include "import/revision_sujeto.h"
#include "import/lineas_prueba.h"

#include <gtest/gtest.h>

namespace {

using lineas_prueba::S;

struct Caso {
    const char* nombre;
    S sujeto;
    QStringList hallazgos;
    bool guardable;
    const char* codTipo;
};

TEST(RevisionSujeto, CadaCampoConSuMensaje)
{
    const QString d = QStringLiteral(" DESCARTADA: ");
    const QString a = QStringLiteral("   ATENCION: ");
    const QString digitoInscripcion = a + "El dígito verificador del Nº de Inscripción no es correcto.";
    const QString digitoConvenio =
        a + "El dígito verificador del Nº de Convenio Multilateral no es correcto.";
    const QString prefijos =
        d + "Los prefijos válidos para el número de C.U.I.T. son: 20, 23, 27, 30 o 33.";
    const QString jurisdiccion = d + "La Jurisdicción indicada no es válida.";
    const Caso casos[] = {
        {"válido", {}, {}, true, "0"},
        {"dígito de inscripción", {.inscripcion = "1234566"}, {digitoInscripcion}, true, "0"},
        {"inscripción nula", {.inscripcion = "0000000"},
         {d + "El Nº de Inscripción no puede ser nulo.", digitoInscripcion}, false, "0"},
        {"inscripción con letras", {.inscripcion = "12A4565"}, {hallazgo::Formato}, false, "0"},
        {"convenio 901", {.jurisdiccion = "901", .inscripcion = "1234563"}, {}, true, "2"},
        {"convenio 924 mal", {.jurisdiccion = "924", .inscripcion = "1234564"}, {digitoConvenio},
         true, "2"},
        {"convenio 999", {.jurisdiccion = "999", .inscripcion = "1000001"}, {}, true, "2"},
        {"provincia 911", {.jurisdiccion = "911", .inscripcion = "1234563"}, {}, true, "1"},
        {"no inscripto 950", {.jurisdiccion = "950", .inscripcion = "9999999"}, {}, true, "2"},
        {"900", {.jurisdiccion = "900"}, {jurisdiccion}, false, "2"},
        {"925", {.jurisdiccion = "925"}, {jurisdiccion}, false, "2"},
        {"jurisdicción con letras", {.jurisdiccion = "91A", .inscripcion = "1234563"},
         {jurisdiccion}, false, "2"},
        {"CUIT nula", {.cuit = "00000000000"}, {d + "El Nº de C.U.I.T. no puede ser nulo."}, false,
         "0"},
        {"CUIT en blanco", {.cuit = "           "}, {prefijos}, false, "0"},
        {"CUIT negativa", {.cuit = "-5123456789"}, {prefijos}, false, "0"},
        {"CUIT 21", {.cuit = "21123456782"}, {}, true, "0"},
        {"CUIT 24", {.cuit = "24123456781"}, {}, true, "0"},
        {"CUIT 34", {.cuit = "34123456787"}, {}, true, "0"},
        {"CUIT 22", {.cuit = "22123456780"}, {prefijos}, false, "0"},
        {"CUIT dígito", {.cuit = "20123456787"},
         {d + "El dígito verificador del Nº de C.U.I.T. no es correcto."}, false, "0"},
        {"CUIT con letras", {.cuit = "20A23456786"},
         {d + "El dígito verificador del Nº de C.U.I.T. no es correcto."}, false, "0"},
        {"sin nombre ni domicilio, prefijo malo", {.cuit = "99123456789", .nombre = "", .domicilio = ""},
         {prefijos, d + "Falta la Razón Social.", d + "Falta el domicilio."}, false, "0"},
        {"certificado", {.jurisdiccion = "950", .tipo = "3"}, {}, true, "3"},
        {"tipo en blanco", {.tipo = " "}, {}, true, "0"},
        {"tipo 2 reemplazado", {.tipo = "2"}, {}, true, "0"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        const auto registro = leerSujeto(LineaImportada::de(c.sujeto.linea()));
        ASSERT_TRUE(registro);
        const RevisionSujeto r = revisarSujeto(*registro);
        EXPECT_EQ(r.hallazgos, c.hallazgos);
        EXPECT_EQ(r.guardable, c.guardable);
        EXPECT_EQ(r.codTipo, QString::fromLatin1(c.codTipo));
        EXPECT_EQ(r.nroContrib, c.sujeto.jurisdiccion + c.sujeto.inscripcion);
    }
}

} // namespace
