// What a declaration's receipts withheld, as its payment slip sums it: the engine's sum agrees to
// the ten-thousandth with adding the valid receipts up one by one, annulled receipts left out,
// credit notes subtracted, whatever the amount column holds.

#include "declarations/retenido_declaracion.h"

#include "database/codigos.h"
#include "database/error_motor.h"
#include "support/base_declaraciones.h"

namespace {

using namespace prueba_declaraciones;
using prueba::Monto;

class RetenidoDeclaracionTest : public BaseDeclaraciones {
protected:
    // The receipts read one at a time, each amount as a receipt's row gives it.
    RetenidoDeclaracion filaPorFila(qint64 id)
    {
        RetenidoDeclaracion r;
        for (const QSqlRecord& fila :
             base.filas(QStringLiteral("SELECT * FROM Retenciones WHERE IdCabecera = ?"), {id})) {
            r.hayMovimientos = true;
            const Retencion retencion = retencionDe(fila);
            if (retencion.estado == estado_retencion::Valida)
                r.retenido += retencion.importeRet.value_or(Importe());
        }
        return r;
    }

    void recibo(qint64 id, const Monto& retenido, const char* estado = "5")
    {
        retencion(id, {.comprobante = QString::number(++comprobantes_).rightJustified(8, u'0'),
                       .retenido = retenido,
                       .estado = QString::fromLatin1(estado)});
    }

private:
    int comprobantes_ = 0;
};

TEST_F(RetenidoDeclaracionTest, ElMotorSumaLoMismoQueLasFilasUnaPorUna)
{
    const struct Caso {
        const char* nombre;
        std::vector<std::pair<Monto, const char*>> recibos;  // amount, state
        bool hayMovimientos;
        const char* retenido;  // as the slip carries it, to the ten-thousandth
    } casos[] = {
        {"sin recibos", {}, false, "0.0000"},
        {"solo anulados", {{"99.00", "4"}, {"1.00", "4"}}, true, "0.0000"},
        {"validos con diezmilesimos, anulados y notas de credito",
         {{"1234.56", "5"}, {"0.0049", "5"}, {"99.00", "4"}, {"-50.25", "5"}, {"-7.00", "4"},
          {"10.0001", "5"}},
         true, "1194.3150"},
        {"importes sin guardar: nulo y texto en blanco",
         {{"20.00", "5"}, {prueba::kNulo, "5"}, {QVariant(QStringLiteral("")), "5"},
          {QVariant(QStringLiteral("   ")), "5"}},
         true, "20.0000"},
    };
    int mes = 0;
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        const QString delMes = QString::number(++mes).rightJustified(2, u'0');
        const qint64 id = cabecera({.mes = delMes});
        // Another declaration's receipts never count.
        const qint64 otra = cabecera({.sucursal = QStringLiteral("0002"), .mes = delMes});
        recibo(otra, "5000.00");
        for (const auto& [importe, estado] : c.recibos) recibo(id, importe, estado);

        const RetenidoDeclaracion motor = retenidoDeclaracion(base, id);
        const RetenidoDeclaracion filas = filaPorFila(id);
        EXPECT_EQ(motor.hayMovimientos, c.hayMovimientos);
        EXPECT_EQ(motor.retenido.conPunto(4), QLatin1String(c.retenido));
        EXPECT_EQ(motor.hayMovimientos, filas.hayMovimientos);
        EXPECT_EQ(motor.retenido, filas.retenido);
    }
}

TEST_F(RetenidoDeclaracionTest, UnImporteQueOtroProgramaDejoFueraDeLaEscalaSeLeeComoSuFila)
{
    // A fraction of a ten-thousandth and a text that is no number, written into the column by
    // another tool: each counts as the receipt's own row reads it.
    const qint64 id = cabecera();
    recibo(id, "100.00");
    recibo(id, QVariant(12.6));
    recibo(id, QVariant(-3.4));
    recibo(id, QVariant(QStringLiteral("abc")));
    recibo(id, QVariant(7.5), "4");
    ASSERT_EQ(base.valor(QStringLiteral("SELECT COUNT(*) FROM Retenciones WHERE IdCabecera = ? "
                                        "AND typeof(Importe_Ret) IN ('real', 'text')"),
                         {id})
                  .toInt(),
              4);

    const RetenidoDeclaracion motor = retenidoDeclaracion(base, id);
    EXPECT_TRUE(motor.hayMovimientos);
    EXPECT_EQ(motor.retenido, filaPorFila(id).retenido);
}

TEST_F(RetenidoDeclaracionTest, UnaSumaQueNoCabeEsDesbordamiento)
{
    const qint64 id = cabecera();
    recibo(id, "500000000000000.00");
    recibo(id, "500000000000000.00");
    try {
        retenidoDeclaracion(base, id);
        FAIL() << "sumó lo que no cabe";
    } catch (const ErrorMotor& error) {
        EXPECT_EQ(error.numero(), errores::Desbordamiento);
        EXPECT_EQ(error.descripcion(), QLatin1String("Desbordamiento"));
    }
}

} // namespace
