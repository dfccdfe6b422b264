// "B. de Pago" driven as the user drives it: the closing question, the payment date, the amounts
// typed, the refusals that leave the declaration as it was, the three copies and the slip a bank
// reads, text and barcode.

#include "declarations/pago_cabecera.h"

#include "declarations/boleta_copias.h"
#include "declarations/interes.h"
#include "declarations/preguntas_boleta.h"
#include "support/base_declaraciones.h"
#include "support/impresora_guionada.h"
#include "support/pdf_prueba.h"

#include <QFile>
#include <QImage>
#include <functional>

namespace {

using namespace prueba_declaraciones;

using Textos = std::deque<std::optional<QString>>;

const QString kBlancos15 = QString(15, QLatin1Char(' '));
const QString kPreguntaFecha = QStringLiteral(
    "La fecha de vencimiento es 15/06/2004, si el pago se efectuará con posterioridad ingrese la "
    "fecha del mismo. Si elige cancelar o si no ingresa ninguna fecha se cancelará la impresión.");
const QString kPreguntaOtrosPagos = QStringLiteral(
    "Otros pagos...\n\nSi ha efectuado algún pago que deba ser descontado en esta boleta ingrese "
    "el importe:");

QString conPunto(const QVariant& columna)
{
    return Importe::desdeColumna(columna).conPunto();
}

class PagoCabeceraTest : public BaseDeclaraciones {
protected:
    PagoCabeceraTest()
    {
        activarEntorno();
        vencimiento(2004, 5, QStringLiteral("2004-06-15"));
        sql("DELETE FROM Tasas");
        tasa("2004-01-01", "3.00");
        // What the last printed document left behind.
        sql("INSERT INTO Impresos (Para, Texto) VALUES ('00000001', 'comprobante anterior')");
    }

    void tasa(const char* vigencia, const char* mensual)
    {
        base.ejecutar(QStringLiteral("INSERT INTO Tasas (FechaVig, Tasa) VALUES (?, ?)"),
                      {QString::fromLatin1(vigencia), monto(mensual)});
    }

    // A declaration of May 2004 whose valid receipts withheld `retenido`.
    qint64 declaracion(const char* retenido, const DatosCabecera& datos = {})
    {
        const qint64 id = cabecera(datos);
        if (retenido)
            retencion(id, {.comprobante = QStringLiteral("00000001"), .retenido = retenido});
        return id;
    }

    bool pagar(qint64 id, std::deque<Respuesta> respuestas, Textos textos, Impresora& impresora)
    {
        dialogs.mensajes.clear();
        dialogs.respuestas = std::move(respuestas);
        dialogs.textos = std::move(textos);
        return imprimirBoletaPago(contexto, id, impresora);
    }

    std::vector<QSqlRecord> impresos()
    {
        return base.filas(QStringLiteral("SELECT * FROM Impresos ORDER BY rowid"));
    }
    QString impreso(const char* campo, int fila = 0)
    {
        const auto filas = impresos();
        if (fila >= int(filas.size())) return QStringLiteral("(sin fila)");
        return filas[fila].value(QLatin1String(campo)).toString();
    }
    QString importe(const char* campo) { return conPunto(impresos().at(0).value(QLatin1String(campo))); }
    // The barcode's text, as the slip carries it in its picture, read back by zbarimg.
    QString codigoLeido()
    {
        const QString png = carpeta.ruta(QStringLiteral("codbar.png"));
        QImage::fromData(impresos().at(2).value(QStringLiteral("CodBar")).toByteArray()).save(png);
        const QStringList leidos = pdf::codigosLeidos(png);
        return leidos.size() == 1 ? leidos[0].section(QLatin1Char(':'), 1) : QString();
    }
    int preguntas(const QString& texto)
    {
        int n = 0;
        for (const Mensaje& m : dialogs.mensajes) n += m.texto == texto;
        return n;
    }
    QStringList titulos()
    {
        QStringList t;
        for (const Mensaje& m : dialogs.mensajes) t << m.titulo;
        return t;
    }
};

TEST_F(PagoCabeceraTest, CierraImprimeTresCopiasYElBancoLeeElCodigo)
{
    const qint64 id = declaracion("1234.56");
    retencion(id, {.comprobante = QStringLiteral("00000002"), .retenido = "99.00",
                   .estado = QStringLiteral("4")});
    ASSERT_TRUE(entorno.activarCabecera(id));
    const QString archivo = carpeta.ruta(QStringLiteral("bolpago.pdf"));
    ImpresoraGuionada impresora(base, archivo);

    // Paid five days late at 3% a month: 1234.56 x 0.1% x 5 = 6.1728.
    EXPECT_TRUE(pagar(id, {Respuesta::Si}, {QStringLiteral(" 20/06/2004 "), std::nullopt},
                      impresora));

    EXPECT_EQ(titulos(), (QStringList{QStringLiteral("¡Atención!"),
                                      QStringLiteral("Imprimir Boleta de Pago"),
                                      QStringLiteral("Imprimir Boleta de Pago"),
                                      QStringLiteral("¿Confirmar Impresión?")}));
    EXPECT_EQ(dialogs.mensajes[1].texto, kPreguntaFecha);
    EXPECT_EQ(dialogs.mensajes[2].texto, kPreguntaOtrosPagos);
    EXPECT_EQ(campo(id, "Estado"), QLatin1String("3"));
    EXPECT_EQ(campo(id, "MarcaObs"), QLatin1String("N"));
    EXPECT_FALSE(entorno.cabeceraActual());

    const auto filas = impresos();
    ASSERT_EQ(filas.size(), 3u);
    const QString letras = kBlancos15 + QStringLiteral(" UN MIL DOSCIENTOS CUARENTA CON 73/100");
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(impreso("Para", i), kCopiasBoleta[i]);
        EXPECT_EQ(impreso("IdCabecera", i).toLongLong(), id);
        EXPECT_EQ(conPunto(filas[i].value(QStringLiteral("Importe"))), QLatin1String("1234.56"));
        EXPECT_EQ(conPunto(filas[i].value(QStringLiteral("Importe1"))), QLatin1String("0.00"));
        EXPECT_EQ(conPunto(filas[i].value(QStringLiteral("Interes"))), QLatin1String("6.17"));
        EXPECT_EQ(impreso("Texto", i), letras);
        EXPECT_EQ(impreso("FechaV", i), QLatin1String("2004-06-15"));
        EXPECT_EQ(impreso("FechaP", i), QLatin1String("2004-06-20"));
        EXPECT_EQ(filas[i].value(QStringLiteral("CodBar")).isNull(), i < 2);
    }
    const QString codigo = QStringLiteral("000123") + "01" + "01" + "04" + "05" + "00123456"
                           + "00000000" + "0000617" + "00" + "*";
    EXPECT_EQ(codigoLeido(), codigo);
    EXPECT_TRUE(QFile::exists(carpeta.ruta(QStringLiteral("codbar.bmp"))));

    ASSERT_EQ(impresora.trabajos.size(), 1u);
    EXPECT_EQ(impresora.trabajos[0].reporte, QLatin1String("bolpago.rpt"));
    EXPECT_EQ(impresora.trabajos[0].copias, 1);
    EXPECT_EQ(impresora.trabajos[0].destino, Destino::Pantalla);

    // The printed slip, as the bank's clerk and scanner see it.
    const QStringList paginas = pdf::paginas(archivo);
    ASSERT_EQ(paginas.size(), 1);
    for (const QString& esperado :
         {QStringLiteral("BOLETA DE PAGO"), QStringLiteral("ACOPIOS DEL SUR"),
          QStringLiteral("00012-3"), QStringLiteral("Mayo de 2004"), QStringLiteral("15/06/2004"),
          QStringLiteral("20/06/2004"), QStringLiteral("1.234,56"), QStringLiteral("6,17"),
          QStringLiteral("UN MIL DOSCIENTOS CUARENTA CON 73/100")})
        EXPECT_TRUE(paginas[0].contains(esperado)) << esperado.toStdString();
    EXPECT_EQ(paginas[0].count(QStringLiteral("$ 1.240,73")), 3);
    for (const QString& copia : kCopiasBoleta) EXPECT_EQ(paginas[0].count(copia), 1);
    EXPECT_EQ(pdf::codigosLeidos(pdf::imagenPagina(archivo, 1)),
              QStringList{QStringLiteral("CODE-128:") + codigo});
}

TEST_F(PagoCabeceraTest, InteresesHastaLaFechaDePago)
{
    const struct Caso {
        const char* nombre;
        const char* pago;
        std::vector<std::pair<const char*, const char*>> tasas;  // added to 3% from January
        const char* interes;
        const char* enCodigo;  // positions 31 to 37
    } casos[] = {
        {"la fecha ofrecida es el vencimiento: sin intereses", "15/06/2004", {}, "0.00", "0000000"},
        {"un dia de atraso", "16/06/2004", {}, "1.00", "0000100"},
        {"la tasa nueva parte los dias", "20/06/2004", {{"2004-06-18", "6.00"}}, "8.00",
         "0000800"},
        {"la tasa del dia del pago rige solo ese dia", "20/06/2004", {{"2004-06-20", "6.00"}},
         "6.00", "0000600"},
        {"una tasa posterior al pago no cuenta", "20/06/2004", {{"2004-06-21", "6.00"}}, "5.00",
         "0000500"},
        {"dos anios de atraso", "15/06/2006", {{"2005-01-01", "2.50"}}, "641.50", "0064150"},
    };
    const qint64 id = declaracion("1000.00", {.estado = QStringLiteral("3")});
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        sql("DELETE FROM Tasas WHERE FechaVig > '2004-01-01'");
        for (const auto& [vigencia, mensual] : c.tasas) tasa(vigencia, mensual);
        ImpresoraGuionada impresora;
        EXPECT_FALSE(pagar(id, {}, {QString::fromLatin1(c.pago), std::nullopt}, impresora));
        EXPECT_EQ(importe("Interes"), QLatin1String(c.interes));
        EXPECT_EQ(codigoLeido().mid(30, 7), QLatin1String(c.enCodigo));
        EXPECT_EQ(impresora.trabajos.size(), 1u);
    }
}

TEST_F(PagoCabeceraTest, RehusadaAntesDeCerrar)
{
    const struct Caso {
        const char* nombre;
        DatosCabecera datos;
        const char* retenido;
        std::function<void()> preparar;
        std::deque<Respuesta> respuestas;
        Textos textos;
        QString mensaje;  // the last one shown
        QString titulo;
    } casos[] = {
        {"el regimen 13 paga por turno", {.regimen = QStringLiteral("13")}, "10.00", {}, {}, {},
         QStringLiteral("Este Régimen no posee boleta de pago unica por DDJJ, debe imprimirlas "
                        "para cada turno desde <Administración de Turnos>"),
         kTituloAplicacion},
        {"no confirma el cierre", {}, "10.00", {}, {Respuesta::No}, {},
         QStringLiteral("Esta función cerrará la cabecera correspondiente a las "
                        "retenciones/percepciones del mes de Mayo de 2004.\nDespués de esto no "
                        "podrá hacer ningún cambio en ella\na menos que la rectifique.\n\n"
                        "¿Confirma?"),
         QStringLiteral("¡Atención!")},
        {"sin vencimiento del mes", {.mes = QStringLiteral("06")}, "10.00", {}, {Respuesta::Si}, {},
         QStringLiteral("No se encuentra cargada la fecha de vencimiento para el pago de la "
                        "declaración jurada correspondiente al mes 06 del año 2004"),
         kTituloSinBoleta},
        {"sin tasa vigente al vencimiento", {}, "10.00",
         [this] {
             sql("DELETE FROM Tasas");
             tasa("2004-06-16", "3.00");
         },
         {Respuesta::Si}, {QStringLiteral("20/06/2004"), std::nullopt}, kTextoSinTasa,
         kTituloSinBoleta},
        {"neto negativo", {.regimen = QStringLiteral("06")}, "-50.00", {}, {Respuesta::Si},
         {QStringLiteral("15/06/2004"), std::nullopt},
         QStringLiteral("El importe a pagar (-$50,00) es negativo.\nNo se puede emitir una "
                        "boleta de pago por un importe negativo."),
         kTituloSinBoleta},
        {"neto con intereses mayor que 999.999.999,99", {}, "999999990.00", {}, {Respuesta::Si},
         {QStringLiteral("16/06/2004"), std::nullopt},
         QStringLiteral("El importe a pagar con sus intereses supera el máximo que admite una "
                        "boleta de pago ($999999999,99)."),
         kTituloSinBoleta},
        {"anio de pago 2104 por 2004: los dias no caben en la cuenta", {}, "10.00", {},
         {Respuesta::Si}, {QStringLiteral("15/06/2104"), std::nullopt},
         QStringLiteral("Desbordamiento: los intereses se calculan por tramos de hasta 32767 "
                        "días, y del 15/06/2004 al 15/06/2104 hay 36524 días.\nVerifique la "
                        "fecha de pago."),
         QStringLiteral("Error 6")},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        const qint64 id = declaracion(c.retenido, c.datos);
        activarEntorno(QStringLiteral("0001"), campo(id, "Cod_Regimen"));
        ASSERT_TRUE(entorno.activarCabecera(id));
        if (c.preparar) c.preparar();
        ImpresoraGuionada impresora;
        EXPECT_FALSE(pagar(id, c.respuestas, c.textos, impresora));

        ASSERT_FALSE(dialogs.mensajes.empty());
        EXPECT_EQ(dialogs.mensajes.back().texto, c.mensaje);
        EXPECT_EQ(dialogs.mensajes.back().titulo, c.titulo);
        EXPECT_EQ(campo(id, "Estado"), QLatin1String("2"));
        EXPECT_EQ(entorno.idCabecera(), id);
        EXPECT_TRUE(impresos().empty());
        EXPECT_TRUE(impresora.trabajos.empty());
        base.ejecutar(QStringLiteral("DELETE FROM Cabeceras WHERE IdCabecera = ?"), {id});
        base.ejecutar(QStringLiteral("DELETE FROM Retenciones WHERE IdCabecera = ?"), {id});
        sql("DELETE FROM Tasas");
        tasa("2004-01-01", "3.00");
    }
}

TEST_F(PagoCabeceraTest, FechaDePagoIlegibleOAnteriorSePideOtraVezYCancelarNoCierra)
{
    const qint64 id = declaracion("10.00");
    ImpresoraGuionada impresora;
    EXPECT_FALSE(pagar(id, {Respuesta::Si, Respuesta::Aceptar},
                       {QStringLiteral("mañana"), QStringLiteral("14/06/2004"), QString()},
                       impresora));
    const std::vector<Mensaje>& m = dialogs.mensajes;
    ASSERT_EQ(m.size(), 5u);
    EXPECT_EQ(m[1].texto, kPreguntaFecha);
    EXPECT_EQ(m[2].texto, kPreguntaFecha);
    EXPECT_EQ(m[3].texto, QStringLiteral("La fecha de pago fuera de término no puede ser anterior "
                                         "a la fecha de vencimiento."));
    EXPECT_EQ(m[3].titulo, QStringLiteral("Atención..."));
    EXPECT_EQ(m[3].icono, Icono::Exclamacion);
    EXPECT_EQ(m[4].texto, kPreguntaFecha);
    EXPECT_EQ(campo(id, "Estado"), QLatin1String("2"));
    EXPECT_TRUE(impresos().empty());
    EXPECT_TRUE(impresora.trabajos.empty());
}

TEST_F(PagoCabeceraTest, OtrosPagosNiNegativosNiMayoresQueElTotal)
{
    const qint64 id = declaracion("1234.56");
    ImpresoraGuionada impresora;
    // Other payments equal to the total leave nothing to pay: no interest even when late.
    EXPECT_TRUE(pagar(id, {Respuesta::Si, Respuesta::Aceptar, Respuesta::Aceptar},
                      {QStringLiteral("20/06/2004"), QStringLiteral("-10"), QStringLiteral("x"),
                       QStringLiteral("1234,57"), QStringLiteral("$ 1.234,56")},
                      impresora));
    EXPECT_EQ(preguntas(kPreguntaOtrosPagos), 4);
    EXPECT_EQ(preguntas(QStringLiteral("El importe ingresado no puede ser negativo.")), 1);
    EXPECT_EQ(preguntas(QStringLiteral("El importe ingresado no debe superar el Total del "
                                       "Impuesto ($1234,56).")),
              1);
    EXPECT_EQ(importe("Importe"), QLatin1String("1234.56"));
    EXPECT_EQ(importe("Importe1"), QLatin1String("1234.56"));
    EXPECT_EQ(importe("Interes"), QLatin1String("0.00"));
    EXPECT_EQ(impreso("Texto"), kBlancos15 + QStringLiteral(" CERO CON 00/100"));
    EXPECT_EQ(codigoLeido().mid(14, 23), QStringLiteral("00123456001234560000000"));
    EXPECT_EQ(impresora.trabajos.size(), 1u);
}

TEST_F(PagoCabeceraTest, Regimen03PagaElImporteTecleadoYNoCierra)
{
    activarEntorno(QStringLiteral("0001"), QStringLiteral("03"));
    const qint64 id = declaracion("100.00", {.regimen = QStringLiteral("03")});
    ImpresoraGuionada impresora;
    EXPECT_FALSE(pagar(id, {Respuesta::Aceptar},
                       {QStringLiteral("15/06/2004"), QStringLiteral("-5"), QStringLiteral("abc"),
                        QStringLiteral("250,505"), std::nullopt},
                       impresora));
    EXPECT_NE(titulos().first(), QStringLiteral("¡Atención!"));  // no closing question
    EXPECT_EQ(preguntas(QStringLiteral("El importe a pagar no puede ser negativo.")), 1);
    EXPECT_EQ(campo(id, "Estado"), QLatin1String("2"));
    EXPECT_EQ(importe("Importe"), QLatin1String("250.51"));
    EXPECT_EQ(impreso("Texto"), kBlancos15 + QStringLiteral(" DOSCIENTOS CINCUENTA CON 51/100"));
    EXPECT_EQ(codigoLeido().mid(8, 2), QLatin1String("03"));
    EXPECT_EQ(codigoLeido().mid(14, 8), QLatin1String("00025051"));
    EXPECT_EQ(impresora.trabajos.size(), 1u);

    // Cancelling the amount keeps the one the receipts give.
    EXPECT_FALSE(pagar(id, {}, {QStringLiteral("15/06/2004"), std::nullopt, std::nullopt},
                       impresora));
    EXPECT_EQ(importe("Importe"), QLatin1String("100.00"));
}

TEST_F(PagoCabeceraTest, SinMovimientosOTodasAnuladas)
{
    const struct Caso {
        const char* nombre;
        const char* estado;  // of the one receipt, or none
        QString texto;
    } casos[] = {
        {"sin retenciones", nullptr, QStringLiteral("Sin Movimientos CERO CON 00/100")},
        {"todas anuladas", "4", kBlancos15 + QStringLiteral(" CERO CON 00/100")},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        const qint64 id = cabecera({.sucursal = c.estado ? QStringLiteral("0002")
                                                         : QStringLiteral("0001"),
                                    .mes = QStringLiteral("05")});
        if (c.estado)
            retencion(id, {.comprobante = QStringLiteral("00000001"),
                           .estado = QString::fromLatin1(c.estado)});
        ImpresoraGuionada impresora;
        EXPECT_TRUE(pagar(id, {Respuesta::Si}, {QStringLiteral("20/06/2004"), std::nullopt},
                          impresora));
        EXPECT_EQ(campo(id, "Estado"), QLatin1String("3"));
        EXPECT_EQ(importe("Importe"), QLatin1String("0.00"));
        EXPECT_EQ(importe("Interes"), QLatin1String("0.00"));
        EXPECT_EQ(impreso("Texto"), c.texto);
    }
}

TEST_F(PagoCabeceraTest, SinConfirmarQuedaCerradaYOtraVezSeImprimeSinCerrar)
{
    const qint64 id = declaracion("10.00");
    ImpresoraGuionada impresora;
    EXPECT_TRUE(pagar(id, {Respuesta::Si, Respuesta::No}, {QStringLiteral("15/06/2004")},
                      impresora));
    EXPECT_EQ(campo(id, "Estado"), QLatin1String("3"));
    EXPECT_EQ(impresos().size(), 3u);
    EXPECT_TRUE(impresora.trabajos.empty());
    EXPECT_EQ(dialogs.mensajes.back().titulo, QStringLiteral("¿Confirmar Impresión?"));

    // Closed now: printed again with no question, on a printer that fails.
    impresora.resultado = {errores_impresion::ReporteDesconocido,
                           QStringLiteral("No se encontró el reporte 'bolpago.rpt'.")};
    EXPECT_FALSE(pagar(id, {}, {QStringLiteral("15/06/2004")}, impresora));
    EXPECT_NE(titulos().first(), QStringLiteral("¡Atención!"));
    EXPECT_EQ(campo(id, "Estado"), QLatin1String("3"));
    EXPECT_EQ(impresora.trabajos.size(), 1u);
    const Mensaje& error = dialogs.mensajes.back();
    EXPECT_EQ(error.texto, QStringLiteral("Error Nº 501 - No se encontró el reporte 'bolpago.rpt'."));
    EXPECT_EQ(error.titulo, QStringLiteral("Error al imprimir"));
    EXPECT_EQ(error.icono, Icono::Critico);
}

TEST_F(PagoCabeceraTest, ImporteQueNoCabeEnElCodigoSeImprimeSinCodigo)
{
    QFile viejo(carpeta.ruta(QStringLiteral("codbar.bmp")));
    ASSERT_TRUE(viejo.open(QIODevice::WriteOnly));
    viejo.write("codigo de la boleta anterior");
    viejo.close();
    const qint64 id = declaracion("1000000.00");
    ImpresoraGuionada impresora;
    EXPECT_TRUE(pagar(id, {Respuesta::Si}, {QStringLiteral("15/06/2004"), std::nullopt},
                      impresora));
    EXPECT_EQ(preguntas(QStringLiteral("Los importes de esta boleta no caben en el código de "
                                       "barras.\nLa boleta de pago será impresa sin el código de "
                                       "barras.")),
              1);
    EXPECT_EQ(importe("Importe"), QLatin1String("1000000.00"));
    for (const QSqlRecord& fila : impresos())
        EXPECT_TRUE(fila.value(QStringLiteral("CodBar")).isNull());
    EXPECT_FALSE(QFile::exists(carpeta.ruta(QStringLiteral("codbar.bmp"))));
    EXPECT_EQ(impresora.trabajos.size(), 1u);
}

TEST(PreguntasBoleta, FechaTecleadaConElDiaPrimero)
{
    const struct {
        const char* texto;
        QDate fecha;  // invalid: not a date
    } casos[] = {
        {"20/06/2004", {2004, 6, 20}}, {"1/6/2004", {2004, 6, 1}},  {"01-06-2004", {2004, 6, 1}},
        {"1.6.04", {2004, 6, 1}},      {"1/6/29", {2029, 6, 1}},    {"1/6/30", {1930, 6, 1}},
        {"31/02/2004", {}},            {"15/06-2004", {}},          {"15/06/200", {}},
        {"2004-06-15", {}},            {"15/06/2004 10:00", {}},    {"", {}},
    };
    for (const auto& c : casos) {
        const std::optional<QDate> leida = leerFechaTecleada(QString::fromLatin1(c.texto));
        EXPECT_EQ(leida.value_or(QDate()), c.fecha) << c.texto;
    }
}

} // namespace
