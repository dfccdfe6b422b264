// The report engine: finds a report by its file name, reads its rows, prints its copies to a PDF,
// the preview or the printer, and answers with an error number and text.

#include "reports/motor_reportes.h"

#include "database/base_datos.h"
#include "reports/bloques_reporte.h"
#include "reports/reporte.h"
#include "support/pdf_prueba.h"
#include "support/carpeta_temporal.h"
#include "support/variable_entorno.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

// A listing of the rows of Impresos: enough to run over several sheets.
class ListadoDePrueba final : public Reporte {
public:
    QString titulo() const override { return QStringLiteral("Listado"); }
    void leer(BaseDatos& base, const QVariantMap& seleccion) override
    {
        for (const QSqlRecord& f : base.filas(
                 QStringLiteral("SELECT Para, Texto FROM Impresos WHERE Texto LIKE ? ORDER BY rowid"),
                 {seleccion.value(QStringLiteral("Texto"), QStringLiteral("%"))}))
            tabla_.detalle({f.value(0).toString(), f.value(1).toString()});
        tabla_.columnas = {{QStringLiteral("Columna A"), 1}, {QStringLiteral("Columna B"), 2}};
        tabla_.total({QStringLiteral("Totales"), QString::number(tabla_.filas.size())});
    }
    bool tieneDatos() const override { return tabla_.filas.size() > 1; }
    void pintar(Lienzo& lienzo) const override
    {
        pintarTitulo(lienzo, QStringLiteral("LISTADO DE PRUEBA"));
        pintarTabla(lienzo, tabla_);
    }

private:
    TablaReporte tabla_;
};

class MotorReportesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        carpeta.crearBaseInstalada();
        base.abrir(carpeta.base());
        catalogo.agregar(QStringLiteral("listado.rpt"),
                         [] { return std::make_unique<ListadoDePrueba>(); });
    }
    void agregarFilas(int cuantas, const QString& texto = QStringLiteral("FILA"))
    {
        for (int i = 1; i <= cuantas; ++i)
            base.ejecutar(QStringLiteral("INSERT INTO Impresos (Para, Texto) VALUES (?, ?)"),
                          {QStringLiteral("P%1").arg(i, 3, 10, QLatin1Char('0')), texto});
    }
    TrabajoImpresion aPdf(const QString& reporte, int copias = 1)
    {
        return {reporte, copias, Destino::ArchivoPdf, carpeta.ruta(QStringLiteral("salida.pdf")),
                {}};
    }
    MotorReportes motor(MotorReportes::BuscarImpresora impresora = [] { return QPrinterInfo(); })
    {
        return MotorReportes(base, dialogos, catalogo, std::move(impresora));
    }

    CarpetaTemporal carpeta;
    BaseDatos base;
    DialogosGuionados dialogos;
    CatalogoReportes catalogo;
};

TEST_F(MotorReportesTest, ReporteDesconocidoYSinDatos)
{
    ResultadoImpresion r = motor().imprimir(aPdf(QStringLiteral("/opt/tarquel/otro.rpt")));
    EXPECT_EQ(r.numero, errores_impresion::ReporteDesconocido);
    EXPECT_EQ(r.texto, QStringLiteral("No se encontró el reporte 'otro.rpt'."));

    r = motor().imprimir(aPdf(QStringLiteral("\\LISTADO.RPT")));
    EXPECT_EQ(r.numero, errores_impresion::SinDatos);
    EXPECT_FALSE(QFile::exists(carpeta.ruta(QStringLiteral("salida.pdf"))));
}

TEST_F(MotorReportesTest, ErrorDeLaBaseConSuNumero)
{
    base.ejecutar(QStringLiteral("DROP TABLE Impresos"));
    const ResultadoImpresion r = motor().imprimir(aPdf(QStringLiteral("listado.rpt")));
    EXPECT_NE(r.numero, 0);
    EXPECT_FALSE(r.texto.isEmpty());
}

TEST_F(MotorReportesTest, ArchivoQueNoSePuedeEscribir)
{
    agregarFilas(1);
    TrabajoImpresion t = aPdf(QStringLiteral("listado.rpt"));
    t.archivoPdf = carpeta.ruta(QStringLiteral("no-existe/salida.pdf"));
    const ResultadoImpresion r = motor().imprimir(t);
    EXPECT_EQ(r.numero, errores_impresion::ArchivoPdf);
    EXPECT_TRUE(r.texto.contains(QStringLiteral("no-existe/salida.pdf")));
}

TEST_F(MotorReportesTest, TablaLargaSigueEnOtrasHojasConSuEncabezadoYLasCopias)
{
    agregarFilas(120);
    ASSERT_TRUE(motor().imprimir(aPdf(QStringLiteral("listado.rpt"), 2)).correcto());
    const QStringList paginas = pdf::paginas(carpeta.ruta(QStringLiteral("salida.pdf")));
    ASSERT_GE(paginas.size(), 4);
    ASSERT_EQ(paginas.size() % 2, 0);
    const qsizetype porCopia = paginas.size() / 2;
    for (qsizetype i = 0; i < paginas.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(paginas[i].contains(QStringLiteral("Columna A")));
        EXPECT_TRUE(paginas[i].contains(
            QStringLiteral("Ejemplar %1 de 2").arg(i < porCopia ? 1 : 2)));
    }
    const QString primera = paginas.mid(0, porCopia).join(QLatin1Char('\n'));
    for (int i = 1; i <= 120; ++i)
        EXPECT_TRUE(primera.contains(QStringLiteral("P%1").arg(i, 3, 10, QLatin1Char('0')))) << i;
    EXPECT_EQ(primera.count(QStringLiteral("Totales")), 1);
    EXPECT_TRUE(paginas[porCopia - 1].contains(QStringLiteral("Totales")));
}

TEST_F(MotorReportesTest, LaSeleccionRestringeLasFilas)
{
    agregarFilas(3, QStringLiteral("ELEGIDA"));
    agregarFilas(2, QStringLiteral("OTRA"));
    TrabajoImpresion t = aPdf(QStringLiteral("listado.rpt"));
    t.seleccion = {{QStringLiteral("Texto"), QStringLiteral("ELEGIDA")}};
    ASSERT_TRUE(motor().imprimir(t).correcto());
    const QString texto = pdf::texto(t.archivoPdf);
    EXPECT_EQ(texto.count(QStringLiteral("ELEGIDA")), 3);
    EXPECT_FALSE(texto.contains(QStringLiteral("OTRA")));
}

TEST_F(MotorReportesTest, PantallaAbreLaVistaPrevia)
{
    agregarFilas(1);
    dialogos.modales = {1};
    TrabajoImpresion t = aPdf(QStringLiteral("listado.rpt"));
    t.destino = Destino::Pantalla;
    EXPECT_TRUE(motor().imprimir(t).correcto());
    EXPECT_TRUE(dialogos.modales.empty());
    EXPECT_TRUE(dialogos.mensajes.empty());
}

TEST_F(MotorReportesTest, LaVistaPreviaGuardaElPdfDondeSeLaPideYLoDice)
{
    agregarFilas(1);
    // The user presses "Guardar como PDF..." on the preview.
    dialogos.alAbrir = [](QDialog& vista) {
        for (QAction* accion : vista.findChildren<QAction*>())
            if (accion->text() == QStringLiteral("Guardar como PDF...")) accion->trigger();
    };
    const QString elegido = carpeta.ruta(QStringLiteral("listado de abril.pdf"));
    dialogos.rutas = {elegido, {}, carpeta.ruta(QStringLiteral("no-existe/listado.pdf"))};
    TrabajoImpresion t = aPdf(QStringLiteral("listado.rpt"));
    t.destino = Destino::Pantalla;

    // Proposed in the user's documents folder, under the report's own name; never in the data
    // folder beside the database.
    const QString casa = carpeta.ruta(QStringLiteral("casa"));
    const QString documentos = casa + QStringLiteral("/Documentos");
    ASSERT_TRUE(QDir().mkpath(documentos));
    VariableEntorno home("HOME", casa.toLocal8Bit());
    VariableEntorno configuracion("XDG_CONFIG_HOME", casa.toLocal8Bit());
    {
        QFile dirs(casa + QStringLiteral("/user-dirs.dirs"));
        ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
        dirs.write("XDG_DOCUMENTS_DIR=\"$HOME/Documentos\"\n");
    }
    EXPECT_TRUE(motor().imprimir(t).correcto());
    EXPECT_EQ(dialogos.propuestas, QStringList{documentos + QStringLiteral("/Listado.pdf")});
    EXPECT_TRUE(pdf::texto(elegido).contains(QStringLiteral("LISTADO DE PRUEBA")));
    ASSERT_EQ(dialogos.mensajes.size(), 1u);
    EXPECT_EQ(dialogos.mensajes[0].texto, QStringLiteral("El documento se guardó en:\n") + elegido);
    EXPECT_EQ(dialogos.mensajes[0].titulo, QStringLiteral("Información"));
    EXPECT_EQ(dialogos.mensajes[0].icono, Icono::Informacion);

    // Cancelled, nothing is said; a file that cannot be written is the engine's error.
    dialogos.mensajes.clear();
    EXPECT_TRUE(motor().imprimir(t).correcto());
    EXPECT_TRUE(dialogos.mensajes.empty());
    EXPECT_TRUE(motor().imprimir(t).correcto());
    ASSERT_EQ(dialogos.mensajes.size(), 1u);
    EXPECT_TRUE(dialogos.mensajes[0].texto.startsWith(QStringLiteral("Error Nº 502 - ")));
    EXPECT_EQ(dialogos.mensajes[0].titulo, QStringLiteral("Error al imprimir"));
}

TEST_F(MotorReportesTest, SinImpresoraAvisaYOfreceLaVistaPrevia)
{
    agregarFilas(1);
    dialogos.modales = {1};
    TrabajoImpresion t = aPdf(QStringLiteral("listado.rpt"));
    t.destino = Destino::Impresora;
    EXPECT_TRUE(motor().imprimir(t).correcto());
    ASSERT_EQ(dialogos.mensajes.size(), 1u);
    EXPECT_TRUE(dialogos.mensajes[0].texto.startsWith(
        QStringLiteral("No hay ninguna impresora configurada")));
    EXPECT_TRUE(dialogos.mensajes[0].texto.contains(QStringLiteral("PDF")));
    EXPECT_TRUE(dialogos.modales.empty());
}

} // namespace
