// The sheets of a report as the preview gets them: laid out a few at a time, each painted alone,
// far down a table straight from the marks earlier passes left; the same sheets as on paper.

#include "reports/paginas_reporte.h"

#include "database/base_datos.h"
#include "database/transaccion.h"
#include "reports/bloques_reporte.h"
#include "reports/consulta_filas.h"
#include "reports/hojas_a4.h"
#include "reports/reporte.h"
#include "reports/vista_previa.h"
#include "support/carpeta_temporal.h"
#include "support/pdf_prueba.h"

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPdfWriter>
#include <QPrinter>
#include <QSpinBox>
#include <QSqlQuery>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

// The rows of Impresos read as the table lays them out, some long enough to wrap, and a total
// made once they are done.
class ListadoLeidoAlPintar final : public Reporte {
public:
    QString titulo() const override { return QStringLiteral("Listado"); }
    void leer(BaseDatos& base, const QVariantMap&) override { base_ = &base; }
    bool tieneDatos() const override { return true; }
    void pintar(Lienzo& lienzo) const override
    {
        pintarTitulo(lienzo, QStringLiteral("LISTADO LEÍDO AL PINTAR"));
        TablaReporte t;
        t.columnas = {{QStringLiteral("Para"), 1}, {QStringLiteral("Texto"), 2}};
        BaseDatos& base = *base_;
        t.fuente = std::make_shared<ConsultaFilas>(
            base, QStringLiteral("SELECT Para, Texto FROM Impresos ORDER BY rowid"), QVariantList{},
            [](const QSqlQuery& q) {
                return FilaTabla{FilaTabla::Tipo::Detalle,
                                 {q.value(0).toString(), q.value(1).toString()}};
            },
            [&base] {
                const QString n = base.valor(QStringLiteral("SELECT COUNT(*) FROM Impresos")).toString();
                return QList<FilaTabla>{{FilaTabla::Tipo::Total, {QStringLiteral("Totales"), n}}};
            });
        pintarTabla(lienzo, t);
        pintarFirmas(lienzo, {QStringLiteral("Firma")});
    }

private:
    BaseDatos* base_ = nullptr;
};

class PaginasReporteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        carpeta.crearBaseInstalada();
        base.abrir(carpeta.base());
        for (int i = 1; i <= 260; ++i)
            base.ejecutar(QStringLiteral("INSERT INTO Impresos (Para, Texto) VALUES (?, ?)"),
                          {QStringLiteral("P%1").arg(i, 3, 10, QLatin1Char('0')),
                           i % 7 == 0 ? QStringLiteral("una observación larga que ocupa más de "
                                                       "una línea de la columna, fila %1")
                                            .arg(i)
                                      : QStringLiteral("FILA %1").arg(i)});
        reporte.leer(base, {});
    }
    QString pdfDelMotor(int copias)
    {
        const QString archivo = carpeta.ruta(QStringLiteral("motor.pdf"));
        QPdfWriter pdf(archivo);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, {}));
        EXPECT_TRUE(pintarCopias(reporte, copias, pdf));
        return archivo;
    }
    static QImage hoja(PaginasReporte& paginas, int numero)
    {
        QImage imagen(210, 297, QImage::Format_RGB32);
        EXPECT_TRUE(paginas.pintar(numero, imagen)) << numero;
        return imagen;
    }

    CarpetaTemporal carpeta;
    BaseDatos base;
    ListadoLeidoAlPintar reporte;
};

TEST_F(PaginasReporteTest, CadaHojaPintadaSolaEsLaDeUnaPasadaDesdeElPrincipio)
{
    const int enPapel = int(pdf::paginas(pdfDelMotor(2)).size());
    ASSERT_GE(enPapel, 8);

    // Laid out a few sheets at a time, the preview finds as many as the paper has.
    PaginasReporte vista(reporte, 2);
    for (int pasos = 0; !vista.completas() && pasos < 1000; ++pasos) vista.avanzar(3);
    EXPECT_TRUE(vista.completas());
    EXPECT_EQ(vista.conocidas(), enPapel);

    // Far down the table (from the marks), at the second copy and at the last sheet (the total),
    // a sheet is the one a pass that lays out everything before it paints.
    for (const int n : {0, 1, enPapel / 4, enPapel / 2 - 1, enPapel / 2, enPapel / 2 + 2,
                        enPapel - 1}) {
        SCOPED_TRACE(n);
        PaginasReporte desdeElPrincipio(reporte, 2);
        EXPECT_TRUE(hoja(vista, n) == hoja(desdeElPrincipio, n));
    }
    QImage fuera(210, 297, QImage::Format_RGB32);
    EXPECT_FALSE(vista.pintar(enPapel, fuera));
}

TEST_F(PaginasReporteTest, LaVistaPreviaAbreConLaPrimeraHojaEImprimeTodas)
{
    VistaPrevia vista(reporte, 1);
    // Only the first sheet is laid out before the window shows.
    EXPECT_EQ(vista.hojasConocidas(), 1);
    EXPECT_FALSE(vista.hojasCompletas());

    QPrinter impresora(QPrinter::HighResolution);
    impresora.setOutputFormat(QPrinter::PdfFormat);
    impresora.setOutputFileName(carpeta.ruta(QStringLiteral("vista.pdf")));
    ASSERT_TRUE(vista.imprimirEn(impresora));
    EXPECT_EQ(pdf::texto(carpeta.ruta(QStringLiteral("vista.pdf"))), pdf::texto(pdfDelMotor(1)));
}

TEST_F(PaginasReporteTest, LaUltimaPaginaNoDetieneLaVentanaMientrasSePreparanLasHojas)
{
    VistaPrevia vista(reporte, 1);
    QAction* ultima = nullptr;
    for (QAction* a : vista.barra()->actions())
        if (a->text() == QStringLiteral("Última página")) ultima = a;
    ASSERT_NE(ultima, nullptr);
    auto* numero = vista.findChild<QSpinBox*>();
    ASSERT_NE(numero, nullptr);

    ultima->trigger();
    // The window answers at once: the sheets are still being prepared.
    EXPECT_FALSE(vista.hojasCompletas());
    EXPECT_EQ(numero->value(), 1);

    QElapsedTimer reloj;
    reloj.start();
    while (!vista.hojasCompletas() && reloj.elapsed() < 10000) QCoreApplication::processEvents();
    ASSERT_TRUE(vista.hojasCompletas());
    QCoreApplication::processEvents();
    EXPECT_GT(vista.hojasConocidas(), 1);
    EXPECT_EQ(numero->value(), vista.hojasConocidas());
}

TEST_F(PaginasReporteTest, LaConsultaVuelveACualquierFilaTambienALasDeCierre)
{
    base.ejecutar(QStringLiteral("DELETE FROM Impresos"));
    for (const char* para : {"A", "B", "C"})
        base.ejecutar(QStringLiteral("INSERT INTO Impresos (Para) VALUES (?)"),
                      {QString::fromLatin1(para)});
    // Passing over the rows before, or starting at the key of the row found in an index.
    for (const bool porClave : {false, true}) {
        SCOPED_TRACE(porClave);
        ConsultaFilas filas(
            base, QStringLiteral("SELECT Para FROM Impresos ORDER BY Para, rowid"), {},
            [](const QSqlQuery& q) { return FilaTabla{FilaTabla::Tipo::Detalle, {q.value(0).toString()}}; },
            [] {
                return QList<FilaTabla>{{FilaTabla::Tipo::Subtotal, {QStringLiteral("S")}},
                                        {FilaTabla::Tipo::Total, {QStringLiteral("T")}}};
            });
        if (porClave)
            filas.setSalto(QStringLiteral("SELECT Para, rowid FROM Impresos ORDER BY Para, rowid"),
                           QStringLiteral("SELECT Para FROM Impresos WHERE (Para, rowid) >= (?, ?) "
                                          "ORDER BY Para, rowid"));
        const struct {
            qint64 desde;
            QString filas;
        } casos[] = {{0, "ABCST"}, {2, "CST"}, {3, "ST"}, {4, "T"}, {5, ""}, {1, "BCST"}};
        for (const auto& c : casos) {
            SCOPED_TRACE(c.desde);
            filas.irA(c.desde);
            QString leidas;
            while (const std::optional<FilaTabla> f = filas.siguiente()) leidas += f->celdas.value(0);
            EXPECT_EQ(leidas, c.filas);
        }
    }
}

// The rows are read ahead on a connection of their own; inside a transaction only this connection
// sees what the transaction wrote, so they are read here. A failure of the reading reaches the
// caller, and a table left half read lets its reading go.
TEST_F(PaginasReporteTest, LaLecturaAdelantadaVeLaTransaccionAvisaSusFallosYSeDejaAMedias)
{
    const auto fila = [](const QSqlQuery& q) {
        return FilaTabla{FilaTabla::Tipo::Detalle, {q.value(0).toString()}};
    };
    const auto todas = [](ConsultaFilas& filas) {
        int n = 0;
        while (filas.siguiente()) ++n;
        return n;
    };
    {
        Transaccion transaccion(base);
        base.ejecutar(QStringLiteral("INSERT INTO Impresos (Para) VALUES ('nueva')"));
        ConsultaFilas filas(base, QStringLiteral("SELECT Para FROM Impresos ORDER BY rowid"), {},
                            fila);
        EXPECT_EQ(todas(filas), 261);
    }
    EXPECT_EQ(base.valor(QStringLiteral("SELECT COUNT(*) FROM Impresos")).toInt(), 260);

    ConsultaFilas mala(base, QStringLiteral("SELECT NoExiste FROM Impresos"), {}, fila);
    EXPECT_THROW(mala.siguiente(), ErrorMotor);

    {
        Transaccion transaccion(base);
        for (int i = 0; i < 3000; ++i)
            base.ejecutar(QStringLiteral("INSERT INTO Impresos (Para) VALUES (?)"), {i});
        transaccion.confirmar();
    }
    {
        ConsultaFilas filas(base, QStringLiteral("SELECT Para FROM Impresos ORDER BY rowid"), {},
                            fila);
        ASSERT_TRUE(filas.siguiente());
        EXPECT_EQ(filas.siguiente()->celdas.value(0), QStringLiteral("P002"));
    }
    // Its connection gone, the database takes a write at once.
    base.setEsperaOcupada(0);
    EXPECT_NO_THROW(base.ejecutar(QStringLiteral("DELETE FROM Impresos")));
}

} // namespace
