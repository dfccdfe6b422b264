// The steps every print shares with the user.

#include "platform/dialogos_impresion.h"
#include "support/dialogos_guionados.h"

#include <gtest/gtest.h>

namespace {

class ImpresoraGuionada final : public Impresora {
public:
    ResultadoImpresion resultado;
    std::vector<TrabajoImpresion> trabajos;
    ResultadoImpresion imprimir(const TrabajoImpresion& t) override
    {
        trabajos.push_back(t);
        return resultado;
    }
};

TEST(DialogosImpresion, ConfirmacionSiNo)
{
    DialogosGuionados d;
    d.respuestas = {Respuesta::Si, Respuesta::No};
    EXPECT_TRUE(confirmarImpresion(d));
    EXPECT_FALSE(confirmarImpresion(d));
    ASSERT_EQ(d.mensajes.size(), 2u);
    const Mensaje& m = d.mensajes.front();
    EXPECT_EQ(m.titulo, QStringLiteral("¿Confirmar Impresión?"));
    EXPECT_EQ(m.texto,
              QStringLiteral("ATENCION: verifique si la impresora está lista antes de confirmar."));
    EXPECT_EQ(m.botones, Botones::SiNo);
    EXPECT_EQ(m.icono, Icono::Pregunta);
    EXPECT_EQ(m.porDefecto, Respuesta::Si);
}

TEST(DialogosImpresion, ObservacionHastaCienCaracteresYCancelarEsNinguna)
{
    DialogosGuionados d;
    d.textos = {QString(130, QLatin1Char('x')), QStringLiteral("PAGO PARCIAL"), std::nullopt};
    EXPECT_EQ(pedirObservacionComprobante(d), QString(100, QLatin1Char('x')));
    EXPECT_EQ(pedirObservacionDeclaracion(d), QStringLiteral("PAGO PARCIAL"));
    EXPECT_EQ(pedirObservacionComprobante(d), QString());
    // Each box stops typing at 100 characters.
    EXPECT_EQ(d.largos, (std::vector<int>{100, 100, 100}));
    EXPECT_EQ(d.mensajes[0].titulo, QStringLiteral("Imprimir Comprobante"));
    EXPECT_EQ(d.mensajes[1].titulo, QStringLiteral("Imprimir Declaración Jurada - OBSERVACIÓN"));
    EXPECT_TRUE(d.mensajes[1].texto.startsWith(
        QStringLiteral("Tipee un texto (hasta 100 caracteres) que considere necesario agregar a "
                       "la declaración")));
}

TEST(DialogosImpresion, ErrorDelMotor)
{
    DialogosGuionados d;
    ImpresoraGuionada impresora;
    const TrabajoImpresion trabajo{QStringLiteral("bolpago.rpt"), 1, Destino::Pantalla, {}, {}};
    EXPECT_TRUE(imprimirReporte(d, impresora, trabajo));
    EXPECT_TRUE(d.mensajes.empty());

    impresora.resultado = {501, QStringLiteral("No se encontró el reporte 'bolpago.rpt'.")};
    EXPECT_FALSE(imprimirReporte(d, impresora, trabajo));
    ASSERT_EQ(d.mensajes.size(), 1u);
    EXPECT_EQ(d.mensajes[0].texto,
              QStringLiteral("Error Nº 501 - No se encontró el reporte 'bolpago.rpt'."));
    EXPECT_EQ(d.mensajes[0].titulo, QStringLiteral("Error al imprimir"));
    EXPECT_EQ(d.mensajes[0].icono, Icono::Critico);
    EXPECT_EQ(impresora.trabajos.size(), 2u);
}

} // namespace
