#pragma once
// The sheets a report is painted on, whatever its destination: the A4 page the layouts are made
// for, and its copies painted one after the other on a paged device (a PDF file or a printer, from
// the engine or from the preview window).

#include <QPageLayout>
#include <QString>

class QPagedPaintDevice;
class QPrinter;
class Reporte;

// The A4 portrait page without margins: the layouts place everything from the sheet's corner.
QPageLayout hojaA4();

// Paints the copies of a report one after the other on the device; false when the device could
// not be painted on (a file that cannot be written, a printer that refuses). A failure of the
// database while the rows are read is thrown (ErrorMotor).
bool pintarCopias(const Reporte& reporte, int copias, QPagedPaintDevice& dispositivo);

// A printer set to the A4 sheet the layouts are made for, the document named by its title.
void prepararImpresora(QPrinter& impresora, const QString& titulo);
