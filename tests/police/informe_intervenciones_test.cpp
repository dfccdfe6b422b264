// "Interv. Realizadas": the officers' rows of Tmp_Intervenciones, the closing it brings, the
// reprint of a closed declaration that leaves it as it was, the refusals, and the report read back.

#include "police/informe_intervenciones.h"

#include "support/datos_policiales.h"
#include "support/impresora_guionada.h"
#include "support/pdf_prueba.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kSinIntervenciones = u"No existen Intervenciones a Imprimir para la DD.JJ. Seleccionada"_s;

struct Intervenciones : DatosPoliciales {
    QString pdf = carpeta.ruta(u"intervenciones.pdf"_s);

    void intervencion(const char* porte, qint64 policia, int grano = 1)
    {
        sql("INSERT INTO Intervenciones (IdCabecera, Nro_Carta_Porte, Grano, Nro_Oblea, "
            "CodPolicia, Fecha, Cuit_Remitente, Procedencia, Movimiento) "
            "VALUES (?, ?, ?, 'A0000001', ?, '2008-05-12', '20123456786', 'PERGAMINO', 0)",
            {idCabecera, QString::fromLatin1(porte), grano, policia});
    }
    bool imprimir(std::deque<Respuesta> respuestas, ImpresoraGuionada& impresora)
    {
        dialogs.mensajes.clear();
        dialogs.respuestas = std::move(respuestas);
        return imprimirIntervenciones(contexto, idCabecera, impresora);
    }
    // "Legajo Nombre Cuenta Intervenciones Total" of each row.
    QStringList filas()
    {
        QStringList r;
        for (const QSqlRecord& f : base.filas(
                 u"SELECT Anio || Mes || ' ' || Nro_Agente || ' ' || Razon_Social || ' | ' || "
                 u"Legajo || ' ' || Nombre || ' ' || Nro_Cuenta_Banco || ' ' || Intervenciones || "
                 u"' ' || Total FROM Tmp_Intervenciones ORDER BY Legajo"_s))
            r << f.value(0).toString();
        return r;
    }
    QString estado() { return valor("SELECT Estado || MarcaObs FROM Cabeceras WHERE IdCabecera = ?", {idCabecera}).toString(); }
};

TEST(InformeIntervenciones, UnaFilaPorPoliciaYCierraLaDeclaracion)
{
    Intervenciones f;
    // Recorded alternately; two officers since deleted (neither has a file number any more),
    // one without an account.
    const qint64 sinCuenta =
        prueba::policia(f.base, {.nombre = u"RUIZ PEDRO"_s, .legajo = 1600});
    const qint64 borrado = prueba::policia(f.base, {.nombre = u"DIAZ LUIS"_s, .legajo = 1700});
    const qint64 otroBorrado = prueba::policia(f.base, {.nombre = u"SOSA ELSA"_s, .legajo = 1800});
    f.intervencion("0001-00000001", f.garcia);
    f.intervencion("0001-00000002", f.lopez);
    f.intervencion("0001-00000003", f.garcia);
    f.intervencion("0001-00000003", f.garcia, 2);
    f.intervencion("0001-00000004", sinCuenta);
    f.intervencion("0001-00000005", borrado);
    f.intervencion("0001-00000006", otroBorrado);
    f.intervencion("0001-00000007", borrado);
    f.sql("DELETE FROM Policias WHERE CodPolicia IN (?, ?)", {borrado, otroBorrado});

    ImpresoraGuionada impresora(f.base, f.pdf);
    EXPECT_TRUE(f.imprimir({Respuesta::Si, Respuesta::Si}, impresora));
    const QString agente = u"200805 012345 AGENTE DE PRUEBA | "_s;
    const auto sinRegistro = [&](qint64 cod, const char* cuentas) {
        return agente + u"-%1 Nº %1 (no registrado)   "_s.arg(cod) + QString::fromLatin1(cuentas);
    };
    EXPECT_EQ(f.filas(), (QStringList{sinRegistro(otroBorrado, "1 2"), sinRegistro(borrado, "2 4"),
                                      agente + u"1501 GARCIA JUAN CA 123/4 3 6"_s,
                                      agente + u"1502 LOPEZ ANA CA 567/8 1 2"_s,
                                      agente + u"1600 RUIZ PEDRO   1 2"_s}));
    ASSERT_EQ(f.dialogs.mensajes.size(), 2U);
    EXPECT_EQ(f.dialogs.mensajes[0].titulo, u"¡Atención!"_s);
    EXPECT_EQ(f.dialogs.mensajes[1].titulo, u"¿Confirmar Impresión?"_s);
    EXPECT_EQ(f.estado(), u"3N"_s);
    EXPECT_FALSE(f.entorno.cabeceraActual());
    ASSERT_EQ(impresora.trabajos.size(), 1U);
    EXPECT_EQ(impresora.trabajos[0].reporte, u"Intervenciones.rpt"_s);

    const QString texto = pdf::texto(f.pdf);
    for (const QString& e : {u"INTERVENCIONES REALIZADAS"_s, u"AGENTE DE PRUEBA"_s, u"01234-5"_s,
                             u"Mayo de 2008"_s, u"GARCIA JUAN"_s, u"CA 123/4"_s, u"$ 6,00"_s,
                             u"$ 16,00"_s})
        EXPECT_TRUE(texto.contains(e)) << e.toStdString() << "\n" << texto.toStdString();
    EXPECT_TRUE(texto.contains(QRegularExpression(u"Total\\s+8\\s+\\$ 16,00"_s))) << texto.toStdString();
    // The deleted officers after those who exist, by their number and with no file number.
    EXPECT_TRUE(texto.contains(QRegularExpression(
        u"1600\\s+RUIZ PEDRO\\s+1\\s+\\$ 2,00\\n\\s+Nº %1 \\(no registrado\\)\\s+2\\s+\\$ 4,00\\n"
        u"\\s+Nº %2 \\(no registrado\\)\\s+1\\s+\\$ 2,00\\n"_s.arg(borrado).arg(otroBorrado))))
        << texto.toStdString();
}

TEST(InformeIntervenciones, CerradaSeReimprimeSinTocarlaYNoCerrarNoImprime)
{
    Intervenciones f;
    f.intervencion("0001-00000001", f.garcia);
    ImpresoraGuionada impresora;

    // The closing declined: the rows are ready, the declaration open, nothing printed.
    EXPECT_FALSE(f.imprimir({Respuesta::No}, impresora));
    EXPECT_EQ(f.estado(), u"1N"_s);
    EXPECT_EQ(f.filas().size(), 1);
    EXPECT_TRUE(impresora.trabajos.empty());

    // Closed with an observation: a reprint asks nothing of the closing and keeps its mark.
    f.sql("UPDATE Cabeceras SET Estado = '3', MarcaObs = 'S'");
    EXPECT_FALSE(f.imprimir({Respuesta::No}, impresora));
    ASSERT_EQ(f.dialogs.mensajes.size(), 1U);
    EXPECT_EQ(f.dialogs.mensajes[0].titulo, u"¿Confirmar Impresión?"_s);
    EXPECT_EQ(f.estado(), u"3S"_s);
    EXPECT_TRUE(impresora.trabajos.empty());
    EXPECT_FALSE(f.imprimir({Respuesta::Si}, impresora));
    EXPECT_EQ(f.estado(), u"3S"_s);
    EXPECT_EQ(impresora.trabajos.size(), 1U);
}

TEST(InformeIntervenciones, Rehusos)
{
    struct Caso {
        const char* nombre;
        std::function<void(Intervenciones&)> preparar;
        QString texto;
        int filasQueQuedan;  // of Tmp_Intervenciones: emptied only once the report is prepared
    };
    const Caso casos[] = {
        {"sin intervenciones", [](Intervenciones&) {}, kSinIntervenciones, 0},
        {"sin valor de la intervención",
         [](Intervenciones& f) {
             f.intervencion("0001-00000001", f.garcia);
             f.sql("UPDATE Parametros SET VigenciaD = '2008-06-01'");
         },
         u"No se encuentra cargado el valor de la intervención policial vigente para el mes 05 "
         u"del año 2008"_s,
         1},
        {"dos policías con un legajo",
         [](Intervenciones& f) {
             f.intervencion("0001-00000001", f.garcia);
             f.intervencion("0001-00000002", f.lopez);
             f.sql("UPDATE Policias SET Legajo = 1501");
         },
         u"Los agentes de policía Nº %1 (GARCIA JUAN) y Nº %2 (LOPEZ ANA) tienen el mismo legajo "
         u"(1501): el informe no puede distinguirlos.\nCorrija el legajo desde Agentes de Policía "
         u"Caminera."_s,
         1},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        Intervenciones f;
        f.sql("INSERT INTO Tmp_Intervenciones (Anio, Mes, Legajo, Nro_Agente, Razon_Social, "
              "Nombre, Nro_Cuenta_Banco, Intervenciones, Total) "
              "VALUES ('2008', '04', 1, '012345', 'X', 'X', 'X', 1, 2)");
        c.preparar(f);
        ImpresoraGuionada impresora;
        EXPECT_FALSE(f.imprimir({Respuesta::Si, Respuesta::Si}, impresora));
        ASSERT_EQ(f.dialogs.mensajes.size(), 1U);
        EXPECT_EQ(f.dialogs.mensajes[0].texto,
                  c.texto.arg(f.garcia).arg(f.lopez));
        EXPECT_EQ(f.estado(), u"1N"_s);
        EXPECT_TRUE(f.entorno.cabeceraActual());
        EXPECT_TRUE(impresora.trabajos.empty());
        EXPECT_EQ(f.filas().size(), c.filasQueQuedan);
    }
}

} // namespace
