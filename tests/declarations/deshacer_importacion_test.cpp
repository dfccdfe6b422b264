// Undoing an imported declaration: everything the import wrote for it goes, in one transaction,
// and nothing a user typed is ever lost with it.

#include "declarations/deshacer_importacion.h"
#include "support/base_declaraciones.h"

namespace {

using namespace prueba_declaraciones;

class DeshacerTest : public BaseDeclaraciones {
protected:
    DeshacerTest() { activarEntorno(); }

    qint64 importada(const QString& regimen)
    {
        const qint64 id = cabecera({.regimen = regimen, .origen = QStringLiteral("I")});
        for (const char* nro : {"00000001", "00000002"}) {
            retencion(id, {.comprobante = QString::fromLatin1(nro), .marca = QStringLiteral("I")});
            anticipo(id, QString::fromLatin1(nro), QStringLiteral("000456"), QStringLiteral("1"), "10.00");
            otrasRetenciones(id, QString::fromLatin1(nro), "5.00");
        }
        return id;
    }

    std::array<qint64, 4> filas(qint64 id)
    {
        return {contar("Retenciones", id), contar("Guias", id), contar("Retenciones_B", id),
                contar("Cabeceras", id)};
    }
};

TEST_F(DeshacerTest, borraLoQueLaImportacionEscribioSegunElRegimen)
{
    using F = std::array<qint64, 4>;
    // Detail rows go in "09", "10", "11", "12", "14", "15", "16"; other withholdings in "11", "12"
    // and "16".
    const std::pair<const char*, F> casos[] = {
        {"11", F{0, 0, 0, 0}}, {"12", F{0, 0, 0, 0}}, {"16", F{0, 0, 0, 0}}, {"09", F{0, 0, 2, 0}},
        {"01", F{0, 2, 2, 0}},
    };
    for (const auto& [regimen, quedan] : casos) {
        SCOPED_TRACE(regimen);
        base.ejecutar(QStringLiteral("DELETE FROM Cabeceras"));
        const qint64 id = importada(QString::fromLatin1(regimen));
        // Another branch's declaration uses the same receipt numbers: its rows stay.
        const qint64 otra = cabecera({.sucursal = QStringLiteral("0002"),
                                      .regimen = QString::fromLatin1(regimen),
                                      .origen = QStringLiteral("I")});
        anticipo(otra, QStringLiteral("00000001"), QStringLiteral("000456"), QStringLiteral("9"), "1.00");
        otrasRetenciones(otra, QStringLiteral("00000001"), "1.00");

        dialogs.respuestas = {Respuesta::Si};
        EXPECT_TRUE(deshacerImportacion(contexto, id));
        EXPECT_EQ(filas(id), quedan);
        EXPECT_EQ(filas(otra), (F{0, 1, 1, 1}));
        EXPECT_EQ(dialogs.mensajes.back().texto,
                  QString::fromUtf8("¿Deshacer la importación de la Declaración seleccionada?"));
    }
}

TEST_F(DeshacerTest, unaDeclaracionSinRetencionesSeBorraSola)
{
    const qint64 id = cabecera({.origen = QStringLiteral("I")});
    dialogs.respuestas = {Respuesta::Si};
    EXPECT_TRUE(deshacerImportacion(contexto, id));
    EXPECT_EQ(contar("Cabeceras", id), 0);
}

TEST_F(DeshacerTest, unaFilaCorregidaOCargadaAManoLoImpide)
{
    const std::pair<const char*, QVariant> marcas[] = {
        {"corregida", QStringLiteral("C")}, {"cargada a mano", QString()}, {"sin marca", QVariant()}};
    for (const auto& [caso, marca] : marcas) {
        SCOPED_TRACE(caso);
        const qint64 id = importada(QStringLiteral("11"));
        retencion(id, {.comprobante = QStringLiteral("00000003")});
        base.ejecutar(QStringLiteral("UPDATE Retenciones SET MarcaImp = ? WHERE Nro_Comprobante = '00000003'"),
                      {marca});
        dialogs.mensajes.clear();
        EXPECT_FALSE(deshacerImportacion(contexto, id));
        ASSERT_EQ(dialogs.mensajes.size(), 1u);
        EXPECT_EQ(dialogs.mensajes[0].texto,
                  QString::fromUtf8("Esta Declaración Jurada ha sido modificada luego de su importación."));
        EXPECT_EQ(dialogs.mensajes[0].titulo, QStringLiteral("Imposible Deshacer"));
        EXPECT_EQ(filas(id), (std::array<qint64, 4>{3, 2, 2, 1}));
        base.ejecutar(QStringLiteral("DELETE FROM Cabeceras"));
    }
}

TEST_F(DeshacerTest, aLaPreguntaNoNadaCambia)
{
    const qint64 id = importada(QStringLiteral("12"));
    dialogs.respuestas = {Respuesta::No};
    EXPECT_FALSE(deshacerImportacion(contexto, id));
    EXPECT_EQ(filas(id), (std::array<qint64, 4>{2, 2, 2, 1}));
}

TEST_F(DeshacerTest, unaFallaNoDejaLaDeclaracionAMedias)
{
    const qint64 id = importada(QStringLiteral("11"));
    entorno.activarCabecera(id);
    sql("CREATE TRIGGER bloqueo BEFORE DELETE ON Cabeceras BEGIN SELECT RAISE(ABORT, 'bloqueada'); END");
    dialogs.respuestas = {Respuesta::Si};
    EXPECT_FALSE(deshacerImportacion(contexto, id));
    EXPECT_EQ(filas(id), (std::array<qint64, 4>{2, 2, 2, 1}));
    EXPECT_TRUE(dialogs.mensajes.back().titulo.startsWith(QLatin1String("Error ")));
    EXPECT_EQ(dialogs.mensajes.back().icono, Icono::Critico);
    EXPECT_EQ(entorno.idCabecera(), id);
}

TEST_F(DeshacerTest, deshacerLaActivaLaDejaSinActivarYOtraActivaQueda)
{
    const qint64 activa = importada(QStringLiteral("11"));
    const qint64 otra = cabecera({.agente = QStringLiteral("000999"), .mes = QStringLiteral("09"),
                                  .origen = QStringLiteral("I")});
    entorno.activarCabecera(activa);

    dialogs.respuestas = {Respuesta::Si};
    EXPECT_TRUE(deshacerImportacion(contexto, otra));
    EXPECT_EQ(entorno.idCabecera(), activa);

    dialogs.respuestas = {Respuesta::Si};
    EXPECT_TRUE(deshacerImportacion(contexto, activa));
    EXPECT_FALSE(entorno.cabeceraActual());
    EXPECT_EQ(paneles(), (QStringList{"Anio: (ninguno)", "Mes: (ninguno)", "R: 00"}));
}

} // namespace
