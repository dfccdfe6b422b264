// The prints of the receipts-by-declaration window: the text of a batch receipt's copies by
// regime, the four copy rows of each listed receipt, the questions asked, the report chosen, and
// the batch and the listing read back from their PDFs.

#include "details/impresion_retenciones.h"
#include "details/reporte_listado.h"
#include "entry/piezas_comprobante.h"
#include "entry/reporte_comprobante.h"
#include "reports/paginas_reporte.h"

#include "support/datos_entrada.h"
#include "support/impresora_guionada.h"
#include "support/pdf_prueba.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

using prueba::guia;

TEST(DetalleComprobanteLote, LoQueElTextoDiceDeLaPrimeraFila)
{
    struct Caso {
        const char* nombre;
        const char* regimen;
        std::optional<Guia> primera;
        QString detalle;
    };
    const Caso casos[] = {
        {"guía", "09", guia(u"123"_s, u"-00000000"_s), u"000001230000000000000"_s},
        {"guía sin número", "09", guia({}), u"000000000000000000000"_s},
        {"oblea", "10", guia(u"A0000015"_s, u"0012-00004567"_s), u"A0000015001200004567 "_s},
        {"oblea sin carta de porte", "10", guia(u"A0000015"_s), u"A0000015000000000000 "_s},
        {"oblea corta", "10", guia(u"123"_s, u"0012-00004567"_s), u"     123001200004567 "_s},
        {"anticipo con oblea", "12", guia(u"B0000002"_s, u"0003-00000333"_s),
         u"B0000002000300000333 "_s},
        {"anticipo de oblea vacía", "12", guia({}, {}), u"       0000000000000 "_s},
        {"oblea de la policía", "13", guia(u"C0000009"_s, u"0001-00000001"_s),
         u"C0000009000100000001 "_s},
        {"anticipo a otro agente", "11", guia(u"0"_s, u"0"_s, u"77"_s, u"000456"_s),
         u"000000770000000000456"_s},
        {"anticipo sin número", "11", guia(u"0"_s, u"0"_s, {}, QString()),
         u"000000000000000000000"_s},
        // Without a detail row, and in the regimes whose batch names none, nothing.
        {"sin filas", "10", std::nullopt, QString()},
        {"alimentos", "15", guia({}, u"0001-00000077"_s), QString()},
        {"subastas", "16", guia(u"0"_s, u"0"_s, u"5"_s), QString()},
        {"general", "01", guia(u"1"_s), QString()},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(detalleComprobanteLote(reglasRegimen(QString::fromLatin1(c.regimen)), c.primera),
                  c.detalle)
            << c.nombre;
}

TEST(DetalleComprobanteLote, ElMesOcupaDiezYLaObservacionCien)
{
    EXPECT_EQ(textoComprobanteLote(u"Setiembre"_s, {}, u"OBS"_s), u"Setiembre OBS"_s);
    EXPECT_EQ(textoComprobanteLote(u"Mayo"_s, u"X"_s, {}), u"Mayo      X"_s);
    EXPECT_EQ(textoComprobanteLote(u"Mayo"_s, {}, QString(150, u'x')).size(), 110);
}

// A declaration of May 2008 (or the month asked for) of regime R, its receipts given by the test,
// printed from the window through a printer that writes the PDF.
struct Lote : DatosEntrada {
    explicit Lote(const QString& regimen, const QString& mes = u"05"_s) : DatosEntrada(regimen, mes)
    {
        cabecera = *leerCabecera(base, idCabecera);
    }
    void comprobante(const QString& nro, const QString& estado = u"5"_s)
    {
        importada(nro, QString(), estado);
    }
    void fila(const QString& nro, prueba::DatosGuia g)
    {
        g.comprobante = nro;
        g.idCabecera = idCabecera;
        if (!g.agente.isValid()) g.agente = u"000000"_s;
        prueba::guia(base, g);
    }
    // Prints the batch with the observation typed (none: cancel) and the confirmation answered.
    ImpresoraGuionada imprimir(const QStringList& nros, std::optional<QString> observacion,
                               Respuesta confirmar = Respuesta::Si)
    {
        ImpresoraGuionada impresora(base, pdf);
        Contexto c{base, entorno, dialogs, reloj, impresora, carpeta.dir.path()};
        dialogs.textos = {std::move(observacion)};
        dialogs.respuestas = {confirmar};
        imprimirComprobantesLote(c, cabecera, nros);
        return impresora;
    }
    std::vector<std::pair<QString, QString>> copias()
    {
        std::vector<std::pair<QString, QString>> c;
        for (const QSqlRecord& f : base.filas(u"SELECT * FROM Impresos ORDER BY rowid"_s)) {
            EXPECT_EQ(f.value(u"IdCabecera"_s).toLongLong(), idCabecera);
            c.emplace_back(f.value(u"Para"_s).toString() + u'/'
                               + Importe::desdeColumna(f.value(u"Interes"_s)).conPunto(0),
                           f.value(u"Texto"_s).toString());
        }
        return c;
    }

    Cabecera cabecera;
    QString pdf = carpeta.ruta(u"lote.pdf"_s);
};

const QString kPreguntaUno =
    u"Tipee un texto (hasta 100 caracteres) que considere necesario agregar al comprobante o "
    u"bien elija cancelar para no incluir ninguna observación:"_s;
const QString kPreguntaTodos =
    u"Tipee un texto (hasta 100 caracteres) que considere necesario agregar a todos los "
    u"comprobantes o bien elija cancelar para no incluir ninguna observación:"_s;

TEST(ComprobantesLote, TresObleasEnUnSoloPdf)
{
    Lote f(u"10"_s);
    const char* obleas[] = {"A0000011", "A0000012", "B0000013"};
    for (int i = 0; i < 3; ++i) {
        const QString nro = u"0000000%1"_s.arg(i + 1);
        f.comprobante(nro);
        f.fila(nro, {.nroGuia = QString::fromLatin1(obleas[i]), .tipo = 1, .cantidad = 1,
                     .valorUnitario = prueba::monto("65"), .total = prueba::monto("65"),
                     .nroPorte = u"0012-0000456%1"_s.arg(i)});
    }
    // A second stamp of the first receipt is on its copies, not in its text.
    f.fila(u"00000001"_s, {.nroGuia = u"A0000099"_s, .tipo = 1, .total = prueba::monto("65"),
                           .nroPorte = u"0012-00009999"_s});

    const ImpresoraGuionada impresora =
        f.imprimir({u"00000003"_s, u"00000001"_s, u"00000002"_s}, u"RETIRA JUAN"_s);

    // Asked: the observation of one receipt, then the count.
    ASSERT_EQ(f.dialogs.mensajes.size(), 2U);
    EXPECT_EQ(f.dialogs.mensajes[0].texto, kPreguntaUno);
    EXPECT_EQ(f.dialogs.mensajes[0].titulo, u"Imprimir Comprobante"_s);
    EXPECT_EQ(f.dialogs.largos, std::vector<int>{100});
    EXPECT_EQ(f.dialogs.mensajes[1].texto,
              u"Se imprimirá/n 3 comprobante/s.\n\nATENCION: verifique si la impresora está "
              u"lista antes de confirmar."_s);
    EXPECT_EQ(f.dialogs.mensajes[1].titulo, u"¿Confirmar Impresión?"_s);
    EXPECT_EQ(f.dialogs.mensajes[1].botones, Botones::SiNo);

    // Four copies of each, in the list's order, each text with its own first stamp.
    std::vector<std::pair<QString, QString>> esperadas;
    for (const auto& [nro, texto] :
         {std::pair{u"00000003"_s, u"Mayo      B0000013001200004562 RETIRA JUAN"_s},
          std::pair{u"00000001"_s, u"Mayo      A0000011001200004560 RETIRA JUAN"_s},
          std::pair{u"00000002"_s, u"Mayo      A0000012001200004561 RETIRA JUAN"_s}})
        for (int copia = 1; copia <= 4; ++copia)
            esperadas.emplace_back(nro + u'/' + QString::number(copia), texto);
    EXPECT_EQ(f.copias(), esperadas);

    ASSERT_EQ(impresora.trabajos.size(), 1U);
    EXPECT_EQ(impresora.trabajos[0].reporte, u"comprob_10.rpt"_s);
    EXPECT_EQ(impresora.trabajos[0].destino, Destino::Pantalla);

    // One document: twelve copies, each receipt's stamps and the observation read from after
    // the detail.
    const QString todo = pdf::texto(f.pdf);
    for (const char* nro : {"00000001", "00000002", "00000003"})
        EXPECT_EQ(todo.count(u"Comprobante Nº "_s + QString::fromLatin1(nro)), 4) << nro;
    for (const QString& e : {u"ORIGINAL"_s, u"DUPLICADO"_s, u"TRIPLICADO"_s, u"CUADRUPLICADO"_s})
        EXPECT_EQ(todo.count(e), 3) << e.toStdString();
    EXPECT_EQ(todo.count(u"RETIRA JUAN"_s), 12);
    EXPECT_EQ(todo.count(u"A0000099"_s), 4);
    EXPECT_FALSE(todo.contains(u"001200004560"_s)) << todo.toStdString();
}

TEST(ComprobantesLote, AnticipoAOtroAgenteYSoloLaPrimeraFila)
{
    Lote f(u"11"_s);
    f.comprobante(u"00000007"_s);
    f.fila(u"00000007"_s, {.agente = u"000456"_s, .nroGuia = u"0"_s, .tipo = 0,
                           .total = prueba::monto("50"), .nroAnticipo = u"77"_s, .nroPorte = u"0"_s});
    f.fila(u"00000007"_s, {.agente = u"000789"_s, .nroGuia = u"0"_s, .tipo = 0,
                           .total = prueba::monto("20"), .nroAnticipo = u"88"_s, .nroPorte = u"0"_s});
    const ImpresoraGuionada impresora = f.imprimir({u"00000007"_s}, std::nullopt);
    ASSERT_EQ(f.copias().size(), 4U);
    EXPECT_EQ(f.copias()[3].second, u"Mayo      000000770000000000456"_s);
    EXPECT_EQ(impresora.trabajos.at(0).reporte, u"comprob_11.rpt"_s);
    // The receipt lists both advances.
    const QString impreso = pdf::texto(f.pdf);
    EXPECT_TRUE(impreso.contains(u"00045-6"_s) && impreso.contains(u"00078-9"_s))
        << impreso.toStdString();
}

TEST(ComprobantesLote, RegimenesSinDetalleEnElLote)
{
    struct Caso {
        const char* regimen;
        const char* reporte;
    };
    for (const Caso& c : {Caso{"15", "comprob.rpt"}, Caso{"16", "comprob.rpt"},
                          Caso{"01", "comprob.rpt"}}) {
        SCOPED_TRACE(c.regimen);
        Lote f(QString::fromLatin1(c.regimen), u"09"_s);
        f.comprobante(u"00000001"_s);
        f.fila(u"00000001"_s, {.nroGuia = u"0"_s, .tipo = 1, .total = prueba::monto("5"),
                               .nroAnticipo = u"5"_s, .nroPorte = u"0001-00000077"_s});
        const ImpresoraGuionada impresora =
            f.imprimir({u"00000001"_s}, u"A TODOS"_s + QString(150, u'.'));
        EXPECT_EQ(f.dialogs.mensajes.at(0).texto, kPreguntaTodos);
        ASSERT_EQ(f.copias().size(), 4U);
        // September's name fills nine of the month's ten characters; the observation its 100.
        EXPECT_EQ(f.copias()[0].second, u"Setiembre A TODOS"_s + QString(93, u'.'));
        EXPECT_EQ(impresora.trabajos.at(0).reporte, QString::fromLatin1(c.reporte));
    }
}

TEST(ComprobantesLote, UnComprobanteSinDetalleSigueConElMes)
{
    Lote f(u"12"_s);
    f.comprobante(u"00000002"_s);
    const ImpresoraGuionada impresora = f.imprimir({u"00000002"_s}, u"OBS"_s);
    EXPECT_EQ(f.copias().at(0).second, u"Mayo      OBS"_s);
    EXPECT_EQ(impresora.trabajos.at(0).reporte, u"comprob_12.rpt"_s);
    EXPECT_TRUE(pdf::texto(f.pdf).contains(u"OBS"_s));
}

// A copy that does not fit on the lower half of a sheet takes a sheet of its own: no copy is
// split, whatever the height its observation gives it.
TEST(ComprobantesLote, NingunaCopiaQuedaPartida)
{
    for (const char* sucursal : {"CASA CENTRAL", "PLANTA DE ACOPIO PUERTO NUEVO"}) {
        for (const int largo : {0, 50, 100}) {
            SCOPED_TRACE(std::string(sucursal) + " " + std::to_string(largo));
            Lote f(u"01"_s);
            f.sql("UPDATE Sucursales SET Descripcion = ?", {QString::fromLatin1(sucursal)});
            f.comprobante(u"00000001"_s);
            f.imprimir({u"00000001"_s}, QString(largo, u'x'));
            int copias = 0;
            for (const QString& p : pdf::paginas(f.pdf)) {
                const int enLaHoja = int(p.count(u"Comprobante Nº"_s));
                EXPECT_GE(enLaHoja, 1) << p.toStdString();
                EXPECT_EQ(p.count(u"Firma y sello"_s), enLaHoja) << p.toStdString();
                copias += enLaHoja;
            }
            EXPECT_EQ(copias, 4);
        }
    }
}

TEST(ComprobantesLote, AlDecirNoQuedanLasFilasYNadaSeImprime)
{
    Lote f(u"10"_s);
    f.sql("INSERT INTO Impresos (Para, Texto) VALUES ('VIEJO', 'de otra impresión')");
    f.comprobante(u"00000001"_s);
    f.comprobante(u"00000002"_s, u"4"_s);  // an annulled receipt prints like any other
    const ImpresoraGuionada impresora =
        f.imprimir({u"00000001"_s, u"00000002"_s}, std::nullopt, Respuesta::No);
    EXPECT_TRUE(impresora.trabajos.empty());
    EXPECT_EQ(f.copias().size(), 8U);
    EXPECT_FALSE(QFile::exists(f.pdf));
}

TEST(ComprobantesLote, UnaFallaDelMotorSeInforma)
{
    Lote f(u"01"_s);
    f.comprobante(u"00000001"_s);
    ImpresoraGuionada impresora;
    impresora.resultado = {errores_impresion::Impresora, u"La impresora rechazó el documento."_s};
    Contexto c{f.base, f.entorno, f.dialogs, f.reloj, impresora, f.carpeta.dir.path()};
    f.dialogs.respuestas = {Respuesta::Si};
    imprimirComprobantesLote(c, f.cabecera, {u"00000001"_s});
    ASSERT_EQ(f.dialogs.mensajes.size(), 3U);
    EXPECT_EQ(f.dialogs.mensajes[2].texto,
              u"Error Nº 504 - La impresora rechazó el documento."_s);
    EXPECT_EQ(f.dialogs.mensajes[2].titulo, u"Error al imprimir"_s);
    EXPECT_EQ(f.dialogs.mensajes[2].icono, Icono::Critico);
}

// ---- The listing.

TEST(ListadoRetenciones, ReportePorRegimenYSoloTrasConfirmar)
{
    struct Caso {
        const char* regimen;
        const char* reporte;
    };
    for (const Caso& c : {Caso{"10", "Retenc.rpt"}, Caso{"01", "Retenc.rpt"},
                          Caso{"11", "Retenc_b.rpt"}, Caso{"12", "Retenc_b.rpt"},
                          Caso{"13", "Retenc_b.rpt"}}) {
        SCOPED_TRACE(c.regimen);
        Lote f(QString::fromLatin1(c.regimen));
        ImpresoraGuionada impresora;
        Contexto contexto{f.base, f.entorno, f.dialogs, f.reloj, impresora, f.carpeta.dir.path()};
        f.dialogs.respuestas = {Respuesta::No, Respuesta::Si};
        imprimirListado(contexto, f.cabecera);
        EXPECT_TRUE(impresora.trabajos.empty());
        imprimirListado(contexto, f.cabecera);
        ASSERT_EQ(impresora.trabajos.size(), 1U);
        EXPECT_EQ(impresora.trabajos[0].reporte, QString::fromLatin1(c.reporte));
        EXPECT_EQ(impresora.trabajos[0].seleccion.value(kSeleccionCabecera).toLongLong(),
                  f.idCabecera);
        EXPECT_EQ(f.dialogs.mensajes.at(0).texto,
                  u"ATENCION: verifique si la impresora está lista antes de confirmar."_s);
    }
}

TEST(ListadoRetenciones, ElListadoLeidoDelPdf)
{
    LocaleDePrueba locale(QLocale(QLocale::Spanish, QLocale::Argentina));
    Lote f(u"11"_s);
    f.comprobante(u"00000001"_s);
    f.comprobante(u"00000002"_s, u"4"_s);
    prueba::otrasRetenciones(f.base, f.idCabecera, u"00000001"_s, prueba::monto("3.25"));
    // Another declaration's receipt is not listed.
    const qint64 otra = f.nuevaCabecera(u"11"_s, u"06"_s);
    prueba::retencion(f.base, {.idCabecera = otra, .comprobante = u"00000099"_s,
                               .nroContrib = u"3001234567"_s, .dia = u"01"_s,
                               .bruto = prueba::monto("1"), .alicuota = prueba::monto("1"),
                               .retenido = prueba::monto("1"), .concepto = u"97"_s,
                               .estado = u"5"_s});
    ImpresoraGuionada impresora(f.base, f.pdf);
    Contexto contexto{f.base, f.entorno, f.dialogs, f.reloj, impresora, f.carpeta.dir.path()};
    imprimirListado(contexto, f.cabecera);
    const QString impreso = pdf::texto(f.pdf);
    for (const QString& e : {u"LISTADO DE RETENCIONES / PERCEPCIONES"_s, u"Mayo de 2008"_s,
                             u"00000001"_s, u"00000002"_s, u"PEREZ JUAN"_s, u"Anulada"_s,
                             u"Otras"_s, u"3,25"_s, u"Válidas"_s, u"Anuladas"_s,
                             u"2 comprobantes"_s, u"1.000,00"_s, u"25,00"_s})
        EXPECT_TRUE(impreso.contains(e)) << e.toStdString() << " no está en\n"
                                         << impreso.toStdString();
    EXPECT_FALSE(impreso.contains(u"00000099"_s));
}

// The preview paints a sheet far down the listing straight from the receipt it starts with, found
// in the index: the same sheet as one laid out from the first receipt, receipts of one number
// (kept in the order they were written) and the totals' sheet included.
TEST(ListadoRetenciones, UnaHojaLejanaEsLaMismaQueDesdeElPrincipio)
{
    Lote f(u"11"_s);
    for (int i = 1; i <= 150; ++i) {
        const QString nro = u"%1"_s.arg(i, 8, 10, QLatin1Char('0'));
        f.importada(nro, QString(), i % 9 == 0 ? u"4"_s : u"5"_s,
                    u"30%1"_s.arg(1000000 + i * 7, 8, 10, QLatin1Char('0')));
        if (i % 40 == 0) f.comprobante(nro);
    }
    prueba::otrasRetenciones(f.base, f.idCabecera, u"00000003"_s, prueba::monto("3.25"));
    const std::unique_ptr<Reporte> listado = crearReporteListado(true);
    listado->leer(f.base, {{kSeleccionCabecera, f.idCabecera}});

    PaginasReporte vista(*listado, 1);
    for (int pasos = 0; !vista.completas() && pasos < 100; ++pasos) vista.avanzar(1);
    ASSERT_TRUE(vista.completas());
    const int hojas = vista.conocidas();
    ASSERT_GE(hojas, 4);
    for (const int n : {1, hojas / 2, hojas - 2, hojas - 1}) {
        SCOPED_TRACE(n);
        PaginasReporte desdeElPrincipio(*listado, 1);
        QImage lejos(210, 297, QImage::Format_RGB32);
        QImage seguida(210, 297, QImage::Format_RGB32);
        ASSERT_TRUE(vista.pintar(n, lejos));
        ASSERT_TRUE(desdeElPrincipio.pintar(n, seguida));
        EXPECT_TRUE(lejos == seguida);
    }
}

} // namespace
