#include "reports/motor_reportes.h"

#include "database/base_datos.h"
#include "database/error_motor.h"
#include "platform/carpeta_documentos.h"
#include "platform/dialogos_impresion.h"
#include "reports/hojas_a4.h"
#include "reports/reporte.h"
#include "reports/vista_previa.h"

#include <QAction>
#include <QDir>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>
#include <algorithm>

namespace {

ResultadoImpresion escribirPdf(const Reporte& reporte, int copias, const QString& archivo)
{
    QPdfWriter pdf(archivo);
    pdf.setPageLayout(hojaA4());
    pdf.setTitle(reporte.titulo());
    pdf.setCreator(QStringLiteral("Tarquel"));
    bool pintado = false;
    try {
        pintado = pintarCopias(reporte, copias, pdf);
    } catch (const ErrorMotor& e) {
        return {e.numero(), e.descripcion()};
    }
    if (!pintado)
        return {errores_impresion::ArchivoPdf,
                QStringLiteral("No se pudo escribir el archivo '%1'.").arg(archivo)};
    return {};
}

} // namespace

// Saving from the preview: the name proposed says what the document is about and lies in the
// user's documents folder; the user is told where the file went.
void MotorReportes::guardarComoPdf(const Reporte& reporte, int copias)
{
    const QString archivo = dialogs_.elegirArchivoGuardar(
        QStringLiteral("Guardar como PDF"),
        QDir(carpetaDocumentos()).filePath(reporte.nombreArchivo() + QStringLiteral(".pdf")),
        QStringLiteral("Documentos PDF (*.pdf)"));
    if (archivo.isEmpty()) return;
    const ResultadoImpresion resultado = escribirPdf(reporte, copias, archivo);
    if (!resultado.correcto()) {
        informarErrorImpresion(dialogs_, resultado);
        return;
    }
    dialogs_.aviso(QStringLiteral("El documento se guardó en:\n%1")
                       .arg(QDir::toNativeSeparators(archivo)),
                   QStringLiteral("Información"), Icono::Informacion);
}

MotorReportes::MotorReportes(BaseDatos& base, Dialogs& dialogs, const CatalogoReportes& catalogo,
                             BuscarImpresora impresoraPredeterminada)
    : base_(base),
      dialogs_(dialogs),
      catalogo_(catalogo),
      impresoraPredeterminada_(std::move(impresoraPredeterminada))
{
}

ResultadoImpresion MotorReportes::imprimir(const TrabajoImpresion& trabajo)
{
    const std::unique_ptr<Reporte> reporte = catalogo_.crear(trabajo.reporte);
    if (!reporte)
        return {errores_impresion::ReporteDesconocido,
                QStringLiteral("No se encontró el reporte '%1'.")
                    .arg(CatalogoReportes::clave(trabajo.reporte))};
    try {
        reporte->leer(base_, trabajo.seleccion);
    } catch (const ErrorMotor& e) {
        return {e.numero(), e.descripcion()};
    }
    if (!reporte->tieneDatos())
        return {errores_impresion::SinDatos, QStringLiteral("No hay datos para imprimir.")};

    switch (trabajo.destino) {
    case Destino::ArchivoPdf: return aPdf(*reporte, trabajo.copias, trabajo.archivoPdf);
    case Destino::Impresora: return aImpresora(*reporte, trabajo.copias);
    case Destino::Pantalla: break;
    }
    return aPantalla(*reporte, trabajo.copias);
}

ResultadoImpresion MotorReportes::aPdf(const Reporte& reporte, int copias, const QString& archivo)
{
    return escribirPdf(reporte, copias, archivo);
}

ResultadoImpresion MotorReportes::aImpresora(const Reporte& reporte, int copias)
{
    const QPrinterInfo predeterminada = impresoraPredeterminada_();
    if (predeterminada.isNull()) {
        dialogs_.aviso(QStringLiteral("No hay ninguna impresora configurada en este equipo.\n"
                                      "Se mostrará el documento en pantalla: desde allí puede "
                                      "guardarlo como PDF."),
                       QStringLiteral("Atención"), Icono::Exclamacion);
        return aPantalla(reporte, copias);
    }
    QPrinter impresora(predeterminada, QPrinter::HighResolution);
    prepararImpresora(impresora, reporte.titulo());
    bool pintado = false;
    try {
        pintado = pintarCopias(reporte, copias, impresora);
    } catch (const ErrorMotor& e) {
        return {e.numero(), e.descripcion()};
    }
    if (!pintado || impresora.printerState() == QPrinter::Error)
        return {errores_impresion::Impresora,
                QStringLiteral("La impresora '%1' no aceptó el documento.")
                    .arg(predeterminada.printerName())};
    return {};
}

ResultadoImpresion MotorReportes::aPantalla(const Reporte& reporte, int copias)
{
    VistaPrevia vista(reporte, copias);
    // A sheet's height where the screen allows it; never taller than the screen, so that the
    // window's foot and its scroll bar stay in sight on a small monitor.
    QSize tamanio(900, 1000);
    if (const QScreen* pantalla = QGuiApplication::primaryScreen())
        tamanio = tamanio.boundedTo(pantalla->availableGeometry().size() * 0.9);
    vista.resize(tamanio);

    // Saving as PDF sits beside the window's own print button.
    QAction* guardar = new QAction(QStringLiteral("Guardar como PDF..."), vista.barra());
    vista.barra()->insertAction(vista.barra()->actions().value(1), guardar);
    QObject::connect(guardar, &QAction::triggered, &vista,
                     [&] { guardarComoPdf(reporte, copias); });
    dialogs_.abrirModal(vista);
    return {};
}
