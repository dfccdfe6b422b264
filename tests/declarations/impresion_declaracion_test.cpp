// The printed declaration after the file: the subtotals by rate and the coded row it is printed
// from, the confirmation, the report of the regime, and the document read back from its PDF.

#include "declarations/impresion_declaracion.h"

#include "common/obleas.h"
#include "declarations/emision_declaracion.h"
#include "support/base_declaraciones.h"
#include "support/impresora_guionada.h"
#include "support/pdf_prueba.h"

#include <QDir>
#include <QRegularExpression>

namespace {

using namespace prueba_declaraciones;

const QString kBlancos15 = QString(15, QLatin1Char(' '));

struct Subtotal {
    QString alicuota;
    QString totxAlic;
    QString otrosPagos;
    QString otroValor;
    bool operator==(const Subtotal&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Subtotal& s)
{
    return os << s.alicuota.toStdString() << " " << s.totxAlic.toStdString() << " "
              << s.otrosPagos.toStdString() << " " << s.otroValor.toStdString();
}

// A receipt by its number, amounts and state.
DatosRetencion recibo(const char* comprobante, const char* bruto, const char* alicuota,
                      const char* retenido, const char* estado = "5")
{
    return {.comprobante = QString::fromLatin1(comprobante), .bruto = bruto,
            .alicuota = alicuota, .retenido = retenido, .estado = QString::fromLatin1(estado)};
}

QString conPunto(const QVariant& columna)
{
    return Importe::desdeColumna(columna).conPunto();
}

class ImpresionDeclaracionTest : public BaseDeclaraciones {
protected:
    ImpresionDeclaracionTest()
    {
        vencimiento(2004, 5, QStringLiteral("2004-06-15"));
        destino = carpeta.ruta(QStringLiteral("destino"));
        QDir().mkpath(destino);
        // What the last printed document left behind.
        sql("INSERT INTO Subtotales (IdCabecera, Alicuota, TotxAlic) VALUES (999, 10000, 10000)");
        sql("INSERT INTO Impresos (Para, Texto) VALUES ('AGENTE', 'boleta anterior')");
    }

    // The declaration of the regime, active with its agent and branch.
    qint64 declaracion(const QString& regimen, const QString& rectifica = QStringLiteral("00"))
    {
        activarEntorno(QStringLiteral("0001"), regimen);
        return cabecera({.regimen = regimen, .rectifica = rectifica});
    }

    // The user closes the declaration with `observacion`, and the printed declaration follows the
    // file, answered with `imprimir` at its confirmation.
    std::optional<DeclaracionEmitida> emitir(qint64 id, const QString& observacion,
                                             Impresora& impresora,
                                             Respuesta imprimir = Respuesta::Si)
    {
        dialogs.respuestas = {Respuesta::Si};
        dialogs.textos = {observacion};
        dialogs.rutas = {destino};
        PasosEmision pasos;
        pasos.imprimir = [&](const DeclaracionEmitida& e) {
            // From here on, every message is the print's own; the confirmation is the last.
            primerMensajeImpresion = dialogs.mensajes.size();
            dialogs.respuestas.clear();
            if (imprimir == Respuesta::No) dialogs.respuestas = {Respuesta::No};
            imprimirDeclaracion(contexto, e, impresora);
        };
        return emitirDeclaracion(contexto, id, pasos);
    }

    std::vector<Subtotal> subtotales()
    {
        std::vector<Subtotal> s;
        for (const QSqlRecord& f : base.filas(QStringLiteral(
                 "SELECT IdCabecera, Alicuota, TotxAlic, Otros_Pagos, Otro_valor FROM Subtotales "
                 "ORDER BY rowid"))) {
            EXPECT_EQ(f.value(0).toLongLong(), id);
            s.push_back({conPunto(f.value(1)), conPunto(f.value(2)), conPunto(f.value(3)),
                         conPunto(f.value(4))});
        }
        return s;
    }

    QSqlRecord impreso()
    {
        const auto filas = base.filas(QStringLiteral("SELECT * FROM Impresos"));
        EXPECT_EQ(filas.size(), 1u);
        return filas.empty() ? QSqlRecord() : filas.front();
    }
    QString texto() { return impreso().value(QStringLiteral("Texto")).toString(); }

    void remesa(const char* tipo, int desde, int hasta)
    {
        base.ejecutar(QStringLiteral("INSERT INTO Remesas (Nro_Remesa, TipoEstampilla, Nro_Agente, "
                                     "Nro_desde, Nro_Hasta) VALUES (1, ?, '000123', ?, ?)"),
                      {QString::fromLatin1(tipo), desde, hasta});
    }

    QString destino;
    qint64 id = 0;
    std::size_t primerMensajeImpresion = 0;
};

TEST_F(ImpresionDeclaracionTest, SubtotalesPorAlicuotaYFilaImpresa)
{
    const struct Caso {
        const char* nombre;
        const char* regimen;
        std::vector<DatosRetencion> retenciones;
        std::vector<std::pair<const char*, const char*>> otras;  // receipt, other withholding
        std::vector<Subtotal> esperados;
        const char* impuesto;
        const char* retenido;
        QString texto;
    } casos[] = {
        {"sin retenciones", "01", {}, {}, {}, "0.00", "0.00",
         QStringLiteral("0") + kBlancos15 + "000000000"},
        {"las anuladas no suman y su grupo sin base no se escribe", "01",
         {recibo("00000001", "200.00", "5", "10.00", "4"),
          recibo("00000002", "300.00", "5", "15.00", "4"),
          recibo("00000003", "1000.00", "3", "30.00"),
          recibo("00000004", "500.50", "3", "15.02")},
         {},
         {{"3.00", "1500.50", "0.00", "45.02"}}, "45.02", "45.02",
         QStringLiteral("1") + kBlancos15 + "000020002"},
        {"dos alicuotas, la mayor primero", "01",
         {recibo("00000001", "1000.00", "1", "10.00"),
          recibo("00000002", "2000.00", "2.5", "50.00"),
          recibo("00000003", "10.10", "2.5", "0.25")},
         {},
         {{"2.50", "2010.10", "0.00", "50.25"}, {"1.00", "1000.00", "0.00", "10.00"}}, "60.25",
         "60.25", QStringLiteral("1") + kBlancos15 + "000030000"},
        {"un grupo de bases que se anulan no se escribe", "06",
         {recibo("00000001", "400.00", "2", "8.00"),
          recibo("00000002", "-400.00", "2", "-8.00"),
          recibo("00000003", "100.00", "1", "1.00")},
         {},
         {{"1.00", "100.00", "0.00", "1.00"}}, "1.00", "1.00",
         QStringLiteral("1") + kBlancos15 + "000030000"},
        {"otros pagos de los comprobantes validos", "11",
         {recibo("00000001", "1000.00", "1", "10.00"),
          recibo("00000002", "1000.00", "1", "10.00", "4")},
         {{"00000001", "3.50"}, {"00000002", "99.00"}},
         {{"1.00", "1000.00", "3.50", "10.00"}}, "10.00", "10.00",
         QStringLiteral("1") + kBlancos15 + "000010001"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        id = declaracion(QString::fromLatin1(c.regimen));
        for (const DatosRetencion& r : c.retenciones) retencion(id, r);
        for (const auto& [comprobante, importe] : c.otras)
            otrasRetenciones(id, QString::fromLatin1(comprobante), importe);
        ImpresoraGuionada impresora;
        const auto emitida = emitir(id, {}, impresora);
        ASSERT_TRUE(emitida);

        EXPECT_EQ(subtotales(), c.esperados);
        const QSqlRecord fila = impreso();
        EXPECT_EQ(fila.value(QStringLiteral("Para")).toString(), emitida->archivo.codigoControl);
        EXPECT_EQ(fila.value(QStringLiteral("Para")).toString().size(), 8);
        EXPECT_EQ(fila.value(QStringLiteral("IdCabecera")).toLongLong(), id);
        EXPECT_EQ(conPunto(fila.value(QStringLiteral("Importe"))), QLatin1String(c.impuesto));
        EXPECT_EQ(conPunto(fila.value(QStringLiteral("Importe1"))), QLatin1String(c.retenido));
        EXPECT_EQ(fila.value(QStringLiteral("Texto")).toString(), c.texto);
        EXPECT_EQ(fila.value(QStringLiteral("FechaV")).toString(), QLatin1String("2004-06-15"));
        EXPECT_TRUE(fila.value(QStringLiteral("FechaP")).isNull());
        EXPECT_TRUE(fila.value(QStringLiteral("CodBar")).isNull());
        base.ejecutar(QStringLiteral("DELETE FROM Cabeceras WHERE IdCabecera = ?"), {id});
        base.ejecutar(QStringLiteral("DELETE FROM Retenciones WHERE IdCabecera = ?"), {id});
        base.ejecutar(QStringLiteral("DELETE FROM Retenciones_B WHERE IdCabecera = ?"), {id});
    }
}

TEST_F(ImpresionDeclaracionTest, TextoConRectificacionObservacionYSaldosDeObleas)
{
    const QString obs = QStringLiteral("FUERA TERM");  // ten characters
    const QString obsCien = obs + QString(90, QLatin1Char(' '));
    const QString blancos5 = QString(5, QLatin1Char(' '));
    const struct Caso {
        const char* nombre;
        const char* regimen;
        const char* rectifica;
        QString texto;
        QString reporte;
        int avisosObleas;  // stamp types the agent never received
    } casos[] = {
        {"observacion tal cual: 35 caracteres", "01", "00",
         QStringLiteral("1") + kBlancos15 + "000010000" + obs, "DJurada.rpt", 0},
        {"rectificativa", "05", "01",
         QStringLiteral("1(Rectificativa)000010000") + obs, "DJurada.rpt", 0},
        {"regimen 10: tipos 1 a 4, 40 obleas A", "10", "00",
         QStringLiteral("1") + kBlancos15 + "000010000" + obsCien + "00040000000000000000" + blancos5,
         "DJurada_b10.rpt", 3},
        {"regimen 12: saldo negativo", "12", "00",
         QStringLiteral("1") + kBlancos15 + "000010000" + obsCien + "00040-000020000000000" + blancos5,
         "DJurada_b12.rpt", 2},
        {"regimen 14: solo el tipo 26", "14", "00",
         QStringLiteral("1") + kBlancos15 + "000010000" + obsCien + QString(20, QLatin1Char(' '))
             + "00007",
         "DJurada_b10.rpt", 0},
    };
    remesa("A", 1001, 1040);
    remesa("Z", 1, 7);
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        id = declaracion(QString::fromLatin1(c.regimen), QString::fromLatin1(c.rectifica));
        retencion(id, {.comprobante = QStringLiteral("00000001")});
        if (QLatin1String(c.regimen) == QLatin1String("12")) {
            // Advances carrying two B stamps of this agent, when it received none.
            remesa("B", 5, 4);  // an empty remittance: the type is known, none delivered
            for (const char* oblea : {"B0000005", "B0000006"})
                base.ejecutar(QStringLiteral("INSERT INTO Guias (Nro_Comprobante, Nro_Agente, "
                                             "NroGuia, IdCabecera) VALUES ('00000001', '000123', ?, ?)"),
                              {QString::fromLatin1(oblea), id});
        }
        ImpresoraGuionada impresora;
        ASSERT_TRUE(emitir(id, obs, impresora));
        EXPECT_EQ(texto(), c.texto);
        EXPECT_EQ(texto().size(), c.texto.size());

        int avisos = 0;
        for (std::size_t i = primerMensajeImpresion; i < dialogs.mensajes.size(); ++i)
            if (dialogs.mensajes[i].texto.startsWith(QLatin1String("Error al calcular Obleas")))
                ++avisos;
        EXPECT_EQ(avisos, c.avisosObleas);
        ASSERT_EQ(impresora.trabajos.size(), 1u);
        EXPECT_EQ(impresora.trabajos[0].reporte, c.reporte);
        EXPECT_EQ(impresora.trabajos[0].copias, 2);
        EXPECT_EQ(impresora.trabajos[0].destino, Destino::Pantalla);
        sql("DELETE FROM Remesas WHERE TipoEstampilla = 'B'");
        sql("DELETE FROM Guias");
    }
}

TEST_F(ImpresionDeclaracionTest, SaldosDeOchoCifrasSeImprimenComoElStock)
{
    // A remittance of stamps 1 to 99,999,999 with one used leaves eight digits of type C; the
    // balances after it keep their places in the text and on paper.
    remesa("A", 1001, 1040);
    remesa("C", 1, 99999999);
    remesa("D", 7, 7);
    for (const char* regimen : {"10", "12"}) {
        SCOPED_TRACE(regimen);
        id = declaracion(QString::fromLatin1(regimen));
        retencion(id, {.comprobante = QStringLiteral("00000001")});
        for (const auto& [oblea, tipo] : {std::pair{"C0000005", 3}, std::pair{"D0000007", 4}})
            base.ejecutar(QStringLiteral("INSERT INTO Guias (Nro_Comprobante, Nro_Agente, NroGuia, "
                                         "Tipo, IdCabecera) VALUES ('00000001', '000123', ?, ?, ?)"),
                          {QString::fromLatin1(oblea), QLatin1String(regimen) == QLatin1String("10")
                                                           ? tipo : 0, id});
        const QString archivo = carpeta.ruta(QStringLiteral("saldos%1.pdf").arg(QLatin1String(regimen)));
        ImpresoraGuionada impresora(base, archivo);
        ASSERT_TRUE(emitir(id, QStringLiteral("OBS"), impresora));
        EXPECT_EQ(texto(), QStringLiteral("1") + kBlancos15 + "000010000"
                               + QStringLiteral("OBS").leftJustified(100, QLatin1Char(' '))
                               + "00040" + "00000" + "99999998" + "00000" + QString(5, QLatin1Char(' ')));

        // What "Consultar StocK" shows for each type.
        QStringList stock;
        for (const int tipo : {1, 2, 3, 4})
            stock << QString::number(obleasDisponibles(base, dialogs, tipo,
                                                        QString::fromLatin1(regimen),
                                                        QStringLiteral("000123"),
                                                        QStringLiteral("0001")));
        EXPECT_EQ(stock, (QStringList{QStringLiteral("40"), QStringLiteral("0"),
                                      QStringLiteral("99999998"), QStringLiteral("0")}));
        const QStringList paginas = pdf::paginas(archivo);
        ASSERT_EQ(paginas.size(), 2);
        for (const QString& pagina : paginas)
            EXPECT_TRUE(pagina.contains(QRegularExpression(
                QStringLiteral("Obleas tipo A\\s+Obleas tipo B\\s+Obleas tipo C\\s+Obleas tipo D\\s+"
                               "Obleas tipo Z\\s*\\n\\s*")
                + stock.join(QStringLiteral("\\s+")) + QStringLiteral("\\s+-\\s*\\n"))))
                << pagina.toStdString();
        sql("DELETE FROM Guias");
    }
}

TEST_F(ImpresionDeclaracionTest, DiezMilAnuladosOcupanCincoCifras)
{
    id = declaracion(QStringLiteral("01"));
    base.ejecutar(QStringLiteral(
                      "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
                      "INSERT INTO Retenciones (IdCabecera, Nro_Contrib, Dia, Importe_Bruto, "
                      "Alicuota, Importe_Ret, Nro_X, Cod_Concepto, Nro_Comprobante, Estado, MarcaImp) "
                      "SELECT ?, '0001234567', '05', 10000000, 25000, 250000, '0', '01', "
                      "printf('%08d', i), '4', '' FROM n"),
                  {10000, id});
    const QString archivo = carpeta.ruta(QStringLiteral("anulados.pdf"));
    ImpresoraGuionada impresora(base, archivo);
    const auto emitida = emitir(id, QStringLiteral("OBS"), impresora);
    ASSERT_TRUE(emitida);
    EXPECT_EQ(texto(), QStringLiteral("1") + kBlancos15 + "0000010000OBS");
    EXPECT_TRUE(subtotales().empty());
    // The report reads the counts at the widths the emission wrote them, as the emission counted.
    const QStringList paginas = pdf::paginas(archivo);
    ASSERT_FALSE(paginas.isEmpty());
    EXPECT_TRUE(paginas[0].contains(QRegularExpression(
        QStringLiteral("\\n\\s*0\\s+10000\\s+15/06/2004\\s+") + emitida->archivo.codigoControl)))
        << paginas[0].toStdString();
}

TEST_F(ImpresionDeclaracionTest, SinConfirmarNoSeImprimeYUnErrorSeInforma)
{
    id = declaracion(QStringLiteral("01"));
    retencion(id, {.comprobante = QStringLiteral("00000001")});
    ImpresoraGuionada noConfirmada;
    ASSERT_TRUE(emitir(id, {}, noConfirmada, Respuesta::No));
    EXPECT_TRUE(noConfirmada.trabajos.empty());
    // The tables stay as written, and the declaration closed.
    EXPECT_EQ(subtotales().size(), 1u);
    EXPECT_EQ(texto().left(1), QLatin1String("1"));
    EXPECT_EQ(campo(id, "Estado"), QLatin1String("3"));
    const Mensaje& pregunta = dialogs.mensajes.back();
    EXPECT_EQ(pregunta.titulo, QStringLiteral("¿Confirmar Impresión?"));
    EXPECT_EQ(pregunta.texto,
              QStringLiteral("ATENCION: verifique si la impresora está lista antes de confirmar."));
    EXPECT_EQ(pregunta.botones, Botones::SiNo);

    // Emitted again (already closed: no closing question) on a printer that fails.
    ImpresoraGuionada falla;
    falla.resultado = {errores_impresion::Impresora, QStringLiteral("Sin papel.")};
    dialogs.mensajes.clear();
    dialogs.textos = {QString()};
    dialogs.rutas = {destino};
    PasosEmision pasos;
    pasos.imprimir = [&](const DeclaracionEmitida& e) { imprimirDeclaracion(contexto, e, falla); };
    ASSERT_TRUE(emitirDeclaracion(contexto, id, pasos));
    ASSERT_EQ(falla.trabajos.size(), 1u);
    const Mensaje& error = dialogs.mensajes.back();
    EXPECT_EQ(error.texto, QStringLiteral("Error Nº 504 - Sin papel."));
    EXPECT_EQ(error.titulo, QStringLiteral("Error al imprimir"));
    EXPECT_EQ(error.icono, Icono::Critico);
}

TEST_F(ImpresionDeclaracionTest, ElPdfMuestraLoQueSeDeclara)
{
    id = declaracion(QStringLiteral("01"), QStringLiteral("01"));
    retencion(id, {.comprobante = QStringLiteral("00000001"), .bruto = "12345.67",
                   .alicuota = "2.5", .retenido = "308.64"});
    retencion(id, {.comprobante = QStringLiteral("00000002"), .bruto = "1000.00",
                   .alicuota = "1", .retenido = "10.00"});
    retencion(id, {.comprobante = QStringLiteral("00000003"), .estado = QStringLiteral("4")});
    const QString archivo = carpeta.ruta(QStringLiteral("declaracion.pdf"));
    ImpresoraGuionada impresora(base, archivo);
    const auto emitida = emitir(id, QStringLiteral("PRESENTADA POR EL APODERADO"), impresora);
    ASSERT_TRUE(emitida);

    const QStringList paginas = pdf::paginas(archivo);
    ASSERT_EQ(paginas.size(), 2);
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        for (const QString& esperado :
             {QStringLiteral("DECLARACIÓN JURADA MENSUAL"), QStringLiteral("RECTIFICATIVA"),
              QStringLiteral("ACOPIOS DEL SUR"), QStringLiteral("Mayo de 2004"),
              QStringLiteral("12.345,67"), QStringLiteral("308,64"), QStringLiteral("1.000,00"),
              QStringLiteral("10,00"), QStringLiteral("13.345,67"), QStringLiteral("$ 318,64"),
              QStringLiteral("15/06/2004"), emitida->archivo.codigoControl,
              QStringLiteral("PRESENTADA POR EL APODERADO"),
              QStringLiteral("Ejemplar %1 de 2").arg(i + 1)})
            EXPECT_TRUE(paginas[i].contains(esperado)) << esperado.toStdString();
        // Valid and annulled counts, beside the due date and the control code.
        EXPECT_TRUE(paginas[i].contains(QRegularExpression(
            QStringLiteral("\\n\\s*2\\s+1\\s+15/06/2004\\s+") + emitida->archivo.codigoControl)));
    }
}

} // namespace
