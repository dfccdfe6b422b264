// 7. Printing the withholdings listing of the 100,000-row month: the preview's first page against
// the 10,000-row month's, the listing to PDF against Qt drawing plain text on as many pages, and
// the peak memory of both against the 10,000-row month's.

#include "base_grande.h"
#include "carpetas_bench.h"
#include "medicion.h"
#include "objetivos.h"
#include "proceso_hijo.h"

#include "app/catalogo_reportes.h"
#include "common/regimenes.h"
#include "details/reporte_listado.h"
#include "reports/motor_reportes.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextStream>
#include <stdexcept>

namespace objetivo_impresion {

namespace {

const std::string kVista = "Impresion/vista";
const std::string kPdf = "Impresion/pdf";
const std::string kMemoria = "Impresion/memoria";
const QString kModoHijo = QStringLiteral("--hijo-impresion");

const QPageLayout kA4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));

// The job the window of withholdings by declaration sends for a month's listing.
TrabajoImpresion listado(qint64 id, Destino destino, const QString& archivo = {})
{
    TrabajoImpresion trabajo =
        pedidoListado(reglasRegimen(QStringLiteral("01")).listadoOtrosImportes, id);
    trabajo.destino = destino;
    trabajo.archivoPdf = archivo;
    return trabajo;
}

// The pages of a PDF as QPdfWriter writes them: one page object each.
int paginasPdf(const QString& archivo)
{
    QFile f(archivo);
    if (!f.open(QIODevice::ReadOnly)) throw std::runtime_error("no se pudo leer el PDF");
    const QByteArray bytes = f.readAll();
    return int(bytes.count("/Type /Page\n") + bytes.count("/Type /Page "))
           - int(bytes.count("/Type /Pages"));
}

double listadoPdf(BaseDatos& base, DialogosGuionados& dialogs, qint64 id, const QString& archivo)
{
    MotorReportes motor(base, dialogs, reportesDelPrograma());
    ResultadoImpresion r;
    const double ms = msDe([&] { r = motor.imprimir(listado(id, Destino::ArchivoPdf, archivo)); });
    if (!r.correcto()) throw std::runtime_error(r.texto.toStdString());
    return ms;
}

// Qt alone: as many A4 pages, each with as many lines of ten short texts as a page of the listing
// holds, drawn at fixed points in one font, no measuring, no wrapping.
double textoPlano(int paginas, int lineas, const QString& archivo)
{
    return msDe([&] {
        QPdfWriter pdf(archivo);
        pdf.setPageLayout(kA4);
        pdf.setTitle(QStringLiteral("Texto"));
        QPainter p(&pdf);
        QFont fuente(QStringLiteral("DejaVu Sans"));
        fuente.setPointSizeF(9);
        p.setFont(fuente);
        const double mm = pdf.logicalDpiY() / 25.4;
        const double columnas[] = {14, 32, 46, 76, 130, 142, 160, 174, 190, 200};
        int n = 0;
        for (int pagina = 0; pagina < paginas; ++pagina) {
            if (pagina > 0) pdf.newPage();
            for (int l = 0; l < lineas; ++l, ++n) {
                const double y = (30 + l * 5.6) * mm;
                const QString textos[] = {QString::number(100000 + n),
                                          QString::number(n % 28 + 1),
                                          QStringLiteral("901-%1-3").arg(n % 1000000, 6, 10, QLatin1Char('0')),
                                          QStringLiteral("SUJETO DE PRUEBA %1 S.A.").arg(n % 997),
                                          QStringLiteral("1"),
                                          QString::number(1234.56 + n, 'f', 2),
                                          QStringLiteral("2,50"),
                                          QString::number(30.86 + n % 100, 'f', 2),
                                          QStringLiteral("Ok"),
                                          QString()};
                for (int c = 0; c < 9; ++c) p.drawText(QPointF(columnas[c] * mm, y), textos[c]);
            }
        }
        p.end();
    });
}

// Every page of the preview's scroll areas on screen in turn, down to the last one the window has
// prepared, until no more come.
void recorrerVista(QDialog& vista)
{
    QElapsedTimer quieto;
    quieto.start();
    int ultimoMaximo = -1;
    while (quieto.elapsed() < 1000) {
        QCoreApplication::processEvents();
        int maximo = 0;
        for (QAbstractScrollArea* area : vista.findChildren<QAbstractScrollArea*>()) {
            QScrollBar* barra = area->verticalScrollBar();
            barra->setValue(barra->maximum());
            maximo += barra->maximum();
        }
        vista.grab();
        if (maximo != ultimoMaximo) {
            ultimoMaximo = maximo;
            quieto.restart();
        }
    }
}

// The preview of the month's listing: from the print until its first page is on the screen.
// With `recorrer` the user then goes to its last page before closing it.
double vistaPrevia(BaseDatos& base, qint64 id, bool recorrer)
{
    DialogosGuionados dialogs;
    MotorReportes motor(base, dialogs, reportesDelPrograma());
    QElapsedTimer reloj;
    double ms = -1;
    dialogs.alAbrir = [&](QDialog& vista) {
        vista.show();
        QCoreApplication::processEvents();
        vista.grab();
        ms = double(reloj.nsecsElapsed()) / 1e6;
        if (recorrer) recorrerVista(vista);
        vista.close();
    };
    reloj.start();
    const ResultadoImpresion r = motor.imprimir(listado(id, Destino::Pantalla));
    if (!r.correcto()) throw std::runtime_error(r.texto.toStdString());
    if (ms < 0) throw std::runtime_error("no se abrió la vista previa");
    return ms;
}

struct Datos {
    CarpetaBench& carpeta = copiaGrande(QStringLiteral("impresion"));
    SesionBench sesion{carpeta.ruta()};
    qint64 mayor = idDeclaracion(sesion.base, base_grande::kMesMayor);
    qint64 mediano = idDeclaracion(sesion.base, base_grande::kMesMediano);
    QTemporaryDir destino;
    int paginas = 0;  // of the 100,000-row listing

    Datos()
    {
        const QString archivo = destino.filePath(QStringLiteral("listado.pdf"));
        listadoPdf(sesion.base, sesion.dialogs, mayor, archivo);
        paginas = paginasPdf(archivo);
        if (paginas <= 0) throw std::runtime_error("el listado no tiene páginas");
    }
};

Datos& datos()
{
    return fixtura<Datos>();
}

} // namespace

void registrar(int repeticiones)
{
    registrarRazon(
        kVista, repeticiones, [] { return vistaPrevia(datos().sesion.base, datos().mediano, false); },
        [] { return vistaPrevia(datos().sesion.base, datos().mayor, false); });

    registrarRazon(
        kPdf, repeticiones,
        [] {
            Datos& d = datos();
            return textoPlano(d.paginas, (100000 + d.paginas - 1) / d.paginas,
                              d.destino.filePath(QStringLiteral("plano.pdf")));
        },
        [] {
            Datos& d = datos();
            return listadoPdf(d.sesion.base, d.sesion.dialogs, d.mayor,
                              d.destino.filePath(QStringLiteral("listado.pdf")));
        });

    registrarUnaVez(kMemoria, [](benchmark::State& estado) {
        Datos& d = datos();
        const QString carpeta = d.carpeta.ruta();
        for (const char* modo : {"pdf", "vista"}) {
            const std::string m(modo);
            estado.counters[m + "_mayor_mb"] = picoMemoriaHijo(
                {kModoHijo, QString::fromLatin1(modo), carpeta, QString::number(d.mayor)});
            estado.counters[m + "_mediano_mb"] = picoMemoriaHijo(
                {kModoHijo, QString::fromLatin1(modo), carpeta, QString::number(d.mediano)});
        }
    });
}

void informar(const Medianas& m, std::vector<FilaObjetivo>& tabla)
{
    tabla.push_back(filaRazon(
        QStringLiteral("7. Vista previa del listado, primera hoja: mes de 100.000 / de 10.000"), m,
        kVista, 1.5));
    for (const char* modo : {"pdf", "vista"}) {
        const std::string md(modo);
        const auto mayor = m.contador(kMemoria, md + "_mayor_mb");
        const auto mediano = m.contador(kMemoria, md + "_mediano_mb");
        std::optional<double> crece;
        if (mayor && mediano) crece = *mayor / *mediano;
        const QString que = md == "pdf" ? QStringLiteral("del listado a PDF")
                                        : QStringLiteral("de la vista previa del listado");
        tabla.push_back({QStringLiteral("7. Memoria pico %1: mes de 100.000 / de 10.000").arg(que),
                         veces(crece) + QStringLiteral(" (%1 MB / %2 MB)")
                                            .arg(mayor ? QString::number(*mayor, 'f', 0) : QStringLiteral("-"),
                                                 mediano ? QString::number(*mediano, 'f', 0) : QStringLiteral("-")),
                         QStringLiteral("no crece (<= 1.25x)"),
                         crece ? std::optional(*crece <= 1.25) : std::nullopt});
    }
    tabla.push_back(filaRazon(
        QStringLiteral("7. Listado de 100.000 filas a PDF / texto plano de Qt en tantas hojas"), m,
        kPdf, 1.5));
}

void perfilar() {}

int hijo(const QStringList& argumentos)
{
    if (argumentos.size() != 4 || argumentos[0] != kModoHijo) return 2;
    SesionBench sesion(argumentos[2]);
    const qint64 id = argumentos[3].toLongLong();
    try {
        if (argumentos[1] == QStringLiteral("pdf")) {
            QTemporaryDir destino;
            listadoPdf(sesion.base, sesion.dialogs, id,
                       destino.filePath(QStringLiteral("listado.pdf")));
        } else {
            vistaPrevia(sesion.base, id, true);
        }
    } catch (const std::exception& e) {
        QTextStream(stderr) << e.what() << '\n';
        return 1;
    }
    informarPicoMemoria();
    return 0;
}

} // namespace objetivo_impresion
