#pragma once
// The report engine: finds the layout of a report file name in the catalogue, lets it read its
// rows, and paints its copies on A4 sheets of the preview window, the default printer or a PDF
// file. Failures come back as the engine's error number and text, for the forms to show.

#include "platform/impresion.h"

#include <QPrinterInfo>
#include <functional>

class BaseDatos;
class CatalogoReportes;
class Dialogs;
class Reporte;

class MotorReportes final : public Impresora {
public:
    using BuscarImpresora = std::function<QPrinterInfo()>;

    // `impresoraPredeterminada` finds the default printer (a null one when none is configured);
    // tests replace it so that no real printer is ever used.
    MotorReportes(BaseDatos& base, Dialogs& dialogs, const CatalogoReportes& catalogo,
                  BuscarImpresora impresoraPredeterminada = &QPrinterInfo::defaultPrinter);

    ResultadoImpresion imprimir(const TrabajoImpresion& trabajo) override;

private:
    ResultadoImpresion aPdf(const Reporte& reporte, int copias, const QString& archivo);
    ResultadoImpresion aImpresora(const Reporte& reporte, int copias);
    ResultadoImpresion aPantalla(const Reporte& reporte, int copias);
    void guardarComoPdf(const Reporte& reporte, int copias);

    BaseDatos& base_;
    Dialogs& dialogs_;
    const CatalogoReportes& catalogo_;
    BuscarImpresora impresoraPredeterminada_;
};
