#include "reports/hojas_a4.h"

#include "reports/lienzo.h"
#include "reports/paginas_reporte.h"

#include <QPageSize>
#include <QPainter>
#include <QPrinter>

QPageLayout hojaA4()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}

void prepararImpresora(QPrinter& impresora, const QString& titulo)
{
    // The printer's own margins are not added to the layouts'.
    impresora.setFullPage(true);
    impresora.setPageLayout(hojaA4());
    impresora.setDocName(titulo);
}

bool pintarCopias(const Reporte& reporte, int copias, QPagedPaintDevice& dispositivo)
{
    QPainter pintor;
    if (!pintor.begin(&dispositivo)) return false;
    Lienzo lienzo(pintor, dispositivo);
    pasarCopias(reporte, copias, lienzo);
    return pintor.end();
}
