#include "common/aviso_no_inscripto.h"
#include "common/digitos_verificadores.h"
#include "support/dialogos_guionados.h"

#include <gtest/gtest.h>

namespace {

const char* const kIncompletoCuit = "El número de C.U.I.T. no está completo.";
const char* const kNuloCuit = "El número de C.U.I.T. no puede ser nulo.";
const char* const kPrefijo =
    "Los prefijos válidos para el número de C.U.I.T. son: 20, 23, 27, 30, 33 o 34.";
const char* const kDigitoCuit = "El dígito verificador del número de C.U.I.T. es incorrecto.";
const char* const kIncompleto = "El número de Inscripción no está completo.";
const char* const kNulo = "El número de Inscripción no puede ser nulo.";

// One case of an identifier: what the interactive check answers and says (nullptr: nothing), and
// what the silent check answers.
struct Caso {
    const char* numero;
    bool interactivo;
    const char* mensaje;
    bool silencioso;
};

using Interactiva = bool (*)(Dialogs&, const QString&);
using Silenciosa = bool (*)(const QString&);

void comprobar(const Caso& c, Interactiva interactiva, Silenciosa silenciosa)
{
    const QString numero = QString::fromUtf8(c.numero);
    DialogosGuionados dialogos;
    EXPECT_EQ(interactiva(dialogos, numero), c.interactivo) << c.numero;
    if (c.mensaje) {
        ASSERT_EQ(dialogos.mensajes.size(), 1u) << c.numero;
        const Mensaje& m = dialogos.mensajes.front();
        EXPECT_EQ(m.texto, QString::fromUtf8(c.mensaje)) << c.numero;
        EXPECT_EQ(m.titulo, QStringLiteral("Error"));
        EXPECT_EQ(m.icono, Icono::Exclamacion);
        EXPECT_EQ(m.botones, Botones::Aceptar);
    } else {
        EXPECT_TRUE(dialogos.mensajes.empty()) << c.numero;
    }
    EXPECT_EQ(silenciosa(numero), c.silencioso) << c.numero;
}

TEST(DigitosVerificadores, CUIT)
{
    const Caso casos[] = {
        {"20123456786", true, nullptr, true},        // S = 148, r = 5
        {"20123456780", false, kDigitoCuit, false},
        {"24123456781", true, nullptr, true},        // 24 passes though the message omits it
        {"23123456785", true, nullptr, true},
        {"27123456780", true, nullptr, true},        // r = 0 asks for 0
        {"34123456787", true, nullptr, true},
        {"30712345671", true, nullptr, true},
        // The silent check makes no prefix, zero or length test.
        {"21123456782", false, kPrefijo, true},
        {"00000000000", false, kNuloCuit, true},
        {"0000000000", false, kIncompletoCuit, true},
        {"2012345678", false, kIncompletoCuit, false},
        {"", false, kIncompletoCuit, false},
        // A non-digit where a digit is weighed or compared.
        {"2012345A786", false, kDigitoCuit, false},
        {"2012345678X", false, kDigitoCuit, false},
    };
    for (const Caso& c : casos) comprobar(c, validaCUIT, verificaDigitoCUIT);
}

TEST(DigitosVerificadores, CUITConRestoUnoNuncaEsValido)
{
    // 2012345600 weighs 111 (remainder 1): the expected digit would be 10.
    for (char d = '0'; d <= '9'; ++d) {
        const std::string numero = std::string("2012345600") + d;
        comprobar({numero.c_str(), false, kDigitoCuit, false}, validaCUIT, verificaDigitoCUIT);
    }
}

TEST(DigitosVerificadores, Inscripcion)
{
    const Caso casos[] = {
        {"1234565", true, nullptr, true},   // last digits 9, 4, 3, 2, 5, 2: sum 25
        {"6543217", true, nullptr, true},
        {"0000017", true, nullptr, true},
        {"1234560", false, nullptr, false}, // a wrong digit is explained by the caller
        {"123456", false, kIncompleto, false},
        {"", false, kIncompleto, false},
        {"0000005", false, kNulo, false},
        // Eight characters: judged on the first six and the last one, but not silently.
        {"12345695", true, nullptr, false},
        {"12A4565", false, nullptr, false},
        {"123456X", false, nullptr, false},
    };
    for (const Caso& c : casos) comprobar(c, validaInscripcion, verificaDigitoInscripcion);
}

TEST(DigitosVerificadores, ConvenioMultilateral)
{
    const Caso casos[] = {
        {"1234563", true, nullptr, true},   // S = 85, r = 8
        {"6543215", true, nullptr, true},   // S = 83, r = 6
        {"2000031", true, nullptr, true},   // S = 11, r = 0: both ask for 1
        // Remainder 1: the interactive check asks for 0, the silent one for 1.
        {"1000000", true, nullptr, false},
        {"1000001", false, nullptr, true},
        {"1234569", false, nullptr, false},
        {"123456", false, kIncompleto, false},
        {"0000003", false, kNulo, false},
        {"12345693", true, nullptr, false},
        {"12345A3", false, nullptr, false},
        {"123456X", false, nullptr, false},
    };
    for (const Caso& c : casos)
        comprobar(c, validaConvenioMultilateral, verificaDigitoConvenioMultilateral);
}

TEST(AvisoNoInscripto, AvisaSoloAlNoInscriptoYSiempreSigue)
{
    DialogosGuionados dialogos;
    EXPECT_TRUE(avisoNoInscripto(dialogos, QStringLiteral("0001234565")));
    EXPECT_TRUE(avisoNoInscripto(dialogos, QStringLiteral("9110000010")));
    EXPECT_TRUE(dialogos.mensajes.empty());

    EXPECT_TRUE(avisoNoInscripto(dialogos, QStringLiteral("9500000010")));
    ASSERT_EQ(dialogos.mensajes.size(), 1u);
    const Mensaje& m = dialogos.mensajes.front();
    EXPECT_EQ(m.texto, QStringLiteral(
                           "El sujeto seleccionado es un contribuyente 'no inscripto'. Recuerde que "
                           "Ud. está obligado -por R.G. 54/07- a exigir y archivar la constancia de "
                           "inscripción en el Impuesto otorgada por la Orvalen"));
    EXPECT_EQ(m.titulo, kTituloAplicacion);
    EXPECT_EQ(m.icono, Icono::Exclamacion);
    EXPECT_EQ(m.botones, Botones::Aceptar);
}

} // namespace
