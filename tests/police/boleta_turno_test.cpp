// The deposit slip of a police shift as the shifts window prints it: no question, the shift's
// fees and fines with interest up to the day of printing, the slip a bank reads (text and barcode
// decoded by zbarimg), the refusals, and never a barcode that is not this slip's.

#include "police/boleta_turno.h"

#include "support/datos_policiales.h"
#include "support/impresora_guionada.h"
#include "support/pdf_prueba.h"

#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QString conPunto(const QVariant& columna)
{
    return Importe::desdeColumna(columna).conPunto();
}

// A finished shift of the May 2008 declaration; its slip printed on 17/05/2008, two days after
// the due date, at 3 % a month.
struct BoletaTurno : DatosPoliciales {
    qint64 k = turno("2008-05-10", "09:00:00", {100, 50, 0, 0}, 0, "2008-05-10");
    QString archivo = carpeta.ruta(u"boleta.pdf"_s);

    BoletaTurno()
    {
        sql("INSERT INTO Vencimientos (Anio, Mes, Fecha) VALUES (2008, 5, '2008-05-15')");
        sql("DELETE FROM Tasas");
        sql("INSERT INTO Tasas (FechaVig, Tasa) VALUES ('2008-01-01', ?)", {tasa("3.00")});
        sql("INSERT INTO Impresos (Para, Texto) VALUES ('00000001', 'comprobante anterior')");
    }
    void totales(const char* estampillas, const char* multas)
    {
        sql("UPDATE Turnos SET Total_Estampillas = ?, Total_Multas = ? WHERE Cod_Turno = ?",
            {tasa(estampillas), tasa(multas), k});
    }
    ImpresoraGuionada imprimir()
    {
        dialogs.mensajes.clear();
        ImpresoraGuionada impresora(base, archivo);
        imprimirBoletaTurno(contexto, *leerTurno(base, k), impresora);
        return impresora;
    }
    std::vector<QSqlRecord> impresos()
    {
        return base.filas(u"SELECT * FROM Impresos ORDER BY rowid"_s);
    }
    QStringList codigosDelPdf() { return pdf::codigosLeidos(pdf::imagenPagina(archivo, 1)); }
};

TEST(BoletaTurno, TresCopiasConInteresesHastaHoyYElBancoLeeElCodigo)
{
    BoletaTurno f;
    f.totales("120", "360");
    // Another declaration active: the slip is still the shift's own, and that one stays active.
    const qint64 otra = f.nuevaCabecera(u"13"_s, u"06"_s);
    f.activar(otra);
    const ImpresoraGuionada impresora = f.imprimir();

    EXPECT_TRUE(f.dialogs.mensajes.empty());  // printed without a question
    ASSERT_EQ(impresora.trabajos.size(), 1U);
    EXPECT_EQ(impresora.trabajos[0].reporte, u"Bolpago_parcial.rpt"_s);
    EXPECT_EQ(impresora.trabajos[0].destino, Destino::Pantalla);
    EXPECT_EQ(f.entorno.idCabecera(), otra);

    const auto filas = f.impresos();
    ASSERT_EQ(filas.size(), 3U);
    const QStringList copias{u"AGENTE"_s, u"BANCO"_s, u"ORVALEN"_s};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const QSqlRecord& r = filas[std::size_t(i)];
        EXPECT_EQ(r.value(u"Para"_s).toString(), copias[i]);
        EXPECT_EQ(r.value(u"IdCabecera"_s).toLongLong(), f.idCabecera);
        EXPECT_EQ(conPunto(r.value(u"Importe"_s)), u"480.00"_s);
        EXPECT_EQ(conPunto(r.value(u"Importe1"_s)), u"0.00"_s);
        // Two days at a thirtieth of 3 % a month.
        EXPECT_EQ(conPunto(r.value(u"Interes"_s)), u"0.96"_s);
        EXPECT_EQ(r.value(u"Texto"_s).toString(),
                  QString(15, u' ') + u" CUATROCIENTOS OCHENTA CON 96/100"_s);
        EXPECT_EQ(r.value(u"FechaV"_s).toString(), u"2008-05-15"_s);
        EXPECT_EQ(r.value(u"FechaP"_s).toString(), u"2008-05-17"_s);
        EXPECT_EQ(r.value(u"CodBar"_s).toByteArray().isEmpty(), i < 2);
    }
    EXPECT_EQ(f.valor("SELECT COUNT(*) FROM Tmp_Informe_Turno").toInt(), 1);
    EXPECT_EQ(f.valor("SELECT Tipo_Registro || ' ' || IdCabecera || ' ' || Fecha_Desde || ' ' || "
                      "Hora_Desde || ' ' || Nro_Comprobante || ' ' || Tipo FROM Tmp_Informe_Turno")
                  .toString(),
              u"1 %1 2008-05-10 09:00:00 0 0"_s.arg(f.idCabecera));

    const QString banco = u"CODE-128:012345011308050004800000000000000009600*"_s;
    EXPECT_EQ(f.codigosDelPdf(), QStringList{banco});
    const QString texto = pdf::texto(f.archivo);
    for (const QString& e : {u"BOLETA DE DEPÓSITO DEL TURNO"_s, u"10/05/2008 09:00"_s,
                             u"120,00"_s, u"360,00"_s, u"480,00"_s, u"0,96"_s, u"$ 480,96"_s,
                             u"CUATROCIENTOS OCHENTA CON 96/100"_s, u"15/05/2008"_s,
                             u"17/05/2008"_s, u"AGENTE"_s, u"BANCO"_s, u"ORVALEN"_s})
        EXPECT_TRUE(texto.contains(e)) << e.toStdString() << "\n" << texto.toStdString();
}

// The shift's slip holds the daily rate as currency: 2,50 % a month is 0,0833 a day, so two days
// on 98.765,43 are 164,54 (the declaration's slip, with its single-precision rate, says 164,61).
TEST(BoletaTurno, InteresConLaTasaDiariaEnMoneda)
{
    BoletaTurno f;
    f.totales("98765.43", "0");
    f.sql("UPDATE Tasas SET Tasa = ?", {tasa("2.50")});
    f.imprimir();
    const auto filas = f.impresos();
    ASSERT_EQ(filas.size(), 3U);
    EXPECT_EQ(conPunto(filas[0].value(u"Interes"_s)), u"164.54"_s);
    EXPECT_EQ(filas[0].value(u"Texto"_s).toString(),
              QString(15, u' ') + u" NOVENTA Y OCHO MIL NOVECIENTOS VEINTINUEVE CON 97/100"_s);
}

TEST(BoletaTurno, SinCobrosSinMovimientosYSinBuscarTasa)
{
    BoletaTurno f;
    f.sql("DELETE FROM Tasas");
    f.imprimir();
    EXPECT_TRUE(f.dialogs.mensajes.empty());
    const auto filas = f.impresos();
    ASSERT_EQ(filas.size(), 3U);
    EXPECT_EQ(filas[0].value(u"Texto"_s).toString(), u"Sin Movimientos CERO CON 00/100"_s);
    EXPECT_EQ(conPunto(filas[0].value(u"Interes"_s)), u"0.00"_s);
    EXPECT_EQ(f.codigosDelPdf(),
              QStringList{u"CODE-128:012345011308050000000000000000000000000*"_s});
}

TEST(BoletaTurno, SinVencimientoOSinTasaNoSeImprime)
{
    struct Caso {
        const char* nombre;
        const char* preparar;
        QString texto;
    };
    const Caso casos[] = {
        {"sin vencimiento", "DELETE FROM Vencimientos",
         u"No se encuentra cargada la fecha de vencimiento para el pago de la declaración jurada "
         u"correspondiente al mes 05 del año 2008"_s},
        {"sin tasa al vencimiento", "UPDATE Tasas SET FechaVig = '2008-05-16'",
         u"No se encuentra cargada la tasa de interés correspondiente"_s},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        BoletaTurno f;
        f.totales("120", "360");
        f.sql(c.preparar);
        const ImpresoraGuionada impresora = f.imprimir();
        EXPECT_TRUE(impresora.trabajos.empty());
        ASSERT_EQ(f.dialogs.mensajes.size(), 1U);
        EXPECT_EQ(f.dialogs.mensajes[0].texto, c.texto);
        EXPECT_EQ(f.dialogs.mensajes[0].titulo, u"Imposible emitir boleta de pago..."_s);
        EXPECT_EQ(f.dialogs.mensajes[0].icono, Icono::Exclamacion);
        // The last document's rows are untouched; the shift's row is written.
        EXPECT_EQ(f.valor("SELECT Texto FROM Impresos").toString(), u"comprobante anterior"_s);
        EXPECT_EQ(f.valor("SELECT COUNT(*) FROM Tmp_Informe_Turno").toInt(), 1);
    }
}

// An amount the barcode cannot hold is never cut to its last digits, and the picture of an
// earlier slip is not reused: the slip prints without a barcode.
TEST(BoletaTurno, ImporteQueNoCabeEnElCodigoSeImprimeSinCodigo)
{
    BoletaTurno f;
    f.totales("1500000", "0");
    QFile viejo(f.carpeta.ruta(u"codbar.bmp"_s));
    ASSERT_TRUE(viejo.open(QIODevice::WriteOnly));
    viejo.write("imagen de otra boleta");
    viejo.close();

    const ImpresoraGuionada impresora = f.imprimir();
    ASSERT_EQ(impresora.trabajos.size(), 1U);
    ASSERT_EQ(f.dialogs.mensajes.size(), 1U);
    EXPECT_TRUE(f.dialogs.mensajes[0].texto.contains(u"sin el código de barras"_s));
    EXPECT_FALSE(QFile::exists(f.carpeta.ruta(u"codbar.bmp"_s)));
    const auto filas = f.impresos();
    ASSERT_EQ(filas.size(), 3U);
    EXPECT_TRUE(filas[2].value(u"CodBar"_s).toByteArray().isEmpty());
    EXPECT_EQ(conPunto(filas[0].value(u"Importe"_s)), u"1500000.00"_s);
    EXPECT_TRUE(f.codigosDelPdf().isEmpty());
    EXPECT_TRUE(pdf::texto(f.archivo).contains(u"UN MILLON QUINIENTOS TRES MIL CON 00/100"_s));
}

} // namespace
