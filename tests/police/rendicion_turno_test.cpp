// The rendition of a shift: the rows it leaves in Tmp_Informe_Turno for each kind of shift, and
// the report read back from its PDF.

#include "police/rendicion_turno.h"

#include "support/datos_policiales.h"
#include "support/impresora_guionada.h"
#include "support/pdf_prueba.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// A row of Tmp_Informe_Turno as "kind receipt officer fine stamp type | initial new sold final".
QStringList filas(DatosPoliciales& f)
{
    QStringList r;
    for (const QSqlRecord& x : f.base.filas(
             u"SELECT Tipo_Registro, Nro_Comprobante, CodPolicia, Importe_Multa, "
             u"Importe_Estampilla, Tipo, Cantidad_Inicial, Nuevas_x_Remesas, Cantidad_Vendidas, "
             u"Cantidad_Final, IdCabecera, Fecha_Desde, Hora_Desde FROM Tmp_Informe_Turno "
             u"ORDER BY rowid"_s)) {
        EXPECT_EQ(x.value(10).toLongLong(), f.idCabecera);
        EXPECT_EQ(x.value(11).toString(), u"2008-05-10"_s);
        EXPECT_EQ(x.value(12).toString(), u"09:00:00"_s);
        r << u"%1 %2 %3 %4 %5 %6 | %7 %8 %9 %10"_s.arg(x.value(0).toString(), x.value(1).toString(),
                                                        x.value(2).toString())
                 .arg(Importe::desdeColumna(x.value(3)).centavos())
                 .arg(Importe::desdeColumna(x.value(4)).centavos())
                 .arg(x.value(5).toString(), x.value(6).toString(), x.value(7).toString(),
                      x.value(8).toString(), x.value(9).toString());
    }
    return r;
}

struct TurnoConMultas : DatosPoliciales {
    qint64 k = turno("2008-05-10", "09:00:00", {100, 50, 0, 0});

    TurnoConMultas()
    {
        // New to the open shift: only what came after its start, to the shift's own agent.
        remesa("A", 101, 200, "2008-05-10", "10:00:00");
        remesa("A", 201, 210, "2008-05-10", "09:00:00");
        remesa("C", 1, 30, "2008-05-10", "10:00:00", u"099999"_s);
        comprobante("00000001", k, {{"A0000001", 1}, {"A0000002", 1}, {"B0000001", 2}});
        comprobante("00000002", k, {{"A0000003", 1}}, "4", 0, lopez);
        sql("UPDATE Guias SET Total = ?", {tasa("20")});
    }
};

TEST(RendicionTurno, TurnoAbiertoConSusCuentasVivasYCadaObleaDeSusComprobantes)
{
    TurnoConMultas f;
    // With another declaration active, the shift still counts its own agent's remittances.
    f.activar(f.nuevaCabecera(u"13"_s, u"06"_s));
    llenarInformeTurno(f.base, *leerTurno(f.base, f.k));
    EXPECT_EQ(filas(f), (QStringList{
                            u"1 0 0 0 0 1 | 100 100 2 198"_s,
                            u"1 0 0 0 0 2 | 50 0 1 49"_s,
                            u"1 0 0 0 0 3 | 0 0 0 0"_s,
                            u"1 0 0 0 0 4 | 0 0 0 0"_s,
                            u"2 00000001 %1 30000 2000 1 | 0 0 0 0"_s.arg(f.garcia),
                            u"2 00000001 %1 30000 2000 1 | 0 0 0 0"_s.arg(f.garcia),
                            u"2 00000001 %1 30000 2000 2 | 0 0 0 0"_s.arg(f.garcia),
                            // Annulled: listed, though its stamp is not sold.
                            u"2 00000002 %1 30000 2000 1 | 0 0 0 0"_s.arg(f.lopez),
                        }));
}

TEST(RendicionTurno, TurnoTerminadoCopiaLoGuardadoYSinMultasDaLaFilaCero)
{
    DatosPoliciales f;
    const qint64 k =
        f.turno("2008-05-10", "09:00:00", {100, 50, 0, 0}, 0, "2008-05-10", {90, 40, 0, 0});
    f.sql("UPDATE Estampillas_Turnos SET Nuevas_x_Remesas = 5, Cantidad_Vendidas = 15 "
          "WHERE Tipo = 1");
    f.sql("DELETE FROM Estampillas_Turnos WHERE Tipo = 2");
    // A remittance after the finish changes nothing of a finished shift.
    f.remesa("A", 101, 200, "2008-05-11", "10:00:00");
    llenarInformeTurno(f.base, *leerTurno(f.base, k));
    EXPECT_EQ(filas(f), (QStringList{u"1 0 0 0 0 1 | 100 5 15 90"_s, u"1 0 0 0 0 2 | 0 0 0 0"_s,
                                     u"1 0 0 0 0 3 | 0 0 0 0"_s, u"1 0 0 0 0 4 | 0 0 0 0"_s,
                                     u"2 0 0 0 0 1 | 0 0 0 0"_s}));
}

TEST(RendicionTurno, ImpresaTrasLaPreguntaConElDetalleDeEstampillas)
{
    TurnoConMultas f;
    f.sql("DELETE FROM Policias WHERE CodPolicia = ?", {f.lopez});
    const QString archivo = f.carpeta.ruta(u"rendicion.pdf"_s);
    {
        // Declined: nothing printed, the rows stay.
        ImpresoraGuionada impresora;
        f.dialogs.respuestas = {Respuesta::No};
        imprimirRendicionTurno(f.contexto, *leerTurno(f.base, f.k), impresora);
        EXPECT_TRUE(impresora.trabajos.empty());
        EXPECT_EQ(f.contar(u"SELECT COUNT(*) FROM Tmp_Informe_Turno"_s), 8);
    }
    ImpresoraGuionada impresora(f.base, archivo);
    f.dialogs.respuestas = {Respuesta::Si};
    imprimirRendicionTurno(f.contexto, *leerTurno(f.base, f.k), impresora);
    ASSERT_EQ(impresora.trabajos.size(), 1U);
    EXPECT_EQ(impresora.trabajos[0].reporte, u"Inf_Turno.rpt"_s);
    EXPECT_EQ(impresora.trabajos[0].destino, Destino::Pantalla);
    EXPECT_EQ(f.dialogs.mensajes.back().titulo, u"¿Confirmar Impresión?"_s);

    const QString texto = pdf::texto(archivo);
    for (const QString& e :
         {u"RENDICIÓN DETALLADA DEL TURNO"_s, u"BORRADOR"_s, u"10/05/2008 09:00"_s,
          u"(turno abierto)"_s, u"DETALLE DE ESTAMPILLAS"_s, u"00000001"_s, u"GARCIA JUAN"_s,
          u"(no registrado)"_s, u"ANULADO"_s, u"$ 300,00"_s, u"$ 60,00"_s})
        EXPECT_TRUE(texto.contains(e)) << e.toStdString() << "\n" << texto.toStdString();
    // Stamp A: 100 at the start, 100 new, 2 sold, 198 left.
    EXPECT_TRUE(texto.contains(QRegularExpression(u"A\\s+\\S.*\\s100\\s+100\\s+2\\s+198"_s)))
        << texto.toStdString();
    EXPECT_FALSE(QImage(pdf::imagenPagina(archivo, 1)).isNull());
}

} // namespace
