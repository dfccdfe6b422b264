#pragma once
// The door through which forms print a report. A report is named by its file name, the name the
// report catalogue registers it under, and each report offers the function that makes its request,
// its name and its selection; it reads the scratch tables the form has just filled and the
// database, and goes to the preview window, the default printer or a PDF file. The program prints through the report
// engine (MotorReportes); tests give forms a scripted printer that records what was asked.

#include <QString>
#include <QVariantMap>

// Where a print goes. The numbers are the destinations the forms ask for by number.
enum class Destino {
    Pantalla = 0,    // the preview window, from which the user prints or saves a PDF
    Impresora = 1,   // the default printer
    ArchivoPdf = 2,  // a PDF file (TrabajoImpresion::archivoPdf)
};

struct TrabajoImpresion {
    QString reporte;          // file name of the report, as the catalogue registers it
    int copias = 1;           // the engine repeats the whole report this many times
    Destino destino = Destino::Pantalla;
    QString archivoPdf{};     // for Destino::ArchivoPdf
    QVariantMap seleccion{};  // restricts the rows a report reads (field name -> value), or
                              // tells it what its caller already knows
};

// The engine's last error: number 0 means the print went well.
struct ResultadoImpresion {
    int numero = 0;
    QString texto;
    bool correcto() const { return numero == 0; }
};

// Numbers of the engine's own failures.
namespace errores_impresion {
constexpr int ReporteDesconocido = 501;  // no report of that name
constexpr int ArchivoPdf = 502;          // the PDF file could not be written
constexpr int SinDatos = 503;            // the scratch tables hold nothing for the report
constexpr int Impresora = 504;           // the printer refused the document
} // namespace errores_impresion

class Impresora {
public:
    virtual ~Impresora() = default;
    virtual ResultadoImpresion imprimir(const TrabajoImpresion& trabajo) = 0;
};
